// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program on a JACK server of the test's own, which the test
// crashes and starts again, and whose keyboard comes and goes, under it.
#include "mainwindowfixture.h"

#include "jackxrunwatch.h"
#include "midiinput.h"
#include "privatejackserver.h"
#include "rtmidibackend.h"
#include "testmidiport.h"
#include "waitfor.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <iostream>

using namespace staverly;
using test::MainWindowFixture;
using Bytes = TestMidiPort::Bytes;

namespace {

// Devices reconnect on the window's own look about once a second.
constexpr int Reconnect = 5000;

class JackReconnect : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        if (!PrivateJackServer::available()) {
            if (qgetenv("CI") == "true")
                FAIL() << "jackd is not installed; scripts/setup installs it.";
            GTEST_SKIP() << "jackd is not installed (package jackd2)";
        }
        // Periods of 1024 frames (21 ms): a busy machine makes the dummy
        // driver lose cycles, and their MIDI, far less often than at 64.
        server = std::make_unique<PrivateJackServer>(48000, 1024);
        ASSERT_TRUE(server->start()) << server->error().toStdString();
        port = std::make_unique<TestMidiPort>(QStringLiteral("Pupil"));
        midiBackend = std::make_shared<RtMidiBackend>(QStringLiteral("StaverlyTest"));
        store(keys::StartUp, "False");
        store(keys::UseMidi, "True");
        store(keys::PatchIndex, "40");
        store(keys::DeviceInName, port->keysName());
        store(keys::DeviceOutName, port->sinkName());
    }

    void TearDown() override
    {
        MainWindowFixture::TearDown();
        port.reset();
        server.reset();
    }

    bool received(const Bytes &bytes) const
    {
        const auto all = port->received();
        return std::find(all.begin(), all.end(), bytes) != all.end();
    }

    // Whether the keyboard is heard through the program at the sink: a
    // controller goes through and answers nothing. A busy dummy server may
    // drop one in an overrun, so it is played again until one arrives.
    bool heardThrough(int timeoutMs = 10000)
    {
        return waitFor(
            [this] {
                if (received({0xB0, 7, 100}))
                    return true;
                port->play({0xB0, 7, 100});
                QTest::qWait(50);
                return false;
            },
            timeoutMs);
    }

    // The right key, played again only if the server reports that it lost
    // a cycle meanwhile: a note lost that way never reached the program.
    void answerFromTheKeyboard()
    {
        const int yes = w().lesson.YES;
        nextWordIs(0);
        nextNoteIs(w().lesson.PREV_NOTE == 8 ? 9 : 8);
        JackXrunWatch xruns;
        const auto note = std::uint8_t(w().lesson.expectedNote());
        int lost = xruns.count();
        for (int play = 0; play < 3; ++play) {
            port->play({0x90, note, 90});
            if (waitFor([&] { return w().lesson.YES == yes + 1; }, 5000) || xruns.count() == lost)
                break;
            lost = xruns.count();
        }
        ASSERT_EQ(w().lesson.YES, yes + 1) << xruns.count() << " cycles lost by the server";
    }

    // The keyboard comes back: both ends are found again by name, it is
    // heard through the program and answers, with no box on the way.
    void keyboardIsBack()
    {
        port = std::make_unique<TestMidiPort>(QStringLiteral("Pupil"));
        EXPECT_TRUE(waitFor([this] { return !w().noticeLbl->isVisible(); }, Reconnect))
            << w().noticeLbl->toolTip().toStdString();
        EXPECT_TRUE(heardThrough());
        answerFromTheKeyboard();
        EXPECT_TRUE(desktop.boxes.empty());
    }

    // The test's keyboard and sink ports belonged to a server that died:
    // libjack has let go of them, so they are left alone, never closed.
    void forgetThePortsOfTheDeadServer() { (void)port.release(); }

    std::unique_ptr<PrivateJackServer> server;
    std::unique_ptr<TestMidiPort> port;
};

TEST_F(JackReconnect, AServerThatCrashesAndComesBackIsUsedAgainByName)
{
    start();
    ASSERT_TRUE(desktop.boxes.empty()) << desktop.boxes.front().text.toStdString();
    ASSERT_TRUE(heardThrough());
    nextNoteIs(8);
    clickNew();
    answerFromTheKeyboard();

    server->kill();
    forgetThePortsOfTheDeadServer();
    EXPECT_TRUE(waitFor([this] { return w().noticeLbl->isVisible(); }, 3000));
    // The lesson goes on meanwhile, on the on-screen keys.
    nextWordIs(0);
    nextNoteIs(w().lesson.PREV_NOTE == 8 ? 9 : 8);
    clickKey(keyOfAnswer());
    EXPECT_EQ(w().lesson.YES, 2);

    ASSERT_TRUE(server->start()) << server->error().toStdString();
    keyboardIsBack();
}

TEST_F(JackReconnect, AKeyboardThatGoesAndComesBackIsUsedAgain)
{
    start();
    nextNoteIs(8);
    clickNew();
    answerFromTheKeyboard();

    port.reset(); // the keyboard's program quits: its ports go
    EXPECT_TRUE(waitFor([this] { return w().noticeLbl->isVisible(); }, 3000));
    EXPECT_TRUE(w().noticeLbl->toolTip().contains("is not connected"));

    keyboardIsBack();
}

TEST_F(JackReconnect, MalformedInputWithThroughOnIsNeitherPlayedNorAnswered)
{
    start();
    ASSERT_TRUE(heardThrough());
    // A cycle the server loses takes its messages with it; only then may
    // something played or sent not arrive.
    JackXrunWatch xruns;
    const auto lostByTheServer = [&, before = xruns.count()] { return xruns.count() > before; };
    nextNoteIs(8);
    clickNew();
    // The question's note on and off.
    ASSERT_TRUE(waitFor([this] { return received({0x90, 60, 0}); }, 10000) || lostByTheServer());
    port->clear();
    port->play({0x3C, 0x00}); // running status without its status byte
    port->play({0x90, 60});   // a note cut short
    port->play({0x90, 64, 80}); // and a whole one, which goes through
    EXPECT_TRUE(waitFor([&] { return received({0x90, 64, 80}); }, 10000) || lostByTheServer());
    EXPECT_TRUE(waitFor([&] { return w().MIDIInput1->malformedCount() == 2; }, 10000) || lostByTheServer());
    // Only the whole note answers: too high.
    EXPECT_TRUE(waitFor([&] { return w().lesson.NO == 1; }, 10000) || lostByTheServer());
    EXPECT_LE(w().lesson.TRYS, 1);
    for (const Bytes &bytes : port->received())
        EXPECT_EQ(bytes, (Bytes{0x90, 64, 80})) << "went through besides the whole note";
    EXPECT_TRUE(desktop.boxes.empty());
    if (lostByTheServer())
        std::cout << "[ xruns    ] the server lost " << xruns.count() << " cycles meanwhile\n";
}

TEST_F(JackReconnect, AStalePositionLeavesTheKeyboardToBeChosen)
{
    settings.write(keys::DeviceInName, QString());
    store(keys::DeviceIn, "7");
    start();
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_TRUE(w().noticeLbl->isVisible());
    desktop.onModal("midiFrm", [this](QDialog &dialog) {
        auto *inCbo = dialog.findChild<QComboBox *>("inCbo");
        EXPECT_TRUE(dialog.findChild<QGroupBox *>("midiFrame")->isEnabled());
        EXPECT_EQ(inCbo->currentIndex(), -1);
        const int at = inCbo->findText(port->keysName());
        ASSERT_GE(at, 0);
        inCbo->setCurrentIndex(at);
        emit inCbo->activated(at);
        QTest::mouseClick(dialog.findChild<QPushButton *>("okCmd"), Qt::LeftButton);
    });
    w().midiItem->trigger();
    EXPECT_FALSE(w().noticeLbl->isVisible());
    // As the window manager does once the dialog is gone.
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    nextNoteIs(8);
    clickNew();
    answerFromTheKeyboard();
}

} // namespace
