#pragma once
// What every command group of the tool shares: exit codes, the error that ends a run, output, and the
// table-driven parsing and help of subcommands.

#include "common/one-line.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace cli {

enum ExitCode { kExitOk = 0, kExitBadInput = 1, kExitUsage = 2 };

inline const QString kToolName = QStringLiteral("tunelark-cli");

// Ends the subcommand with a one-line message on stderr and the given exit code.
struct CliError {
    int exitCode;
    QString message;
};

inline CliError BadInput(const QString &message) { return CliError{kExitBadInput, message}; }

// UTF-8 output; texts carry their own "\n" line ends.
void WriteOut(const QString &text);
void WriteOutBytes(const QByteArray &bytes);
void WriteErr(const QString &text);

// One value on one output line; shared with the station-file checks of the other libraries.
using common::HasControlCharacter;
using common::IsControlCharacter;
using common::OnOneLine;

struct ParsedCommand {
    QStringList positional;
    QString value; // of the subcommand's value option, when it has one (empty when optional and left out)
    QHash<QString, QString> options; // the further options given, by name, with their values
};

struct Subcommand {
    QString name;     // empty for the one command of a group that is a command itself
    QString synopsis; // what follows the name in the usage line, e.g. "FILE NAME URL"
    QString summary;  // one line for the group's help
    QString details;  // the subcommand's own help, wrapped, ending with "\n"
    int positionalCount;
    QString valueOption; // an option with a value ("into" for --into FILE), or empty
    std::function<int(const ParsedCommand &)> run;
    bool valueOptional = false;      // the value option may be left out
    QStringList furtherOptions = {}; // more options with a value, each of which may be left out
};

// A group of subcommands ("stations list FILE"), or a command itself ("encode WAV MP3"): then its only
// subcommand has an empty name and takes the arguments that follow the group's name.
struct CommandGroup {
    QString name;
    QString summary;
    QList<Subcommand> subcommands;
};

// The group's usage and subcommand list.
QString GroupHelp(const CommandGroup &group);

// Runs "GROUP SUBCOMMAND ARGUMENTS…" (or "GROUP ARGUMENTS…" for a group that is a command itself) with
// the arguments that follow the group name: help to stdout, usage errors to stderr, CliError and any
// other exception turned into a one-line message.
int RunGroup(const CommandGroup &group, const QStringList &arguments);

bool IsHelpRequest(const QString &argument);

} // namespace cli
