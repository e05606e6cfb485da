#pragma once
// Turns a stream configuration record into the settings of a LAME encoder.

#include "encoder/bladeenc-interface.h"

#include <lame.h>

namespace encoder {

// Checks `config` and applies it to `lame` (fresh from lame_init), ending with lame_init_params.
// Returns BE_ERR_INVALID_FORMAT for a record that is not a LAME-header record and
// BE_ERR_INVALID_FORMAT_PARAMETERS for a value this library does not write: an output rate that MP3 does
// not have, an unknown mode or preset, VBR, a bit rate of 0 or above 320 kbit/s. A bit rate the output
// rate does not allow becomes the nearest one it does (LAME writes at most 64 kbit/s at 8–12 kHz).
BE_ERR ApplyConfig(const BE_CONFIG &config, lame_t lame);

} // namespace encoder
