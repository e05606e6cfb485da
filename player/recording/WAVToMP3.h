#pragma once
// WAVToMP3: one call converts one WAVE file into an MP3 file, the way the recording workflow uses it:
//
//     WAVToMP3 converter(recording::EncoderLibraryPath(programFolder), {showSaveProgress, showErrorBox});
//     const QString failure = converter.CreateWAVtoMP3(wavePath, mp3Path, true);
//
// Threads: runs on the caller's thread and dispatches no events (see cLameEncoder).
//
// A recording encoded while it ran (recording::LiveEncoder) is completed the same way:
//
//     const QString failure = converter.CompleteLiveMP3(live, wavePath, mp3Path, true);

#include "player/recording/cLameEncoder.h"

#include <QString>
#include <functional>

namespace recording {
class LiveEncoder;
}

class WAVToMP3 {
public:
    // The conversion binds the encoder library at `libraryPath` and shows itself through `feedback`.
    WAVToMP3(const QString &libraryPath, recording::ConversionFeedback feedback);

    // Converts `WavFile` into `MP3File` (replacing it) at the quality preset 7. Returns empty text on
    // success; cLameEncoder::kLibraryNotStarted ("lameConvert") when the encoder library is missing,
    // broken or refuses the stream; otherwise the description of the error that stopped the conversion.
    // With `removeWAVFile` the WAVE file is deleted after a successful conversion only: whenever the
    // result is not empty the WAVE file is still there. A failure to delete it is returned as its
    // description although the MP3 file is complete.
    QString CreateWAVtoMP3(const QString &WavFile, const QString &MP3File, bool removeWAVFile);
    // Completes the MP3 that `live` has been making of the recording saved as `WavFile` while it ran,
    // and gives it the name `MP3File` (replacing it) once it is complete and checked; results and the
    // WAVE file's removal as CreateWAVtoMP3. A failure leaves no MP3 file.
    QString CompleteLiveMP3(recording::LiveEncoder &live, const QString &WavFile, const QString &MP3File,
                            bool removeWAVFile);

    // The settings of every recording's MP3, for an encoder that runs elsewhere.
    static void UseRecordingSettings(cLameEncoder &encoder);

private:
    QString ConvertFile(const QString &WavFile, const QString &MP3File);
    QString CompleteFile(recording::LiveEncoder &live, const QString &WavFile, const QString &MP3File);
    // Runs `convert`; with `removeWAVFile`, deletes the WAVE file after a success.
    static QString Converted(const std::function<QString()> &convert, const QString &WavFile,
                             bool removeWAVFile);

    recording::ConversionFeedback m_feedback;
    cLameEncoder m_cEncoder;
};
