#include "answerhistory.h"
#include "audioengine.h"
#include "builtinsynth.h"
#include "clockedrandom.h"
#include "controlhost.h"
#include "frmmain.h"
#include "programlayout.h"
#include "qtdesktop.h"
#include "rtmidibackend.h"
#include "settingsstore.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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
