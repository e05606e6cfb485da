#pragma once
// Error numbers of the sockets layer: the Winsock codes the system's texts are keyed by. System and
// resolver failures are translated into them here, so nothing above this layer sees an errno.

namespace platform::sockets {

enum WinsockCode : int {
    WsaInterrupted = 10004,
    WsaInvalidArgument = 10022,
    WsaWouldBlock = 10035,
    WsaNotSocket = 10038,
    WsaConnectionReset = 10054,
    WsaConnectionRefused = 10061,
    WsaSystemCallFailure = 10107,
    WsaHostNotFound = 11001,
    WsaTryAgain = 11002,
    WsaNoData = 11004,
};

// The Winsock code for an errno value; WsaSystemCallFailure for values without a counterpart.
int FromErrno(int error);

// The code of the last failed call of this layer on this thread.
int LastError();
void SetLastError(int code);

} // namespace platform::sockets
