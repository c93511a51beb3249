#include "audioengine.h"
#include "frmmain.h"
#include "qtdesktop.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    staverly::AudioEngine audio;
    staverly::QtDesktop desktop(audio);
    staverly::frmMain window(desktop);
    window.show();
    return app.exec();
}
