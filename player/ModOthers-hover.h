#pragma once
// Rollover buttons: while the pointer rests on one of the main window's picture buttons, the button
// shows its rollover twin's image and the help line says what it does; leaving brings back the
// button's image and the credit caption. One button at a time is hooked: an event filter takes its
// mouse moves and asks for one hover notice (after 1 ms) and one leave notice.
//
// Threads: the GUI thread only.

#include <QString>

class PictureBox;
class QEvent;
class QObject;

namespace ModOthers {

// Hooks `window` (the button), keeping the help text, the button and its rollover twin. Does not
// check for a hook already in place: callers unhook first.
void HookHover(QObject *window, const QString &helpText, PictureBox *normal, PictureBox *rollover);
// Takes the hook off the hooked button; the hook's state stays as it is.
void UnhookHover();
// The hook on the hooked button: takes its mouse moves (each asks for a hover notice), handles the
// leave notice, and passes every other event on. True when the event is taken.
bool HoverWindowProc(QObject *window, QEvent *event);
// Asks for one hover notice (1 ms from now) and one leave notice for the hooked button.
void TrackHover();
// Undoes the last swap, puts `target`'s picture into the main window's PicTemp and gives `target`
// `source`'s picture.
void SwapPicture(PictureBox *target, PictureBox *source);

// True from a hover notice to the leave notice.
bool Hovering();

} // namespace ModOthers
