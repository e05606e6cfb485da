#pragma once
// The error codes of the multimedia command layer, numbered as the command interface numbers them,
// and their texts.

#include <QString>

namespace platform::mci {

enum MciError : int {
    MMSYSERR_NOERROR = 0,
    MCIERR_UNRECOGNIZED_KEYWORD = 259,
    MCIERR_UNRECOGNIZED_COMMAND = 261,
    MCIERR_HARDWARE = 262,
    MCIERR_INVALID_DEVICE_NAME = 263,
    MCIERR_CANNOT_LOAD_DRIVER = 266,
    MCIERR_MISSING_COMMAND_STRING = 267,
    MCIERR_PARAM_OVERFLOW = 268,
    MCIERR_MISSING_STRING_ARGUMENT = 269,
    MCIERR_BAD_INTEGER = 270,
    MCIERR_MISSING_PARAMETER = 273,
    MCIERR_UNSUPPORTED_FUNCTION = 274,
    MCIERR_FILE_NOT_FOUND = 275,
    MCIERR_OUTOFRANGE = 282,
    MCIERR_FILE_NOT_SAVED = 286,
    MCIERR_DEVICE_TYPE_REQUIRED = 287,
    MCIERR_DUPLICATE_ALIAS = 289,
    MCIERR_MISSING_DEVICE_NAME = 292,
    MCIERR_BAD_TIME_FORMAT = 293,
    MCIERR_NO_CLOSING_QUOTE = 294,
    MCIERR_NONAPPLICABLE_FUNCTION = 302,
    MCIERR_FILENAME_REQUIRED = 304,
    MCIERR_WAVE_INPUTSUNSUITABLE = 328,
    MCIERR_FILE_WRITE = 349,
};

// The text for `code`; empty for a code this layer does not know.
QString ErrorText(int code);

} // namespace platform::mci
