#pragma once
// A request from outside to end the program (Ctrl+C in its terminal, SIGTERM from `kill`, `timeout` or
// a logout, SIGHUP when its terminal closes) arrives as a Qt signal, so the program can finish its files
// before it ends. A second request ends the program at once, as without the watcher. A request the
// program was started to ignore (SIGHUP under nohup) stays ignored.
//
// Threads: the system's signal handler only writes a byte into a pipe; the watcher reads it and emits
// stopRequested on the thread that made it, in that thread's event loop. One watcher at a time.

#include <QObject>

class QSocketNotifier;

namespace platform::process {

class StopRequests : public QObject {
    Q_OBJECT
public:
    explicit StopRequests(QObject *parent = nullptr);
    // Gives the signals back their handling from before.
    ~StopRequests() override;

signals:
    // `signalNumber`: SIGINT, SIGTERM or SIGHUP.
    void stopRequested(int signalNumber);

private:
    void readRequests();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace platform::process
