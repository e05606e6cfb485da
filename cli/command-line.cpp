#include "cli/command-line.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>

namespace cli {

namespace {

void WriteBytes(std::FILE *stream, const QByteArray &bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

QString UsageLine(const CommandGroup &group, const Subcommand &subcommand) {
    QStringList parts{kToolName, group.name, subcommand.name, subcommand.synopsis};
    parts.removeAll(QString());
    return parts.join(u' ');
}

bool IsCommandItself(const CommandGroup &group) {
    return group.subcommands.size() == 1 && group.subcommands.first().name.isEmpty();
}

QString SubcommandHelp(const CommandGroup &group, const Subcommand &subcommand) {
    return QStringLiteral("Usage: %1\n\n%2").arg(UsageLine(group, subcommand), subcommand.details);
}

// Parses a subcommand's arguments; nothing when help was asked for.
std::optional<ParsedCommand> ParseArguments(const QString &usageLine, const Subcommand &subcommand,
                                            const QStringList &arguments) {
    const auto usageError = [&usageLine](const QString &problem) {
        return CliError{kExitUsage, QStringLiteral("%1 Usage: %2").arg(problem, usageLine)};
    };
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    const bool hasValueOption = !subcommand.valueOption.isEmpty();
    if (hasValueOption)
        parser.addOption(QCommandLineOption(subcommand.valueOption, QString(), QStringLiteral("VALUE")));
    for (const QString &option : subcommand.furtherOptions)
        parser.addOption(QCommandLineOption(option, QString(), QStringLiteral("VALUE")));
    if (!parser.parse(QStringList{kToolName} + arguments))
        throw usageError(parser.errorText());
    if (parser.isSet(help))
        return std::nullopt;
    ParsedCommand parsed{parser.positionalArguments(), QString(), {}};
    if (parsed.positional.size() != subcommand.positionalCount)
        throw usageError(QStringLiteral("Expected %1 argument(s), got %2.")
                             .arg(subcommand.positionalCount)
                             .arg(parsed.positional.size()));
    if (hasValueOption) {
        if (!parser.isSet(subcommand.valueOption) && !subcommand.valueOptional)
            throw usageError(QStringLiteral("Option '--%1' is required.").arg(subcommand.valueOption));
        parsed.value = parser.value(subcommand.valueOption);
    }
    for (const QString &option : subcommand.furtherOptions)
        if (parser.isSet(option))
            parsed.options.insert(option, parser.value(option));
    return parsed;
}

int RunSubcommand(const CommandGroup &group, const Subcommand &subcommand, const QStringList &arguments) {
    try {
        const auto parsed = ParseArguments(UsageLine(group, subcommand), subcommand, arguments);
        if (!parsed) {
            WriteOut(SubcommandHelp(group, subcommand));
            return kExitOk;
        }
        return subcommand.run(*parsed);
    } catch (const CliError &error) {
        WriteErr(QStringLiteral("%1: %2\n").arg(kToolName, OnOneLine(error.message)));
        return error.exitCode;
    } catch (const std::exception &error) {
        WriteErr(QStringLiteral("%1: %2\n").arg(kToolName, OnOneLine(QString::fromUtf8(error.what()))));
        return kExitBadInput;
    }
}

} // namespace

void WriteOut(const QString &text) { WriteBytes(stdout, text.toUtf8()); }
void WriteOutBytes(const QByteArray &bytes) { WriteBytes(stdout, bytes); }
void WriteErr(const QString &text) { WriteBytes(stderr, text.toUtf8()); }

bool IsHelpRequest(const QString &argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

QString GroupHelp(const CommandGroup &group) {
    QStringList synopses;
    qsizetype width = 0;
    for (const Subcommand &subcommand : group.subcommands) {
        synopses << subcommand.name + u' ' + subcommand.synopsis;
        width = std::max(width, synopses.last().size());
    }
    QString text = QStringLiteral("Usage: %1 %2 SUBCOMMAND [ARGUMENTS]\n\n%3\n\nSubcommands:\n")
                       .arg(kToolName, group.name, group.summary);
    for (qsizetype i = 0; i < synopses.size(); ++i)
        text +=
            QStringLiteral("  %1  %2\n").arg(synopses[i].leftJustified(width), group.subcommands[i].summary);
    text += QStringLiteral("\nRun '%1 %2 SUBCOMMAND --help' for details.\n"
                           "Exit status: 0 on success, 1 for bad input, 2 for wrong arguments.\n")
                .arg(kToolName, group.name);
    return text;
}

int RunGroup(const CommandGroup &group, const QStringList &arguments) {
    if (IsCommandItself(group))
        return RunSubcommand(group, group.subcommands.first(), arguments);
    if (arguments.isEmpty()) {
        WriteErr(GroupHelp(group));
        return kExitUsage;
    }
    if (IsHelpRequest(arguments.first())) {
        WriteOut(GroupHelp(group));
        return kExitOk;
    }
    const auto subcommand = std::find_if(
        group.subcommands.cbegin(), group.subcommands.cend(),
        [&arguments](const Subcommand &candidate) { return candidate.name == arguments.first(); });
    if (subcommand == group.subcommands.cend()) {
        WriteErr(QStringLiteral("%1: unknown %2 subcommand '%3'.\n\n")
                     .arg(kToolName, group.name, arguments.first()) +
                 GroupHelp(group));
        return kExitUsage;
    }
    return RunSubcommand(group, *subcommand, arguments.mid(1));
}

} // namespace cli
