// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

namespace staverly {

class ProgramLayout;

// What the program answers on its command line without starting, as desktop
// programs do: --help and --version. Anything else is left to Qt, which
// takes its own options (-platform, -style, ...) and ignores the rest.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // The text to print before exiting with 0, or nothing when the program
    // should start.
    static std::optional<QString> answer(const QStringList &arguments, const ProgramLayout &layout,
                                         const QString &settingsFile);
};

} // namespace staverly
