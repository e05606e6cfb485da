#include "cli/recording-command.h"

#include "player/recording/WAVToMP3.h"
#include "player/recording/cWavReader.h"
#include "player/recording/encoder-library.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace cli {

namespace {

int WavInfo(const ParsedCommand &command) {
    cWavReader reader;
    reader.setReadBufferSize(1);
    reader.setFilename(command.positional[0]);
    const cWavReader::WaveFormat &format = reader.Format();
    QString text =
        QStringLiteral("format tag: %1\nchannels: %2\nbits per sample: %3\nsample rate: %4 Hz\nframes: %5\n")
            .arg(format.formatTag)
            .arg(format.channels)
            .arg(format.bitsPerSample)
            .arg(format.samplesPerSec)
            .arg(reader.AudioLength());
    if (format.samplesPerSec > 0)
        text += QStringLiteral("duration: %1 s\n")
                    .arg(static_cast<double>(reader.AudioLength()) / format.samplesPerSec, 0, 'f', 3);
    WriteOut(text);
    return kExitOk;
}

// The encoder library: --encoder PATH, else Tunelark.dll beside this tool (as in the program folder).
QString EncoderPath(const QString &option) {
    return option.isEmpty() ? recording::EncoderLibraryPath(QCoreApplication::applicationDirPath())
                            : QFileInfo(option).absoluteFilePath();
}

int Encode(const ParsedCommand &command) {
    const QFileInfo wave(command.positional[0]);
    const QFileInfo mp3(command.positional[1]);
    // The conversion would report a missing file as "No Wave File Open"; say what wav info says.
    if (!wave.isFile())
        throw BadInput(QStringLiteral("Unable to open file."));
    if (wave.absoluteFilePath() == mp3.absoluteFilePath() ||
        (mp3.exists() && wave.canonicalFilePath() == mp3.canonicalFilePath()))
        throw BadInput(QStringLiteral("the MP3 file must not be the WAVE file"));
    QStringList messages;
    bool progressShown = false;
    const recording::ConversionFeedback feedback{
        [&progressShown](int percent) {
            WriteErr(u'\r' + recording::SaveProgressText(percent));
            progressShown = true;
        },
        [&messages](const QString &text) {
            messages << (text.isEmpty() ? QStringLiteral("the encoder library reported an unknown error")
                                        : text);
        }};
    WAVToMP3 converter(EncoderPath(command.value), feedback);
    const QString failure = converter.CreateWAVtoMP3(wave.absoluteFilePath(), mp3.absoluteFilePath(), false);
    if (progressShown)
        WriteErr(QStringLiteral("\n"));
    if (failure == cLameEncoder::kLibraryNotStarted)
        throw BadInput(messages.join(QStringLiteral("; ")));
    if (!failure.isEmpty())
        throw BadInput(failure);
    for (const QString &message : messages)
        WriteErr(QStringLiteral("%1: warning: %2\n").arg(kToolName, OnOneLine(message)));
    return kExitOk;
}

} // namespace

CommandGroup WavCommands() {
    return CommandGroup{
        QStringLiteral("wav"),
        QStringLiteral("Describe WAVE files as the recorder reads them."),
        {
            {QStringLiteral("info"), QStringLiteral("FILE"),
             QStringLiteral("Print the format, frames and duration of a WAVE file."),
             QStringLiteral(
                 "Prints the format of the WAVE FILE (format tag, channels, bits per sample, sample\n"
                 "rate), its number of sample frames and its duration in seconds, one \"name: value\"\n"
                 "per line. Only 16-bit stereo files are taken, as the recorder writes them; for\n"
                 "any other file the reader's error is printed and the exit status is 1.\n"),
             1, QString(), WavInfo},
        }};
}

CommandGroup EncodeCommand() {
    return CommandGroup{
        QStringLiteral("encode"),
        QStringLiteral("Convert a 16-bit stereo WAVE file to MP3 as the player converts recordings."),
        {
            {QString(), QStringLiteral("WAV MP3 [--encoder PATH]"), QStringLiteral("Convert WAV to MP3."),
             QStringLiteral(
                 "Converts the 16-bit stereo WAVE file WAV into the MP3 file MP3 (replaced when it\n"
                 "exists) with the player's own settings: constant 160 kbit/s (at most 64 kbit/s at\n"
                 "11025 and 12000 Hz), the WAVE's sample rate, and an Info tag that gives players the\n"
                 "exact duration. The progress goes to stderr. The WAVE file is never changed.\n"
                 "The encoder library is Tunelark.dll beside this tool, or the file given with\n"
                 "--encoder PATH. On failure no new MP3 file is left and the exit status is 1.\n"),
             2, QStringLiteral("encoder"), Encode, true},
        }};
}

} // namespace cli
