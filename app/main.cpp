#include "answerhistory.h"
#include "audioengine.h"
#include "builtinsynth.h"
#include "clockedrandom.h"
#include "commandline.h"
#include "controlhost.h"
#include "frmmain.h"
#include "programlayout.h"
#include "qtdesktop.h"
#include "rtmidibackend.h"
#include "settingsstore.h"
#include "windowzoom.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char *argv[])
{
    // --help and --version are answered without a display.
    {
        QCoreApplication console(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(STAVERLY_VERSION));
        const auto text = staverly::CommandLine::answer(QCoreApplication::arguments(),
                                                        staverly::ProgramLayout::current(),
                                                        staverly::SettingsStore().fileName());
        if (text) {
            std::fputs(text->toLocal8Bit().constData(), stdout);
            return 0;
        }
    }
    // The settings carry the program's name, as SettingsStore names them.
    const QString name = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName() : QString();
    staverly::WindowZoom::apply(staverly::WindowZoom::stored(name.isEmpty() ? QStringLiteral("staverly") : name));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(STAVERLY_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(STAVERLY_APP_ID));
    const staverly::ProgramLayout layout = staverly::ProgramLayout::current();
    // An installed program's first start in an account: the data folder is new.
    QDir().mkpath(layout.dataFolder());
    staverly::AudioEngine audio;
    staverly::QtDesktop desktop(audio);
    staverly::ClockedRandom random;
    staverly::SettingsStore settings;
    staverly::host::ControlHost controls(layout.controlsFolder());
    staverly::frmMain window({desktop, random, settings, controls, layout.programFolder(),
                              layout.dataFolder(), std::make_shared<staverly::RtMidiBackend>(),
                              std::make_shared<staverly::BuiltinSynth>(&audio),
                              std::make_shared<staverly::AnswerHistory>()});
    window.show();
    window.Form_Load();
    return app.exec();
}
