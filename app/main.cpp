#include "audioengine.h"
#include "clockedrandom.h"
#include "controlhost.h"
#include "frmmain.h"
#include "noteoutput.h"
#include "qtdesktop.h"
#include "settingsstore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    staverly::AudioEngine audio;
    staverly::QtDesktop desktop(audio);
    staverly::ClockedRandom random;
    staverly::NullNoteOutput midiOut;
    staverly::SettingsStore settings;
    staverly::host::ControlHost controls;
    staverly::frmMain window({desktop, random, midiOut, settings, controls,
                              QCoreApplication::applicationDirPath()});
    window.show();
    window.Form_Load();
    return app.exec();
}
