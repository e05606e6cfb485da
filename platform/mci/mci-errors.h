#pragma once
// The error codes of the multimedia command layer, numbered as the command interface numbers them,
// and their texts.

#include <QString>

namespace platform::mci {

enum MciError : int {
    MMSYSERR_NOERROR = 0,
    MCIERR_UNRECOGNIZED_KEYWORD = 259,
    MCIERR_UNRECOGNIZED_COMMAND = 261,
    MCIERR_INVALID_DEVICE_NAME = 263,
    MCIERR_CANNOT_LOAD_DRIVER = 266,
    MCIERR_MISSING_COMMAND_STRING = 267,
    MCIERR_PARAM_OVERFLOW = 268,
    MCIERR_MISSING_STRING_ARGUMENT = 269,
    MCIERR_FILE_NOT_FOUND = 275,
    MCIERR_DEVICE_TYPE_REQUIRED = 287,
    MCIERR_DUPLICATE_ALIAS = 289,
    MCIERR_MISSING_DEVICE_NAME = 292,
    MCIERR_NO_CLOSING_QUOTE = 294,
};

// The text for `code`; empty for a code this layer does not know.
QString ErrorText(int code);

} // namespace platform::mci
