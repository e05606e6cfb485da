#pragma once
// Keeps libVLC from opening what the control refuses even where no caller sees the address first: an
// HTTP redirect, or a segment named inside an HLS playlist, is followed inside libVLC, which would
// open a camera or read one of our own file descriptors as readily as a stream.
//
// Threads: the hook runs on whichever libVLC thread is about to open an address.

struct libvlc_instance_t;

namespace platform::media {

// Hooks `instance`'s message log: libVLC names each address ("creating access: …") just before it
// looks for the module that opens it. A refused address is blanked in place there, so libVLC finds
// no module for it and fails that input as if the address could not be opened. Also silences
// libVLC's console output for good. Call once, before the instance plays anything.
void InstallAccessGuard(libvlc_instance_t *instance);

} // namespace platform::media
