#pragma once
// The enlarged video view: a window of its own with its own media player control, opened modally from
// the View menu at 200% or full screen.

#include <QDialog>
#include <QString>

namespace platform::media {
class MediaPlayerControl;
}

class FrmBig : public QDialog {
    Q_OBJECT
public:
    explicit FrmBig(QWidget *parent = nullptr);

    // "200" keeps the designed size; "FULL" maximises at every activation.
    static QString ViewMode;

    platform::media::MediaPlayerControl *WM;

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
