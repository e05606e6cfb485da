#pragma once
// Inside the sockets layer only: how the socket calls re-enable the notices of AsyncSelect.
// GUI thread only, like the calls that use them.

#include "platform/sockets/socket-types.h"

namespace platform::sockets::detail {

// Recv, RecvFrom, Accept or Listen was called: read or accept notices may come again.
void ReadTaken(Handle handle);
// A send left data behind: a write notice comes once there is room.
void WriteBlocked(Handle handle);
// A connect is under way: its result comes as a connect notice.
void ConnectStarted(Handle handle);
// A connect ended at once with `error` (0: connected); false when the handle has no notices requested.
bool ConnectFinished(Handle handle, int error);
// The handle is about to be closed: its notices end and undelivered ones are dropped.
void Forget(Handle handle);

} // namespace platform::sockets::detail
