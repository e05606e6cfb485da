// An encoder library without beEncodeChunk: the player must refuse it before calling any of it.

#include "encoder/bladeenc-interface.h"

extern "C" {

BE_ERR beInitStream(PBE_CONFIG, uint32_t *, uint32_t *, HBE_STREAM *) { return BE_ERR_SUCCESSFUL; }
BE_ERR beDeinitStream(HBE_STREAM, uint8_t *, uint32_t *) { return BE_ERR_SUCCESSFUL; }
BE_ERR beCloseStream(HBE_STREAM) { return BE_ERR_SUCCESSFUL; }
BE_ERR beWriteInfoTag(HBE_STREAM, const char *) { return BE_ERR_SUCCESSFUL; }

} // extern "C"
