// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchscene.h"

#include "nullmidibackend.h"
#include "settingkeys.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTest>

namespace staverly::bench {

BenchScene::BenchScene()
    : midiBackend(std::make_shared<NullMidiBackend>())
    , settings([] { return QStringLiteral("staverly"); })
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    settings.write(keys::StartUp, QStringLiteral("False"));
    QFile::link(QCoreApplication::applicationDirPath() + QStringLiteral("/images"),
                folder.filePath(QStringLiteral("images")));
}

frmMain &BenchScene::shownWindow(host::ControlHost &controls)
{
    window = std::make_unique<frmMain>(
        frmMain::Services{desktop, random, settings, controls, folder.path(), folder.path(), midiBackend, synth});
    window->show();
    window->Form_Load();
    // Offscreen a window may never report itself exposed; the timing goes on.
    (void)QTest::qWaitForWindowExposed(window.get());
    return *window;
}

} // namespace staverly::bench
