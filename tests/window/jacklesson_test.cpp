// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "jackrequirement.h"
#include "jackserver.h"
#include "jackxrunwatch.h"
#include "midiinput.h"
#include "midioutput.h"
#include "rtmidibackend.h"
#include "testmidiport.h"
#include "waitfor.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <jack/jack.h>

using namespace staverly;
using test::MainWindowFixture;
using namespace std::chrono_literals;
using Bytes = TestMidiPort::Bytes;

namespace {

// The whole program on a real JACK server: the test's "keys" port is the
// pupil's keyboard, its "sink" port is the program's MIDI output.
class JackLesson : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        if (!JackRequirement::answers()) {
            if (qgetenv("CI") == "true")
                FAIL() << "No JACK server is running; scripts/test starts one.";
            GTEST_SKIP() << "No JACK server is running; start one with scripts/jack start and "
                            "export JACK_DEFAULT_SERVER=$(scripts/jack name).";
        }
        port = std::make_unique<TestMidiPort>(QStringLiteral("Pupil"));
        auto backend = std::make_shared<RtMidiBackend>(QStringLiteral("StaverlyTest"));
        midiBackend = backend;
        MIDIInput in(backend);
        MIDIOutput out(backend);
        const int inputs = in.deviceCount();
        for (int d = 0; d < inputs; ++d) {
            in.selectDevice(d);
            if (in.deviceName() == port->keysName())
                store(keys::DeviceIn, QString::number(d));
        }
        const int outputs = out.deviceCount();
        for (int d = 0; d < outputs; ++d) {
            out.selectDevice(d);
            if (out.deviceName() == port->sinkName())
                store(keys::DeviceOut, QString::number(d + 1));
        }
        ASSERT_NE(stored(keys::DeviceIn), "<none>");
        ASSERT_NE(stored(keys::DeviceOut), "<none>");
        store(keys::StartUp, "False");
        store(keys::UseMidi, "True");
        store(keys::PatchIndex, "40");
        xruns = std::make_unique<JackXrunWatch>();
    }

    // A cycle the server loses takes its messages with it; only then may
    // something played or sent not arrive.
    bool lostByTheServer() const { return xruns->count() > 0; }

    bool received(const Bytes &bytes) const
    {
        const auto all = port->received();
        return std::find(all.begin(), all.end(), bytes) != all.end();
    }

    std::unique_ptr<TestMidiPort> port;
    std::unique_ptr<JackXrunWatch> xruns;
};

// A connection removed in a patchbay is told once and left as the user made
// it; MIDI Setup's OK joins the keyboard again.
TEST_F(JackLesson, AConnectionRemovedInAPatchbayIsToldAndSetupJoinsItAgain)
{
    start();
    const QByteArray keys = port->keysPort().toUtf8();
    // The program's input, and its MIDI through straight to the sink.
    const std::vector<std::string> peers = JackServer::peers(keys.constData());
    ASSERT_EQ(peers.size(), 2u);
    const std::string own = peers.front().find("through") == std::string::npos ? peers.front() : peers.back();
    jack_client_t *patchbay = jack_client_open("Patchbay", JackNoStartServer, nullptr);
    ASSERT_TRUE(patchbay);
    ASSERT_EQ(jack_disconnect(patchbay, keys.constData(), own.c_str()), 0);
    const auto told = [this] { return w().noticeLbl->toolTip().contains("removed outside Staverly"); };
    EXPECT_TRUE(waitFor(told, 5000)) << w().noticeLbl->toolTip().toStdString();
    QTest::qWait(2500);
    EXPECT_FALSE(JackServer::joined(own, keys.toStdString())) << "the program must not undo it";
    EXPECT_TRUE(told());

    desktop.onModal("midiFrm", [](QDialog &dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton *>("okCmd"), Qt::LeftButton);
    });
    w().midiItem->trigger();
    EXPECT_TRUE(waitFor([&] { return !told(); }, 5000));
    EXPECT_EQ(JackServer::peers(keys.constData()).size(), 2u);

    // The same for the program's output to the device.
    const QByteArray sink = port->sinkPort().toUtf8();
    const std::vector<std::string> feeds = JackServer::peers(sink.constData());
    ASSERT_EQ(feeds.size(), 2u);
    ASSERT_EQ(jack_disconnect(patchbay, feeds.front().c_str(), sink.constData()), 0);
    EXPECT_TRUE(waitFor(told, 5000)) << w().noticeLbl->toolTip().toStdString();
    EXPECT_TRUE(w().noticeLbl->toolTip().contains("from Staverly to")) << w().noticeLbl->toolTip().toStdString();
    jack_client_close(patchbay);
}

TEST_F(JackLesson, APupilsKeyboardAnswersAndIsHeardThroughTheProgram)
{
    start();
    ASSERT_TRUE(desktop.boxes.empty()) << desktop.boxes.front().text.toStdString();
    // The instrument goes to the chosen device at start-up.
    ASSERT_TRUE(port->waitForCount(1, 10000ms) || lostByTheServer());
    EXPECT_TRUE(port->received().front() == (Bytes{0xC0, 40}) || lostByTheServer());

    nextNoteIs(8);
    clickNew();
    // The question's note, on and off.
    EXPECT_TRUE(waitFor([this] { return received({0x90, 60, 0}); }, 10000) || lostByTheServer());
    EXPECT_TRUE(received({0x90, 60, 127}) || lostByTheServer());
    port->clear();

    nextWordIs(0);
    nextNoteIs(9);
    port->play({0x90, 60, 90});
    // A cycle the server loses takes the answer with it: only then is it
    // played again, so a busy machine checks the answer instead of skipping.
    int lost = xruns->count();
    ASSERT_TRUE(waitFor(
        [&] {
            if (w().lesson.YES == 1)
                return true;
            if (xruns->count() > lost) {
                lost = xruns->count();
                port->play({0x90, 60, 90});
            }
            return false;
        },
        30000));
    port->play({0x80, 60, 0});
    port->play({0x90, 60, 0});
    // MIDI through: the press and both releases come out unchanged.
    EXPECT_TRUE(waitFor([this] { return received({0x90, 60, 0}) && received({0x80, 60, 0}); }, 10000)
                || lostByTheServer());
    EXPECT_TRUE(received({0x90, 60, 90}) || lostByTheServer());
    EXPECT_EQ(w().lesson.ASKS, 2);
    // A note-off with velocity 0 answers nothing.
    EXPECT_EQ(w().lesson.TRYS, 1);
}

} // namespace
