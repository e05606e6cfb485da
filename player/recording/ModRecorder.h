#pragma once
// ModRecorder: records the sound card into the temporary WAVE file of a recording through the
// "waveaudio" device of the multimedia command layer, showing a running estimate of the MP3's size,
// and corrects the saved file's header.
//
// Threads: the GUI thread only. StartRecording runs a wait loop that dispatches every event, so the
// stop action (and any other click) runs inside it; IsRecording is the signal between them.

#include "platform/mci/wave-format.h"

#include <QString>
#include <cstdint>
#include <functional>

class QLabel;

namespace ModRecorder {

// "Recorded_" + date and time; the base name of the recording's files.
extern QString RecordFileName;
// True while StartRecording waits; the stop action clears it.
extern bool IsRecording;
// Channels × bits per sample / 8 × samples per second of the recording.
extern std::int32_t RecordBytesPerSec;
// The folder of the recording's files, set by the workflow before StartRecording.
extern QString RecordingFolder;
// Where the size estimate shows.
extern QLabel *StatusLabel;
// Runs inside the wait loop when the device ended the recording by itself (the WAVE size limit, a
// full disk, the sound server gone), so it can be saved like any other. `reason` is the text to
// tell the listener, or empty when the device's own error (shown by StopRecording) says it.
extern std::function<void(const QString &reason)> StoppedByItself;
// Runs once the device records, before the wait loop, with the file the sound goes to as it arrives
// (its PCM after platform::mci::kWaveHeaderSize bytes) and the recording's format.
extern std::function<void(const QString &capturePath, const platform::mci::WaveFormat &format)>
    CaptureStarted;

// The temporary WAVE file: RecordingFolder/RecordFileName.tmp.
QString TemporaryWavePath();

// Opens and configures the device (each refused command shows the device's error text in a box
// titled by its step, and the sequence goes on), records, and returns only once IsRecording is false.
// The arguments are decimal texts; a text that is not a number raises "Type mismatch".
void StartRecording(const QString &channels, const QString &bitsPerSample, const QString &samplesPerSecond);
// What became of a recording when it stopped.
enum class StopOutcome {
    Saved,           // the temporary WAVE file holds it
    NotSaved,        // the save failed; the capture stays in the device's capture folder, unheld
    NothingRecorded, // no sound reached the device (it never recorded): no file was made
};

// Stops the device, saves the temporary WAVE file (unless nothing was recorded), reads the format
// back, closes the device and corrects the header.
StopOutcome StopRecording();

// Linux has no short names: an existing path comes back trimmed of blanks and otherwise unchanged
// (names are case-sensitive); a missing or blank one as empty text.
QString GetShortPath(const QString &path);

// The size shown for `settingId`'s rate: the MP3's bytes as a whole-number percentage of the 16-bit
// stereo WAVE data, at the bit rate the MP3 really gets (0 for an unknown index).
int SizeFactor(int settingId);
// "Recording..... [File Size : 1.10 MB]" for `recordedBytes` of WAVE data at `settingId`.
QString RecordingStatusText(double recordedBytes, int settingId);

// One pass of the wait loop: asks the device for the recorded length and shows the estimate. A
// failed command ends the wait loop (the device records on until the stop action).
void ShowRecordingStatus();
// RecordBytesPerSec from the device's format; failures are ignored.
void ReadRecordingFormat();
// Writes the three low bytes of RecordBytesPerSec into the average-bytes-per-second field of the
// temporary WAVE file; touches only an existing WAVE file.
void FixWaveHeader();

} // namespace ModRecorder
