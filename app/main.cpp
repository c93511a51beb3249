#include "answerhistory.h"
#include "audioengine.h"
#include "builtinsynth.h"
#include "clockedrandom.h"
#include "controlhost.h"
#include "frmmain.h"
#include "qtdesktop.h"
#include "rtmidibackend.h"
#include "settingsstore.h"
#include "windowzoom.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    // The settings carry the program's name, as SettingsStore names them.
    const QString name = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName() : QString();
    staverly::WindowZoom::apply(staverly::WindowZoom::stored(name.isEmpty() ? QStringLiteral("staverly") : name));
    QApplication app(argc, argv);
    staverly::AudioEngine audio;
    staverly::QtDesktop desktop(audio);
    staverly::ClockedRandom random;
    staverly::SettingsStore settings;
    staverly::host::ControlHost controls;
    staverly::frmMain window({desktop, random, settings, controls,
                              QCoreApplication::applicationDirPath(),
                              std::make_shared<staverly::RtMidiBackend>(),
                              std::make_shared<staverly::BuiltinSynth>(&audio),
                              std::make_shared<staverly::AnswerHistory>()});
    window.show();
    window.Form_Load();
    return app.exec();
}
