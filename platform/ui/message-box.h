#pragma once
// The ui layer: every message box of both programs and the end of a program go through here, so
// tests can replace them with a recorder that answers and records each box.

#include <QString>
#include <functional>

namespace ui {

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { OkOnly, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct BoxRequest {
    QString text; // lines joined with "\r\n", shown as line breaks
    Icon icon = Icon::None;
    Buttons buttons = Buttons::OkOnly;
    QString title;
};

// Shows a modal box and returns the button pressed.
Answer MessageBox(const QString &text, Icon icon, Buttons buttons, const QString &title);

// Ends the program at once with the given exit code.
void EndProgram(int exitCode = 0);

// Replaces what MessageBox and EndProgram do (tests). An empty function restores the real behaviour.
using BoxHandler = std::function<Answer(const BoxRequest &)>;
using EndHandler = std::function<void(int exitCode)>;
void InstallMessageBoxHandler(BoxHandler handler);
void InstallEndProgramHandler(EndHandler handler);

// When the environment variable TUNELARK_MESSAGE_LOG names a file, every box is appended to it as one
// line (icon, buttons, title and text with CR LF shown as "\n", TAB-separated) and answered at once
// with TUNELARK_MESSAGE_ANSWER ("Ok", "Cancel", "Yes", "No", "Retry"; the first button by default).
// Lets tests drive the real programs without a dialog ever blocking. Called once by each program.
void InstallRecorderFromEnvironment();

} // namespace ui
