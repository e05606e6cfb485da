#include "platform/mci/mci.h"

#include "platform/mci/mci-command.h"
#include "platform/mci/mci-errors.h"
#include "platform/mci/mpegvideo-device.h"
#include "platform/mci/waveaudio-device.h"

#include <QHash>
#include <functional>
#include <map>
#include <memory>

namespace platform::mci {

namespace {

using DeviceFactory = std::function<std::unique_ptr<MciDevice>()>;

// The device types "open … type NAME" can create.
const QHash<QString, DeviceFactory> &DeviceTypes() {
    static const QHash<QString, DeviceFactory> types = {
        {QStringLiteral("mpegvideo"), [] { return std::make_unique<MpegVideoDevice>(); }},
        {QStringLiteral("waveaudio"), [] { return std::make_unique<WaveAudioDevice>(); }},
    };
    return types;
}

// Open devices by alias in lower case (aliases match without regard to case).
std::map<QString, std::unique_ptr<MciDevice>> &OpenDevices() {
    static std::map<QString, std::unique_ptr<MciDevice>> devices;
    return devices;
}

int Open(const Command &command) {
    OpenArguments open;
    if (const int error = ParseOpenArguments(command, &open))
        return error;
    if (open.type.isEmpty())
        return MCIERR_DEVICE_TYPE_REQUIRED;
    const auto type = DeviceTypes().constFind(open.type);
    if (type == DeviceTypes().constEnd())
        return MCIERR_INVALID_DEVICE_NAME;
    const QString alias = open.alias.toLower();
    if (alias == QLatin1String("all"))
        return MCIERR_INVALID_DEVICE_NAME;
    if (OpenDevices().count(alias) != 0)
        return MCIERR_DUPLICATE_ALIAS;
    std::unique_ptr<MciDevice> device = (*type)();
    if (const int error = device->open(command.device))
        return error;
    OpenDevices().emplace(alias, std::move(device));
    return MMSYSERR_NOERROR;
}

int Close(const Command &command) {
    if (!command.arguments.isEmpty())
        return MCIERR_UNRECOGNIZED_KEYWORD;
    const QString alias = command.device.toLower();
    if (alias == QLatin1String("all")) {
        OpenDevices().clear();
        return MMSYSERR_NOERROR;
    }
    return OpenDevices().erase(alias) == 1 ? MMSYSERR_NOERROR : MCIERR_INVALID_DEVICE_NAME;
}

} // namespace

int mciSendString(const QString &text, QString *answer) {
    Command command;
    if (const int error = ParseCommand(text, &command))
        return error;
    if (command.verb == QLatin1String("open"))
        return Open(command);
    if (command.verb == QLatin1String("close"))
        return Close(command);
    const auto device = OpenDevices().find(command.device.toLower());
    if (device == OpenDevices().end())
        return MCIERR_INVALID_DEVICE_NAME;
    return device->second->command(command, answer);
}

QString mciGetErrorString(int code) { return ErrorText(code); }

void SetWaveAudioSource(const QString &source) { WaveAudioDevice::setSource(source); }

} // namespace platform::mci
