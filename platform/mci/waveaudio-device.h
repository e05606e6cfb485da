#pragma once
// The "waveaudio" device: records the sound card (a PulseAudio source; by default the monitor of
// the default output, so what plays is what is recorded) into a WAVE file.
//
//   open new type waveaudio alias A     a new, empty recording
//   set A time format ms|bytes|samples, format tag pcm, channels N, samplespersec N,
//         bitspersample N, alignment N, bytespersec N   (several items may follow one another)
//   record A                            records, appending, until stop
//   status A length|position|mode|channels|bitspersample|samplespersec|bytespersec|alignment|
//            format tag|time format|ready
//   stop A                              ends recording; reports a disk or sound-server failure
//   save A PATH                         the rest of the line is the path, blanks included
//   info A file                         the file the PCM is in: the capture file while recording
//                                       (header space first, kWaveHeaderSize bytes), the saved file
//                                       after a save that moved it, empty before the first record
//
// While recording, the PCM goes straight to a capture file in the user's cache folder; "save"
// writes the canonical 44-byte header into it and moves it to PATH (or copies it there when PATH is
// on another file system). Recording ends by itself before the PCM would pass what a WAVE file can
// hold; "status A mode" then answers "stopped". A recording whose last save failed is not deleted
// when the device closes: it stays in the cache folder, unlocked, where the start-up recovery keeps it.
//
// Threads: commands run on the caller's thread; PulseCapture writes on libpulse's thread.

#include "platform/mci/mci-device.h"
#include "platform/mci/pulse-capture.h"
#include "platform/mci/wave-format.h"

#include <memory>

namespace platform::mci {

class WaveAudioDevice : public MciDevice {
public:
    WaveAudioDevice() = default;
    // Stops recording and deletes the capture file unless it was saved or its save failed.
    ~WaveAudioDevice() override;

    // Only "new": MCIERR_UNSUPPORTED_FUNCTION for anything else.
    int open(const QString &element) override;
    int command(const Command &command, QString *answer) override;

    // The PulseAudio source of later recordings; empty text: "@DEFAULT_MONITOR@".
    static void setSource(const QString &source);

private:
    enum class TimeFormat { Milliseconds, Bytes, Samples };

    int set(const QStringList &items);
    int setFormatItem(const QString &item, const QString &value);
    int record(const QStringList &arguments);
    int stop();
    // Ends the capture (also one that ended by itself) and keeps its length and failure.
    void endCapture();
    int status(const QStringList &items, QString *answer) const;
    int save(QString path);
    int info(const QStringList &items, QString *answer) const;
    int createCaptureFile();
    int saveEmpty(const QString &path) const;
    void closeCaptureFile();
    std::int64_t recordedBytes() const;
    bool isRecording() const { return m_capture && m_capture->running(); }

    WaveFormat m_format;
    int m_alignment = 0; // as set; 0 when never set
    TimeFormat m_timeFormat = TimeFormat::Milliseconds;
    std::unique_ptr<PulseCapture> m_capture;
    int m_fd = -1;              // the capture file, header space first, then the PCM
    QString m_capturePath;      // where it is now
    bool m_ownsCapture = false; // false once it was moved to a saved path
    bool m_saveFailed = false;  // the last save of recorded sound failed: closing keeps the capture
    std::int64_t m_bytes = 0;   // PCM bytes while not recording
    int m_pendingFailure = 0;   // what the next "stop" reports
};

} // namespace platform::mci
