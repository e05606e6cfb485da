// Tunelark.dll, the MP3 encoder library the player binds by name at run time. For now it carries
// only the name of the encoder it is built on; the encoding interface joins it with recording.

#include <lame.h>

extern "C" __attribute__((visibility("default"))) const char *TunelarkEncoderEngine() {
    return get_lame_version();
}
