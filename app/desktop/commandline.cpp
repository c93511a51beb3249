// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "programlayout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace staverly {

std::optional<QString> CommandLine::answer(const QStringList &arguments, const ProgramLayout &layout,
                                           const QString &settingsFile)
{
    QCommandLineParser parser;
    // Qt's -reverse would otherwise read as -r -e -v ... and ask for the version.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Where a school's administrator looks for the pupils' files.
    parser.setApplicationDescription(
        tr("Staverly teaches pupils to read notes on the staff and to find them on a "
           "piano keyboard.\n\n"
           "Pictures and help:          %1\n"
           "Player list and grade log:  %2\n"
           "Settings:                   %3")
            .arg(QDir::toNativeSeparators(layout.programFolder()),
                 QDir::toNativeSeparators(layout.dataFolder()), QDir::toNativeSeparators(settingsFile)));
    // Qt's own help option would offer a --help-all that this parser cannot answer.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  tr("Displays this help and exits."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // Unknown options are Qt's or nobody's: both start the program.
    parser.parse(arguments);
    if (parser.isSet(help))
        return parser.helpText();
    if (parser.isSet(version))
        return QStringLiteral("Staverly %1\n").arg(QCoreApplication::applicationVersion());
    return std::nullopt;
}

} // namespace staverly
