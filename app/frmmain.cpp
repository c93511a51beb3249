#include "frmmain.h"

#include "desktop.h"

namespace staverly {

frmMain::frmMain(Desktop &desktop, QWidget *parent)
    : QMainWindow(parent)
    , m_desktop(desktop)
{
    setWindowTitle(QStringLiteral("Pellworth's Staverly v1.0"));
    resize(640, 480);
}

} // namespace staverly
