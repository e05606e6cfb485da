// MCI command texts, one a line, as the command layer reads them for every device ("mpegvideo" takes
// no words of its own), and the "set" and "status" words as a "waveaudio" device reads them. Nothing
// is opened, recorded or saved: no sound server or libVLC is touched.

#include "platform/mci/mci-command.h"
#include "platform/mci/mci-errors.h"
#include "platform/mci/waveaudio-device.h"
#include "tests/fuzz/fuzz-input.h"

using namespace platform::mci;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    WaveAudioDevice device;
    for (const QString &line : QString::fromUtf8(fuzz::InputBytes(data, size)).split(u'\n')) {
        Command command;
        if (ParseCommand(line, &command) != MMSYSERR_NOERROR)
            continue;
        fuzz::Require(command.verb == command.verb.toLower(), "the verb is in lower case");
        if (command.verb == QLatin1String("open")) {
            OpenArguments open;
            if (ParseOpenArguments(command, &open) == MMSYSERR_NOERROR)
                fuzz::Require(open.type == open.type.toLower() && !open.alias.isEmpty(),
                              "an open command has a lower-case type and an alias");
        } else if (command.verb == QLatin1String("set") || command.verb == QLatin1String("status")) {
            QString answer;
            const int error = device.command(command, &answer);
            fuzz::Require(error == MMSYSERR_NOERROR || !ErrorText(error).isEmpty(),
                          "every error has its text");
            fuzz::Require(command.verb == QLatin1String("set") || error != MMSYSERR_NOERROR ||
                              !answer.isEmpty(),
                          "a status that succeeds answers");
        }
    }
    return 0;
}
