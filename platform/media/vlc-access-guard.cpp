#include "platform/media/vlc-access-guard.h"

#include "platform/media/media-address.h"

#include <vlc/vlc.h>

#include <QString>
#include <cstdarg>
#include <cstring>

namespace platform::media {

namespace {

// libVLC 3 logs this, with the address as the only argument, right before it picks the access
// module by the address's scheme; the text is the same buffer it reads the scheme from next.
constexpr char kCreatingAccess[] = "creating access: %s";

void Guard(void *, int, const libvlc_log_t *, const char *format, va_list arguments) {
    if (format == nullptr || std::strcmp(format, kCreatingAccess) != 0)
        return;
    va_list copy;
    va_copy(copy, arguments);
    char *address = va_arg(copy, char *);
    va_end(copy);
    if (address == nullptr)
        return;
    if (CheckAddress(QString::fromUtf8(address)).kind == CheckedAddress::Kind::Refused)
        address[0] = '\0'; // no "://" left: libVLC fails the access before loading any module
}

} // namespace

void InstallAccessGuard(libvlc_instance_t *instance) { libvlc_log_set(instance, Guard, nullptr); }

} // namespace platform::media
