#include "frmmain.h"
#include "qtdesktop.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    staverly::QtDesktop desktop;
    staverly::frmMain window(desktop);
    window.show();
    return app.exec();
}
