#pragma once
// What the media player control's tests share: media files made on the spot by ffmpeg, serving
// them from the test HTTP server, a control reduced to the failures it reports, and the services
// the tests need (scripts/services/).

#include "platform/media/media-player-control.h"
#include "tests/support/http-test-server.h"

#include <QString>
#include <QStringList>

// Runs ffmpeg with `inputs` (input options and codec options) and writes `file`; false on failure.
bool MakeMedia(const QStringList &inputs, const QString &file);

// Serves every file of `folder` as `prefix` + "/" + file name.
void ServeFolder(HttpTestServer &server, const QString &prefix, const QString &folder);

// Empty when PulseAudio (and, with `icecast`, the Icecast stream) of scripts/services/ are set up
// for the test; otherwise a sentence saying what is missing, for the failure it is.
QString MissingServices(bool icecast);

// The address of the test Icecast stream.
QString IcecastUrl();

// Counts the failures a control reports: StatusChange with playState Ready and a longer error
// queue than before.
class FailureCounter : public QObject {
    Q_OBJECT
public:
    explicit FailureCounter(platform::media::MediaPlayerControl &control);
    int failures = 0;
    bool sawPlaying = false;
};
