#pragma once
// The player's own asynchronous TCP/UDP socket object. Threads: GUI thread only. Socket and name-lookup
// notices reach it through MSocketSupport, and its events (the signals) are raised synchronously from
// there, so a handler may call back into the object (CloseSocket from OnError, GetData from
// OnDataArrival). A handler that wants the object gone uses deleteLater(), never delete.
// The object never shows a message: failures arrive as OnError or stay in LastError().

#include "platform/sockets/socket-types.h"
#include "player/net/socket-value.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringDecoder>
#include <optional>

class CSocket : public QObject {
    Q_OBJECT
public:
    enum ProtocolValue { TCP = 0, UDP = 1 };
    // The state numbering; Open and ConnectionPending belong to it, but this object never enters them.
    enum StateValue {
        Closed = 0,
        Open = 1,
        Listening = 2,
        ConnectionPending = 3,
        ResolvingHost = 4,
        HostResolved = 5,
        Connecting = 6,
        Connected = 7,
        Closing = 8,
        Error = 9,
    };

    // The last failure that no event reported: Winsock number, description and source.
    struct LastErrorRecord {
        int Number = 0;
        QString Description;
        QString Source;
    };

    // Received data beyond this stays with the system until GetData makes room, so a peer cannot
    // fill memory faster than the owner takes the data.
    static constexpr int ReceiveBufferLimit = 1 << 20;

    explicit CSocket(QObject *parent = nullptr);
    // Releases the handle and forgets a pending name lookup.
    ~CSocket() override;

    // Properties.
    int State() const { return m_state; }
    platform::sockets::Handle SocketHandle() const { return m_socketHandle; }
    int RemotePort() const { return m_remotePort; }
    void setRemotePort(int value) { m_remotePort = value; }
    QString RemoteHostIP() const { return m_remoteHostIP; }
    QString RemoteHost() const { return m_remoteHost; }
    // Stores the host. A dotted address is also the RemoteHostIP; a name clears RemoteHostIP, so the
    // next datagram looks the new name up. For UDP (creating the socket) an address ending in ".255"
    // switches broadcasting on, any other address switches it off.
    void setRemoteHost(const QString &value);
    int Protocol() const { return m_protocol; }
    // Takes effect only while no socket handle exists.
    void setProtocol(int value);
    int LocalPort() const { return m_localPort; }
    void setLocalPort(int value) { m_localPort = value; }
    QString LocalIP() const { return m_localIP; }
    // LocalIP, until the reverse lookup of it that a connect starts finds a name (it never holds the
    // connect up).
    QString LocalHostName() const { return m_localHostName; }
    int BytesReceived() const { return m_bytesReceived; }
    const LastErrorRecord &LastError() const { return m_lastError; }

    // Methods. A port outside 0…65535 makes Connect to a dotted address, Bind, Listen and a UDP
    // SendData throw the run-time overflow error (common::RuntimeError, number 6); after a lookup it
    // arrives as OnError 6 "Overflow" instead.

    // Sends `varData` by its type (see socket-value.h), replacing whatever of an earlier send is still
    // unsent. TCP needs a connection; UDP creates its socket and sends to RemoteHostIP:RemotePort, looking
    // RemoteHost up first when RemoteHostIP is empty.
    void SendData(const QVariant &varData);
    // Sets `varData` from the first `maxLen` received bytes (all when `maxLen` is not in
    // 1…buffered), read as `varType`, leaving them buffered; `varData` stays as it was with nothing
    // received. BytesReceived becomes the buffered count.
    void PeekData(QVariant &varData, VarType varType = VarType::String, int maxLen = 0);
    // Listens for connections with a backlog of 5, binding to LocalIP:LocalPort first if not bound.
    // State Listening, or Error when the system refuses (no event).
    void Listen();
    // As PeekData, but removes the bytes it takes. Text is decoded as one running UTF-8 stream, so a
    // character cut between two reads comes out whole with the second.
    void GetData(QVariant &varData, VarType varType = VarType::String, int maxLen = 0);
    // Connects to `strRemoteHost`:`lngRemotePort`, or to RemoteHost:RemotePort for what is not given. A
    // name is looked up first (state ResolvingHost). Failures arrive as OnError; a dotted-address
    // connect that the system refuses at call time changes nothing.
    void Connect(const QString &strRemoteHost = QString(), std::optional<int> lngRemotePort = std::nullopt);
    // Connected: ends sending and waits for the peer's close (then OnClose). Otherwise closes at once,
    // state Closed, no event; a lookup or connect under way is dropped.
    void CloseSocket();
    // Binds to `strLocalIP` (when given; any local address when LocalIP is empty) and `lngLocalPort`
    // (when above 0). When LocalPort is 0 it becomes the port the system chose.
    void Bind(int lngLocalPort, const QString &strLocalIP);
    // Adopts the connection `requestID` from OnConnectionRequest: state Connected, the local and remote
    // addresses taken from it. A handle it already had is released first.
    void Accept(int requestID);

    // Entry points for MSocketSupport: a notice for this object's handle, and the end of its lookup.
    void OnSocketNotification(int event, int error);
    void PostGetHostEvent(int request, quint32 address, const QString &name, int error);
    // MSocketSupport records call-time failures here.
    void RecordError(int number, const QString &description, const QString &source);

signals:
    // The peer closed and everything it sent has been offered through OnDataArrival.
    void OnClose();
    void OnConnect();
    // A connection waits: `requestID` is its handle, for Accept on this or another object. A
    // connection nobody accepted by the time the handlers return is closed.
    void OnConnectionRequest(int requestID);
    // Data arrived; `bytesTotal` is the number of bytes buffered.
    void OnDataArrival(int bytesTotal);
    // A failure the system or the resolver reported: `Number` is its Winsock code (or 6, overflow) and
    // `Description` its text. The object shows nothing whatever a handler does with CancelDisplay.
    void OnError(short Number, const QString &Description, int Scode, const QString &Source,
                 const QString &HelpFile, int HelpContext, bool &CancelDisplay);
    // Everything sent has been handed to the system.
    void OnSendComplete();
    void OnSendProgress(int bytesSent, int bytesRemaining);

private:
    enum PostResolveAction { ConnectAfterResolve = 0, SendAfterResolve = 1 };

    bool EnsureSocket();
    void ReadBufferSizes();
    void ReleaseSocket();
    void SendBuffered();
    int ReceiveChunk();
    void TakeData(QVariant &varData, VarType varType, int maxLen, bool peek);
    // Starts connecting (state Connecting); the failure code when the system refuses at once, else 0.
    int ConnectTo(quint32 address, const QString &source);
    void AcceptRequest();
    void ReadLocalAddress(bool lookUpName);
    void HandleClose(platform::sockets::Handle handle);
    void RaiseError(int number, const QString &description, const QString &source = QString());
    void RaiseError(int number);
    void RecordLastSocketError(const QString &source);

    PostResolveAction m_postResolveAction = ConnectAfterResolve;
    int m_protocol = TCP;
    int m_state = Closed;
    int m_bytesReceived = 0;
    QString m_localHostName;
    // Counts the local addresses read, so a late name answers only the latest.
    unsigned m_localNameLookup = 0;
    QString m_localIP;
    int m_localPort = 0;
    QString m_remoteHost;
    QString m_remoteHostIP;
    int m_remotePort = 0;
    platform::sockets::Handle m_socketHandle = platform::sockets::InvalidHandle;
    int m_resolveHandle = 0;
    QByteArray m_sendBuffer;
    QByteArray m_receiveBuffer;
    int m_receiveChunkSize = 0;
    int m_maxDatagramSize = 0;
    bool m_bound = false;
    bool m_sendInProgress = false;
    bool m_broadcast = false;
    // Reading paused at ReceiveBufferLimit; GetData resumes it.
    bool m_receiveStalled = false;
    // Text taken by GetData is decoded as one stream, so a character split between two reads is whole.
    QStringDecoder m_textDecoder{QStringDecoder::Utf8};
    LastErrorRecord m_lastError;
};
