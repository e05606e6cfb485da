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
    case MCIERR_HARDWARE:
        return QStringLiteral("The sound server cannot be reached or stopped recording. Make sure PulseAudio "
                              "(or PipeWire) is running, then try again.");
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
    case MCIERR_BAD_INTEGER:
        return QStringLiteral("The command needs a whole number where it has none.");
    case MCIERR_MISSING_PARAMETER:
        return QStringLiteral("The command lacks the item it should act on.");
    case MCIERR_UNSUPPORTED_FUNCTION:
        return QStringLiteral("The device cannot carry out this command.");
    case MCIERR_OUTOFRANGE:
        return QStringLiteral("A value of the command is outside the range the device accepts.");
    case MCIERR_FILE_NOT_SAVED:
        return QStringLiteral(
            "The recording could not be saved: the folder is missing, not writable or full.");
    case MCIERR_BAD_TIME_FORMAT:
        return QStringLiteral("The time format is not one of milliseconds, bytes or samples.");
    case MCIERR_NONAPPLICABLE_FUNCTION:
        return QStringLiteral("The command cannot be carried out while the device is recording or holds a "
                              "recording.");
    case MCIERR_FILENAME_REQUIRED:
        return QStringLiteral("The command must name a file.");
    case MCIERR_WAVE_INPUTSUNSUITABLE:
        return QStringLiteral(
            "The recording source cannot record in this format, or there is no such source.");
    case MCIERR_FILE_WRITE:
        return QStringLiteral("The recording could not be written to disk (is it full?). What was recorded "
                              "until then is kept.");
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
