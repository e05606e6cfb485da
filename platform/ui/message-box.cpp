#include "platform/ui/message-box.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <cstdlib>

namespace ui {

namespace {

BoxHandler &CurrentBoxHandler() {
    static BoxHandler handler;
    return handler;
}

EndHandler &CurrentEndHandler() {
    static EndHandler handler;
    return handler;
}

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons qt;
    Answer first;
};

ButtonSet ToQt(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, Answer::Ok};
    case Buttons::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, Answer::Yes};
    case Buttons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Answer::Yes};
    case Buttons::RetryCancel:
        return {QMessageBox::Retry | QMessageBox::Cancel, Answer::Retry};
    case Buttons::OkOnly:
        break;
    }
    return {QMessageBox::Ok, Answer::Ok};
}

Answer FromQt(int pressed) {
    switch (pressed) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    default:
        return Answer::Ok;
    }
}

const char *const kIconNames[] = {"None", "Critical", "Question", "Exclamation", "Information"};
const char *const kButtonNames[] = {"OkOnly", "OkCancel", "YesNo", "YesNoCancel", "RetryCancel"};
const char *const kAnswerNames[] = {"Ok", "Cancel", "Yes", "No", "Retry"};

Answer AnswerNamed(const QString &name, Answer fallback) {
    for (int i = 0; i < 5; ++i)
        if (name.compare(QLatin1String(kAnswerNames[i]), Qt::CaseInsensitive) == 0)
            return static_cast<Answer>(i);
    return fallback;
}

} // namespace

Answer MessageBox(const QString &text, Icon icon, Buttons buttons, const QString &title) {
    const BoxRequest request{text, icon, buttons, title};
    if (CurrentBoxHandler())
        return CurrentBoxHandler()(request);
    QMessageBox box(ToQt(icon), title, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    ToQt(buttons).qt);
    return FromQt(box.exec());
}

void EndProgram(int exitCode) {
    if (CurrentEndHandler()) {
        CurrentEndHandler()(exitCode);
        return;
    }
    // The system ends at once: no window stays open and nothing more runs.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void InstallMessageBoxHandler(BoxHandler handler) { CurrentBoxHandler() = std::move(handler); }

void InstallEndProgramHandler(EndHandler handler) { CurrentEndHandler() = std::move(handler); }

void InstallRecorderFromEnvironment() {
    const QString logPath = qEnvironmentVariable("TUNELARK_MESSAGE_LOG");
    if (logPath.isEmpty())
        return;
    const QString answer = qEnvironmentVariable("TUNELARK_MESSAGE_ANSWER");
    InstallMessageBoxHandler([logPath, answer](const BoxRequest &request) {
        QFile log(logPath);
        if (log.open(QIODevice::Append)) {
            const QString line =
                QStringList{QLatin1String(kIconNames[int(request.icon)]),
                            QLatin1String(kButtonNames[int(request.buttons)]), request.title,
                            QString(request.text).replace(QLatin1String("\r\n"), QLatin1String("\\n"))}
                    .join(QLatin1Char('\t'));
            log.write(line.toUtf8() + '\n');
        }
        return AnswerNamed(answer, ToQt(request.buttons).first);
    });
}

} // namespace ui
