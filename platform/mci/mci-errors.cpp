#include "platform/mci/mci-errors.h"

namespace platform::mci {

QString ErrorText(int code) {
    switch (code) {
    case MMSYSERR_NOERROR:
        return QStringLiteral("The command was carried out.");
    case MCIERR_UNRECOGNIZED_KEYWORD:
        return QStringLiteral("The command holds a word the device does not know.");
    case MCIERR_UNRECOGNIZED_COMMAND:
        return QStringLiteral("The device does not know this command.");
    case MCIERR_INVALID_DEVICE_NAME:
        return QStringLiteral("The device is not open, or there is no device of that type.");
    case MCIERR_CANNOT_LOAD_DRIVER:
        return QStringLiteral("The device cannot start: the media engine is missing or broken.");
    case MCIERR_MISSING_COMMAND_STRING:
        return QStringLiteral("No command was given.");
    case MCIERR_PARAM_OVERFLOW:
        return QStringLiteral("The command is too long.");
    case MCIERR_MISSING_STRING_ARGUMENT:
        return QStringLiteral("A word of the command lacks its value.");
    case MCIERR_FILE_NOT_FOUND:
        return QStringLiteral("The file was not found.");
    case MCIERR_DEVICE_TYPE_REQUIRED:
        return QStringLiteral("The command must name the device type.");
    case MCIERR_DUPLICATE_ALIAS:
        return QStringLiteral("The alias is in use by another open device.");
    case MCIERR_MISSING_DEVICE_NAME:
        return QStringLiteral("The command does not name a device.");
    case MCIERR_NO_CLOSING_QUOTE:
        return QStringLiteral("A quotation mark is not closed.");
    }
    return {};
}

} // namespace platform::mci
