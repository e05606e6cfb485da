// Properties and methods of CSocket. Threads: GUI thread only (see CSocket.h).

#include "player/net/CSocket.h"

#include "platform/sockets/addresses.h"
#include "platform/sockets/bsd-socket.h"
#include "platform/sockets/winsock-codes.h"
#include "player/net/MSocketSupport.h"
#include "player/net/socket-port.h"

namespace sockets = platform::sockets;

CSocket::CSocket(QObject *parent) : QObject(parent) { m_maxDatagramSize = MSocketSupport::StartWinsock(); }

CSocket::~CSocket() {
    ReleaseSocket();
    MSocketSupport::StopWinsock();
}

void CSocket::setRemoteHost(const QString &value) {
    m_remoteHost = value;
    const std::optional<quint32> address = value.isEmpty() ? std::nullopt : sockets::ParseAddress(value);
    if (!address) {
        m_remoteHostIP.clear();
        return;
    }
    m_remoteHostIP = value;
    if (m_protocol != UDP || !EnsureSocket())
        return;
    const bool broadcast = value.endsWith(QLatin1String(".255"));
    if (broadcast != m_broadcast && sockets::SetBroadcast(m_socketHandle, broadcast) == 0)
        m_broadcast = broadcast;
}

void CSocket::setProtocol(int value) {
    if (m_socketHandle == sockets::InvalidHandle)
        m_protocol = value;
}

void CSocket::SendData(const QVariant &varData) {
    if (m_protocol == UDP) {
        if (!EnsureSocket())
            return;
    } else if (m_socketHandle == sockets::InvalidHandle) {
        return;
    }
    const std::optional<QByteArray> bytes = net::ValueBytes(varData);
    if (!bytes)
        return;
    m_sendBuffer = *bytes;
    m_sendInProgress = true;
    SendBuffered();
}

void CSocket::PeekData(QVariant &varData, VarType varType, int maxLen) {
    TakeData(varData, varType, maxLen, true);
}

void CSocket::GetData(QVariant &varData, VarType varType, int maxLen) {
    TakeData(varData, varType, maxLen, false);
}

void CSocket::TakeData(QVariant &varData, VarType varType, int maxLen, bool peek) {
    if (!m_receiveBuffer.isEmpty()) {
        const int length = m_receiveBuffer.size();
        const int count = maxLen > 0 && maxLen <= length ? maxLen : length;
        const QByteArray bytes = m_receiveBuffer.left(count);
        if (!peek)
            m_receiveBuffer.remove(0, count);
        if (varType == VarType::String && !peek)
            varData = QString(m_textDecoder(bytes));
        else if (const std::optional<QVariant> value = net::BytesValue(bytes, varType))
            varData = *value;
    }
    m_bytesReceived = m_receiveBuffer.size();
    if (!peek && m_receiveStalled) {
        m_receiveStalled = false;
        MSocketSupport::PostNotification(m_socketHandle, sockets::FdRead);
    }
}

void CSocket::Listen() {
    if (!EnsureSocket())
        return;
    if (!m_bound)
        Bind(0, QString());
    if (sockets::Listen(m_socketHandle, 5) == 0) {
        m_state = Listening;
    } else {
        m_state = Error;
        RecordLastSocketError(QStringLiteral("CSocket.Listen"));
    }
}

void CSocket::Connect(const QString &strRemoteHost, std::optional<int> lngRemotePort) {
    if (!EnsureSocket())
        return;
    if (!strRemoteHost.isEmpty())
        setRemoteHost(strRemoteHost);
    if (lngRemotePort)
        m_remotePort = *lngRemotePort;
    if (m_remoteHost.isEmpty())
        return;
    m_postResolveAction = ConnectAfterResolve;
    if (const std::optional<quint32> address = sockets::ParseAddress(m_remoteHost)) {
        // Only a failure reported later, through the connect notice, becomes an event.
        if (ConnectTo(*address, QStringLiteral("CSocket.Connect")) != 0)
            RecordLastSocketError(QStringLiteral("CSocket.Connect"));
        return;
    }
    m_state = ResolvingHost;
    m_resolveHandle = MSocketSupport::ResolveHost(m_remoteHost, this);
    if (m_resolveHandle == 0)
        ReleaseSocket();
}

void CSocket::CloseSocket() {
    if (m_socketHandle == sockets::InvalidHandle)
        return;
    if (m_state == Connected) {
        m_state = Closing;
        sockets::Shutdown(m_socketHandle);
    } else {
        ReleaseSocket();
        m_state = Closed;
    }
}

void CSocket::Bind(int lngLocalPort, const QString &strLocalIP) {
    if (!EnsureSocket())
        return;
    if (!strLocalIP.isEmpty())
        m_localIP = strLocalIP;
    if (lngLocalPort > 0)
        m_localPort = lngLocalPort;
    quint32 address = 0;
    if (!m_localIP.isEmpty()) {
        const std::optional<quint32> parsed = sockets::ParseAddress(m_localIP);
        if (!parsed)
            return;
        address = *parsed;
    }
    const sockets::Endpoint at{address, NetworkPort(m_localPort, QStringLiteral("CSocket.Bind"))};
    if (sockets::Bind(m_socketHandle, at) != 0) {
        RecordLastSocketError(QStringLiteral("CSocket.Bind"));
        return;
    }
    m_bound = true;
    // Port 0 asks the system for one; the property tells which.
    if (m_localPort == 0)
        if (const std::optional<sockets::Endpoint> local = sockets::LocalEndpoint(m_socketHandle))
            m_localPort = local->port;
}

void CSocket::Accept(int requestID) {
    const std::optional<sockets::Kind> kind = sockets::SocketKind(requestID);
    if (!kind) {
        RecordLastSocketError(QStringLiteral("CSocket.Accept"));
        return;
    }
    if (m_socketHandle != requestID)
        ReleaseSocket();
    m_socketHandle = requestID;
    ReadLocalAddress(false);
    if (const std::optional<sockets::Endpoint> peer = sockets::PeerEndpoint(requestID)) {
        m_remotePort = peer->port;
        m_remoteHostIP = sockets::AddressText(peer->address);
        m_remoteHost = m_remoteHostIP;
    }
    m_protocol = *kind == sockets::Kind::Stream ? TCP : UDP;
    ReadBufferSizes();
    if (MSocketSupport::RegisterSocket(requestID, this))
        m_state = Connected;
    else
        // Unregistered, the handle stays with whoever offered it.
        m_socketHandle = sockets::InvalidHandle;
}

void CSocket::RecordError(int number, const QString &description, const QString &source) {
    m_lastError = LastErrorRecord{number, description, source};
}

void CSocket::RecordLastSocketError(const QString &source) {
    const int code = sockets::LastError();
    RecordError(code, MSocketSupport::WinsockErrorText(code), source);
}

bool CSocket::EnsureSocket() {
    if (m_socketHandle != sockets::InvalidHandle)
        return true;
    sockets::Handle handle =
        sockets::Socket(m_protocol == UDP ? sockets::Kind::Datagram : sockets::Kind::Stream);
    if (handle == sockets::InvalidHandle) {
        RecordLastSocketError(QStringLiteral("CSocket.vbSocket"));
        return false;
    }
    if (!MSocketSupport::RegisterSocket(handle, this)) {
        sockets::Close(handle);
        return false;
    }
    m_socketHandle = handle;
    ReadBufferSizes();
    return true;
}

void CSocket::ReadBufferSizes() {
    m_receiveChunkSize = m_protocol == UDP ? m_maxDatagramSize : sockets::ReceiveBufferSize(m_socketHandle);
}

void CSocket::ReleaseSocket() {
    m_receiveBuffer.clear();
    m_receiveStalled = false;
    m_textDecoder.resetState();
    if (m_resolveHandle != 0) {
        MSocketSupport::ForgetResolution(m_resolveHandle);
        m_resolveHandle = 0;
    }
    if (m_socketHandle == sockets::InvalidHandle)
        return;
    MSocketSupport::UnregisterSocket(m_socketHandle);
    sockets::Close(m_socketHandle);
    m_socketHandle = sockets::InvalidHandle;
    m_bound = false;
    m_broadcast = false;
}

void CSocket::SendBuffered() {
    m_sendInProgress = true;
    int sent;
    if (m_protocol != UDP) {
        sent = sockets::Send(m_socketHandle, m_sendBuffer.constData(), m_sendBuffer.size());
    } else if (const std::optional<quint32> address = sockets::ParseAddress(m_remoteHostIP)) {
        const sockets::Endpoint to{*address, NetworkPort(m_remotePort, QStringLiteral("CSocket.SendData"))};
        sent = sockets::SendTo(m_socketHandle, m_sendBuffer.constData(), m_sendBuffer.size(), to);
    } else {
        m_postResolveAction = SendAfterResolve;
        if (m_resolveHandle != 0)
            MSocketSupport::ForgetResolution(m_resolveHandle);
        m_resolveHandle = MSocketSupport::ResolveHost(m_remoteHost, this);
        sent = 0;
    }
    // A failed send (also "would block") keeps the buffer for the next write notice.
    if (sent < 0)
        return;
    if (sent < m_sendBuffer.size()) {
        m_sendBuffer.remove(0, sent);
    } else {
        m_sendBuffer.clear();
        MSocketSupport::PostNotification(m_socketHandle, sockets::FdWrite);
    }
    emit OnSendProgress(sent, m_sendBuffer.size());
}
