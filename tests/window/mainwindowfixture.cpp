// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "pianokey.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTest>

namespace staverly::test {

void MainWindowFixture::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    programFolder = folder.path();
    dataFolder = folder.path();
    // The staff pictures of the build, seen from the test's program folder.
    QFile::link(QCoreApplication::applicationDirPath() + QStringLiteral("/images"),
                folder.filePath(QStringLiteral("images")));
}

void MainWindowFixture::TearDown()
{
    window.reset();
}

void MainWindowFixture::store(const SettingKey &key, const QString &text)
{
    settings.write(key, text);
}

QString MainWindowFixture::stored(const SettingKey &key) const
{
    return settings.read(QLatin1String(key.section), QLatin1String(key.key), QStringLiteral("<none>"));
}

QStringList MainWindowFixture::storedKeys() const
{
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("staverly"),
                  QStringLiteral("staverly"));
    return raw.allKeys();
}

void MainWindowFixture::start(bool okSetup)
{
    desktop.onModal(QStringLiteral("setupFrm"), [okSetup](QDialog &dialog) {
        if (okSetup)
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("okCmd")),
                              Qt::LeftButton);
    });
    window = std::make_unique<frmMain>(
        frmMain::Services{desktop, random, settings, controls, programFolder, dataFolder, midiBackend, defaultOutput,
                          nullptr, capture});
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->Form_Load();
    // Unused when Lesson Setup is off at start; a test's own handler comes next.
    desktop.forgetModal(QStringLiteral("setupFrm"));
}

void MainWindowFixture::clickKey(int index)
{
    QTest::mouseClick(w().pianoKey[std::size_t(index)], Qt::LeftButton);
}

void MainWindowFixture::typeText(const QString &text)
{
    for (const QChar ch : text)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                        ch.toLatin1());
}

void MainWindowFixture::clickNew()
{
    QTest::mouseClick(w().newCmd, Qt::LeftButton);
}

void MainWindowFixture::nextNoteIs(int white)
{
    random.pick(white - w().lesson.LOW_NOTE, w().lesson.HIGH_NOTE - w().lesson.LOW_NOTE + 1);
}

int MainWindowFixture::keyOfAnswer() const
{
    return NoteModel::midiToKey(window->lesson.expectedNote(), window->lesson.CLEFF);
}

QString MainWindowFixture::programFile(const QString &name) const
{
    return folder.filePath(name);
}

QByteArray MainWindowFixture::readProgramFile(const QString &name) const
{
    QFile file(programFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace staverly::test
