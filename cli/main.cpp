// tunelark-cli: command groups for users and scripts, "tunelark-cli GROUP SUBCOMMAND ARGUMENTS…".

#include "cli/command-line.h"
#include "cli/news-command.h"
#include "cli/recording-command.h"
#include "cli/rip-command.h"
#include "cli/skin-command.h"
#include "cli/stations-command.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

QString ToolHelp(const QList<cli::CommandGroup> &groups) {
    QString text = QStringLiteral("Usage: %1 GROUP SUBCOMMAND [ARGUMENTS]\n\nGroups:\n").arg(cli::kToolName);
    for (const cli::CommandGroup &group : groups)
        text += QStringLiteral("  %1  %2\n").arg(group.name, group.summary);
    text += QStringLiteral("\nRun '%1 GROUP --help' for its subcommands.\n").arg(cli::kToolName);
    return text;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    // One entry per command group; each group lives in its own *-command.cpp.
    const QList<cli::CommandGroup> groups = {
        cli::StationsCommands(), cli::WavCommands(),  cli::EncodeCommand(),
        cli::NewsCommands(),     cli::SkinCommands(), cli::RipCommand(),
    };

    const QStringList arguments = application.arguments().mid(1);
    if (arguments.isEmpty()) {
        cli::WriteErr(ToolHelp(groups));
        return cli::kExitUsage;
    }
    if (cli::IsHelpRequest(arguments.first())) {
        cli::WriteOut(ToolHelp(groups));
        return cli::kExitOk;
    }
    const auto group = std::find_if(groups.cbegin(), groups.cend(), [&arguments](const cli::CommandGroup &g) {
        return g.name == arguments.first();
    });
    if (group == groups.cend()) {
        cli::WriteErr(QStringLiteral("%1: unknown group '%2'.\n\n").arg(cli::kToolName, arguments.first()) +
                      ToolHelp(groups));
        return cli::kExitUsage;
    }
    return cli::RunGroup(*group, arguments.mid(1));
}
