// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "answerhistory.h"
#include "audiocapture.h"
#include "audioengine.h"
#include "builtinsynth.h"
#include "clockedrandom.h"
#include "commandline.h"
#include "controlhost.h"
#include "frmmain.h"
#include "oldpupilfiles.h"
#include "programlayout.h"
#include "qtdesktop.h"
#include "rtmidibackend.h"
#include "settingkeys.h"
#include "settingsstore.h"
#include "translations.h"
#include "windowzoom.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace staverly {

int Program::run(int argc, char *argv[], const char *version, const char *desktopId)
{
    // --help and --version are answered without a display.
    {
        QCoreApplication console(argc, argv);
        QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
        // As command-line tools do, in the desktop's language.
        Translations translations;
        translations.install(QLocale::system(), ProgramLayout::current().programFolder());
        const auto text = CommandLine::answer(QCoreApplication::arguments(),
                                                        ProgramLayout::current(),
                                                        SettingsStore().fileName());
        if (text) {
            std::fputs(text->toLocal8Bit().constData(), stdout);
            return 0;
        }
    }
    // The settings carry the program's name, as SettingsStore names them.
    const QString name = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName() : QString();
    WindowZoom::apply(WindowZoom::stored(name.isEmpty() ? QStringLiteral("staverly") : name));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
    const ProgramLayout layout = ProgramLayout::current();
    // Before anything makes a text to show.
    Translations translations;
    speak(translations, SettingsStore(), layout.programFolder());
    // An installed program's first start in an account: the data folder is new.
    QDir().mkpath(layout.dataFolder());
    // Before the window makes a new player list of its own.
    const QString moved = layout.kind() == ProgramLayout::Kind::Build
                              ? OldPupilFiles::move(layout.programFolder(), layout.dataFolder())
                              : QString();
    AudioEngine audio;
    QtDesktop desktop(audio);
    if (!moved.isEmpty())
        desktop.messageBox(nullptr, moved, Desktop::Buttons::Ok, Desktop::Icon::Information,
                           OldPupilFiles::title());
    ClockedRandom random;
    SettingsStore settings;
    host::ControlHost controls(layout.controlsFolder());
    frmMain window({desktop, random, settings, controls, layout.programFolder(), layout.dataFolder(),
                    std::make_shared<RtMidiBackend>(), std::make_shared<BuiltinSynth>(&audio),
                    std::make_shared<AnswerHistory>(),
                    [&audio] { return AudioCapture::forDriver(audio.driverName()); }});
    window.show();
    window.Form_Load();
    return app.exec();
}

void Program::speak(Translations &translations, const SettingsStore &settings, const QString &programFolder)
{
    translations.install(Translations::localeFor(settings.read(keys::Language)), programFolder);
}

} // namespace staverly
