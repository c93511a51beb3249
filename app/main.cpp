#include "answerhistory.h"
#include "audioengine.h"
#include "builtinsynth.h"
#include "clockedrandom.h"
#include "controlhost.h"
#include "frmmain.h"
#include "qtdesktop.h"
#include "rtmidibackend.h"
#include "settingsstore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
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
