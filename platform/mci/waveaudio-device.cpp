#include "platform/mci/waveaudio-device.h"

#include "platform/mci/capture-file.h"
#include "platform/mci/mci-errors.h"

#include <QFile>
#include <QSaveFile>
#include <QtGlobal>

#include <unistd.h>
#include <utility>

namespace platform::mci {

namespace {

QString &Source() {
    static QString source;
    return source;
}

} // namespace

WaveAudioDevice::~WaveAudioDevice() {
    m_capture.reset();
    closeCaptureFile();
}

void WaveAudioDevice::setSource(const QString &source) { Source() = source.trimmed(); }

int WaveAudioDevice::open(const QString &element) {
    return element.compare(QLatin1String("new"), Qt::CaseInsensitive) == 0 ? MMSYSERR_NOERROR
                                                                           : MCIERR_UNSUPPORTED_FUNCTION;
}

int WaveAudioDevice::command(const Command &command, QString *answer) {
    if (command.verb == QLatin1String("set"))
        return set(command.arguments);
    if (command.verb == QLatin1String("record"))
        return record(command.arguments);
    if (command.verb == QLatin1String("status"))
        return status(command.arguments, answer);
    if (command.verb == QLatin1String("stop"))
        return command.arguments.isEmpty() ? stop() : MCIERR_UNRECOGNIZED_KEYWORD;
    if (command.verb == QLatin1String("save"))
        return save(command.rest);
    if (command.verb == QLatin1String("info"))
        return info(command.arguments, answer);
    return MCIERR_UNRECOGNIZED_COMMAND;
}

int WaveAudioDevice::set(const QStringList &items) {
    if (items.isEmpty())
        return MCIERR_MISSING_PARAMETER;
    for (int i = 0; i < items.size();) {
        QString item = items.at(i).toLower();
        int valueAt = i + 1;
        // "time format" and "format tag" are items of two words.
        if ((item == QLatin1String("time") || item == QLatin1String("format")) && valueAt < items.size())
            item += u' ' + items.at(valueAt++).toLower();
        if (valueAt >= items.size())
            return MCIERR_MISSING_PARAMETER;
        const QString value = items.at(valueAt).toLower();
        if (item == QLatin1String("time format")) {
            if (value == QLatin1String("ms") || value == QLatin1String("milliseconds"))
                m_timeFormat = TimeFormat::Milliseconds;
            else if (value == QLatin1String("bytes"))
                m_timeFormat = TimeFormat::Bytes;
            else if (value == QLatin1String("samples"))
                m_timeFormat = TimeFormat::Samples;
            else
                return MCIERR_BAD_TIME_FORMAT;
        } else if (const int error = setFormatItem(item, value)) {
            return error;
        }
        i = valueAt + 1;
    }
    return MMSYSERR_NOERROR;
}

int WaveAudioDevice::setFormatItem(const QString &item, const QString &value) {
    static const QStringList kItems{"format tag",    "channels",  "samplespersec",
                                    "bitspersample", "alignment", "bytespersec"};
    if (!kItems.contains(item))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    // The PCM already recorded is in the format it has.
    if (m_capture || recordedBytes() > 0)
        return MCIERR_NONAPPLICABLE_FUNCTION;
    if (item == QLatin1String("format tag"))
        return value == QLatin1String("pcm") || value == QLatin1String("1") ? MMSYSERR_NOERROR
                                                                            : MCIERR_OUTOFRANGE;
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (!isNumber)
        return MCIERR_BAD_INTEGER;
    if (item == QLatin1String("channels")) {
        if (!IsRecordableChannelCount(number))
            return MCIERR_OUTOFRANGE;
        m_format.channels = number;
    } else if (item == QLatin1String("samplespersec")) {
        if (!IsRecordableSampleRate(number))
            return MCIERR_OUTOFRANGE;
        m_format.samplesPerSec = number;
    } else if (item == QLatin1String("bitspersample")) {
        if (!IsRecordableSampleSize(number))
            return MCIERR_OUTOFRANGE;
        m_format.bitsPerSample = number;
    } else if (number <= 0) {
        return MCIERR_OUTOFRANGE;
    } else if (item == QLatin1String("alignment")) {
        m_alignment = number;
    }
    // "bytespersec" follows from the others; a given value is accepted and not used.
    return MMSYSERR_NOERROR;
}

int WaveAudioDevice::record(const QStringList &arguments) {
    if (!arguments.isEmpty())
        return MCIERR_UNRECOGNIZED_KEYWORD;
    if (isRecording())
        return MMSYSERR_NOERROR;
    if (m_alignment != 0 && m_alignment != m_format.blockAlign())
        return MCIERR_WAVE_INPUTSUNSUITABLE;
    if (m_capture)
        endCapture();
    // After a save the saved file is the listener's; recording again starts a new recording.
    if (m_fd < 0 || !m_ownsCapture) {
        if (const int error = createCaptureFile())
            return error;
    }
    const std::int64_t limit = MaxWaveDataBytes(m_format);
    if (m_bytes >= limit)
        return MCIERR_OUTOFRANGE;
    if (!WriteCaptureHeader(m_fd, m_format, m_bytes))
        return MCIERR_FILE_WRITE;
    auto capture = std::make_unique<PulseCapture>();
    bool serverUnreachable = false;
    const QString why = capture->start(Source(), m_format, m_fd, m_bytes, limit, &serverUnreachable);
    if (!why.isEmpty()) {
        qWarning("waveaudio: cannot record: %s", qPrintable(why));
        return serverUnreachable ? MCIERR_HARDWARE : MCIERR_WAVE_INPUTSUNSUITABLE;
    }
    m_capture = std::move(capture);
    return MMSYSERR_NOERROR;
}

void WaveAudioDevice::endCapture() {
    m_capture->stop();
    m_bytes = m_capture->bytes();
    switch (m_capture->failure()) {
    case PulseCapture::Failure::FileWrite:
        m_pendingFailure = MCIERR_FILE_WRITE;
        break;
    case PulseCapture::Failure::SoundServer:
        m_pendingFailure = MCIERR_HARDWARE;
        break;
    case PulseCapture::Failure::None:
        break;
    }
    m_capture.reset();
}

int WaveAudioDevice::stop() {
    if (m_capture)
        endCapture();
    return std::exchange(m_pendingFailure, 0);
}

std::int64_t WaveAudioDevice::recordedBytes() const { return m_capture ? m_capture->bytes() : m_bytes; }

int WaveAudioDevice::status(const QStringList &items, QString *answer) const {
    const QString item = items.join(u' ').toLower();
    QString reply;
    if (item.isEmpty())
        return MCIERR_MISSING_PARAMETER;
    if (item == QLatin1String("length") || item == QLatin1String("position")) {
        const std::int64_t bytes = recordedBytes();
        switch (m_timeFormat) {
        case TimeFormat::Bytes:
            reply = QString::number(bytes);
            break;
        case TimeFormat::Samples:
            reply = QString::number(bytes / m_format.blockAlign());
            break;
        case TimeFormat::Milliseconds:
            reply = QString::number(bytes * 1000 / m_format.bytesPerSec());
            break;
        }
    } else if (item == QLatin1String("mode")) {
        reply = isRecording() ? QStringLiteral("recording") : QStringLiteral("stopped");
    } else if (item == QLatin1String("channels")) {
        reply = QString::number(m_format.channels);
    } else if (item == QLatin1String("bitspersample")) {
        reply = QString::number(m_format.bitsPerSample);
    } else if (item == QLatin1String("samplespersec")) {
        reply = QString::number(m_format.samplesPerSec);
    } else if (item == QLatin1String("bytespersec")) {
        reply = QString::number(m_format.bytesPerSec());
    } else if (item == QLatin1String("alignment")) {
        reply = QString::number(m_format.blockAlign());
    } else if (item == QLatin1String("format tag")) {
        reply = QStringLiteral("pcm");
    } else if (item == QLatin1String("time format")) {
        static const char *const kNames[] = {"milliseconds", "bytes", "samples"};
        reply = QLatin1String(kNames[int(m_timeFormat)]);
    } else if (item == QLatin1String("ready")) {
        reply = QStringLiteral("true");
    } else {
        return MCIERR_UNRECOGNIZED_KEYWORD;
    }
    if (answer != nullptr)
        *answer = reply;
    return MMSYSERR_NOERROR;
}

int WaveAudioDevice::info(const QStringList &items, QString *answer) const {
    if (items.isEmpty())
        return MCIERR_MISSING_PARAMETER;
    if (items.join(u' ').toLower() != QLatin1String("file"))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    if (answer != nullptr)
        *answer = m_capturePath;
    return MMSYSERR_NOERROR;
}

int WaveAudioDevice::save(QString path) {
    if (path.size() >= 2 && path.startsWith(u'"') && path.endsWith(u'"'))
        path = path.mid(1, path.size() - 2);
    if (path.isEmpty())
        return MCIERR_FILENAME_REQUIRED;
    if (isRecording())
        return MCIERR_NONAPPLICABLE_FUNCTION;
    if (m_capture)
        endCapture();
    if (m_fd < 0)
        return saveEmpty(path);
    bool moved = false;
    m_saveFailed = !SaveCaptureFile(m_fd, m_capturePath, m_format, m_bytes, path, m_ownsCapture, &moved);
    if (m_saveFailed)
        return MCIERR_FILE_NOT_SAVED;
    if (moved) {
        m_capturePath = path;
        m_ownsCapture = false;
    }
    return MMSYSERR_NOERROR;
}

// Nothing recorded: a WAVE file without sound.
int WaveAudioDevice::saveEmpty(const QString &path) const {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return MCIERR_FILE_NOT_SAVED;
    out.write(CanonicalWaveHeader(m_format, 0));
    return out.commit() ? MMSYSERR_NOERROR : MCIERR_FILE_NOT_SAVED;
}

int WaveAudioDevice::createCaptureFile() {
    closeCaptureFile();
    m_fd = CreateCaptureFile(&m_capturePath);
    if (m_fd < 0)
        return MCIERR_FILE_WRITE;
    m_ownsCapture = true;
    m_bytes = 0;
    return MMSYSERR_NOERROR;
}

void WaveAudioDevice::closeCaptureFile() {
    // Removed while still locked, so that no other copy of the program takes it for an ended one. A
    // recording that could not be saved is left for the recovery of capture files nobody holds.
    if (m_ownsCapture && !m_saveFailed && !m_capturePath.isEmpty())
        QFile::remove(m_capturePath);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_capturePath.clear();
    m_ownsCapture = false;
    m_saveFailed = false;
    m_bytes = 0;
}

} // namespace platform::mci
