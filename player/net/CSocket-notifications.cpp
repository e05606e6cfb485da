// How CSocket answers the notices MSocketSupport hands it. Threads: GUI thread only (see CSocket.h).
// Events are raised synchronously; a handler may release the handle or start a new connection, so
// every step after an event checks that the notice's handle is still the object's.

#include "player/net/CSocket.h"

#include "common/runtime-error.h"
#include "platform/sockets/addresses.h"
#include "platform/sockets/bsd-socket.h"
#include "platform/sockets/winsock-codes.h"
#include "player/net/MSocketSupport.h"
#include "player/net/socket-port.h"

#include <algorithm>

namespace sockets = platform::sockets;

void CSocket::OnSocketNotification(int event, int error) {
    if (error >= 1) {
        m_state = Error;
        ReleaseSocket();
        RaiseError(error);
        return;
    }
    switch (event) {
    case sockets::FdRead: {
        const int count = ReceiveChunk();
        m_bytesReceived += count;
        if (count > 0)
            emit OnDataArrival(m_receiveBuffer.size());
        break;
    }
    case sockets::FdWrite:
        if (!m_sendBuffer.isEmpty()) {
            try {
                SendBuffered();
            } catch (const common::RuntimeError &e) {
                RaiseError(e.number(), e.description(), e.source());
            }
        } else if (m_sendInProgress) {
            m_sendInProgress = false;
            emit OnSendComplete();
        }
        break;
    case sockets::FdAccept:
        AcceptRequest();
        break;
    case sockets::FdConnect:
        ReadLocalAddress(true);
        m_state = Connected;
        emit OnConnect();
        break;
    case sockets::FdClose:
        HandleClose(m_socketHandle);
        break;
    default:
        break;
    }
}

void CSocket::AcceptRequest() {
    const sockets::Handle request = sockets::Accept(m_socketHandle, nullptr);
    if (request == sockets::InvalidHandle) {
        RecordLastSocketError(QStringLiteral("CSocket.OnSocketNotification"));
        return;
    }
    emit OnConnectionRequest(request);
    // A request that no handler accepted would otherwise stay open with nobody to close it.
    if (!MSocketSupport::IsRegistered(request))
        sockets::Close(request);
}

void CSocket::HandleClose(sockets::Handle handle) {
    // Everything the peer sent before closing is offered before OnClose.
    while (m_socketHandle == handle) {
        const int count = ReceiveChunk();
        if (count <= 0)
            break;
        m_bytesReceived += count;
        emit OnDataArrival(m_receiveBuffer.size());
    }
    if (m_socketHandle != handle)
        return;
    if (m_state != Closing) {
        m_state = Closing;
        if (!m_sendBuffer.isEmpty())
            SendBuffered();
    }
    ReleaseSocket();
    m_state = Closed;
    emit OnClose();
}

int CSocket::ReceiveChunk() {
    if (m_socketHandle == sockets::InvalidHandle)
        return 0;
    const int size = std::min(m_receiveChunkSize, ReceiveBufferLimit);
    if (size <= 0)
        return 0;
    if (m_receiveBuffer.size() + size > ReceiveBufferLimit) {
        m_receiveStalled = true;
        return 0;
    }
    QByteArray chunk(size, Qt::Uninitialized);
    int count;
    if (m_protocol == UDP) {
        sockets::Endpoint from;
        count = sockets::RecvFrom(m_socketHandle, chunk.data(), size, &from);
        if (count >= 0) {
            m_remotePort = from.port;
            m_remoteHostIP = sockets::AddressText(from.address);
            const QString name = sockets::HostNameOf(from.address);
            m_remoteHost = name.isEmpty() ? m_remoteHostIP : name;
        }
    } else {
        count = sockets::Recv(m_socketHandle, chunk.data(), size);
    }
    if (count <= 0)
        return 0;
    m_receiveBuffer.append(chunk.constData(), count);
    return count;
}

void CSocket::ReadLocalAddress(bool lookUpName) {
    const std::optional<sockets::Endpoint> local = sockets::LocalEndpoint(m_socketHandle);
    if (!local)
        return;
    m_localPort = local->port;
    m_localIP = sockets::AddressText(local->address);
    m_localHostName = m_localIP;
    // The resolver may be slow: the name replaces the address when it comes, unless the socket has
    // read another local address since.
    const unsigned lookup = ++m_localNameLookup;
    if (lookUpName) {
        sockets::LookUpHostName(local->address, this, [this, lookup](const QString &name) {
            if (lookup == m_localNameLookup && !name.isEmpty())
                m_localHostName = name;
        });
    }
}

void CSocket::PostGetHostEvent(int request, quint32 address, const QString &name, int error) {
    // The answer to a lookup this object no longer waits for (it closed, or asked again) is dropped.
    if (request == 0 || request != m_resolveHandle)
        return;
    m_resolveHandle = 0;
    if (error > 0) {
        m_state = Error;
        RaiseError(error);
        return;
    }
    m_state = HostResolved;
    m_remoteHost = name;
    m_remoteHostIP = sockets::AddressText(address);
    const QString source = QStringLiteral("CSocket.PostGetHostEvent");
    try {
        if (m_postResolveAction == SendAfterResolve) {
            SendBuffered();
        } else if (const int failure = ConnectTo(address, source)) {
            RaiseError(failure, MSocketSupport::WinsockErrorText(failure), source);
        }
    } catch (const common::RuntimeError &e) {
        RaiseError(e.number(), e.description(), source);
    }
}

int CSocket::ConnectTo(quint32 address, const QString &source) {
    if (sockets::Connect(m_socketHandle, {address, NetworkPort(m_remotePort, source)}) == 0)
        return 0;
    const int code = sockets::LastError();
    if (code != sockets::WsaWouldBlock)
        return code;
    m_state = Connecting;
    return 0;
}

void CSocket::RaiseError(int number) { RaiseError(number, MSocketSupport::WinsockErrorText(number)); }

void CSocket::RaiseError(int number, const QString &description, const QString &source) {
    bool cancelDisplay = false;
    emit OnError(static_cast<short>(number), description, 0, source, QString(), 0, cancelDisplay);
}
