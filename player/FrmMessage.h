#pragma once
// The recording hint window: a frameless picture that explains how recording works here, with a link
// to the recording control, the support address, "do not show again" and a close button. Dragged by
// its face; Esc or the close button closes it, and closing stores "Message"/"Show".

#include "player/window-drag.h"

#include <QWidget>

class PictureBox;
class QCheckBox;
class QLabel;

class FrmMessage : public QWidget {
    Q_OBJECT
public:
    explicit FrmMessage(QWidget *parent = nullptr);

    // Whether the window shows at start-up: unless "Message"/"Show" is "1".
    static bool ShowAtStartUp();

    PictureBox *PicMessage;
    QCheckBox *ChkShow;
    PictureBox *PicClose;
    QLabel *ImgOpen;
    QLabel *ImgEmail;

    // Starts the desktop's recording control (pavucontrol on its Recording tab), or says how to get it.
    void ImgOpen_Click();
    void ImgEmail_Click();
    void PicClose_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowDrag m_drag;
};
