#include "platform/mci/mci-command.h"

#include "platform/mci/mci-errors.h"

namespace platform::mci {

namespace {

// Command texts longer than this are not commands of ours; paths stay well below it.
constexpr int kMaxCommandLength = 8192;

struct Word {
    QString text;   // without the quotes
    int begin, end; // span in the command text, quotes included
    bool quoted;
};

int Split(const QString &text, QList<Word> *words) {
    int i = 0;
    while (i < text.size()) {
        if (text.at(i).isSpace()) {
            ++i;
            continue;
        }
        if (text.at(i) == QLatin1Char('"')) {
            const int close = text.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0)
                return MCIERR_NO_CLOSING_QUOTE;
            words->append({text.mid(i + 1, close - i - 1), i, close + 1, true});
            i = close + 1;
            continue;
        }
        const int begin = i;
        while (i < text.size() && !text.at(i).isSpace())
            ++i;
        words->append({text.mid(begin, i - begin), begin, i, false});
    }
    return MMSYSERR_NOERROR;
}

bool IsKeyword(const Word &word, const char *keyword) {
    return !word.quoted && word.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

} // namespace

int ParseCommand(const QString &text, Command *command) {
    if (text.size() > kMaxCommandLength)
        return MCIERR_PARAM_OVERFLOW;
    QList<Word> words;
    if (const int error = Split(text, &words))
        return error;
    if (words.isEmpty())
        return MCIERR_MISSING_COMMAND_STRING;
    if (words.size() < 2)
        return MCIERR_MISSING_DEVICE_NAME;
    command->verb = words.at(0).text.toLower();
    int firstArgument = 2;
    if (command->verb == QLatin1String("open")) {
        while (firstArgument < words.size() && !IsKeyword(words.at(firstArgument), "type") &&
               !IsKeyword(words.at(firstArgument), "alias"))
            ++firstArgument;
    }
    const Word &first = words.at(1);
    const Word &last = words.at(firstArgument - 1);
    command->device = firstArgument == 2 ? first.text : text.mid(first.begin, last.end - first.begin);
    command->rest = text.mid(last.end).trimmed();
    command->arguments.clear();
    for (int i = firstArgument; i < words.size(); ++i)
        command->arguments.append(words.at(i).text);
    return MMSYSERR_NOERROR;
}

int ParseOpenArguments(const Command &command, OpenArguments *open) {
    open->type.clear();
    open->alias = command.device;
    const QStringList &arguments = command.arguments;
    for (int i = 0; i < arguments.size(); i += 2) {
        const QString keyword = arguments.at(i).toLower();
        if (keyword != QLatin1String("type") && keyword != QLatin1String("alias"))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        if (i + 1 >= arguments.size())
            return MCIERR_MISSING_STRING_ARGUMENT;
        if (keyword == QLatin1String("type"))
            open->type = arguments.at(i + 1).toLower();
        else
            open->alias = arguments.at(i + 1);
    }
    // A device opened under an empty name ("open \"\"", "alias \"\"") could never be named again.
    if (open->alias.isEmpty())
        return MCIERR_MISSING_DEVICE_NAME;
    return MMSYSERR_NOERROR;
}

} // namespace platform::mci
