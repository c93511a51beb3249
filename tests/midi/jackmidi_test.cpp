#include "builtinsynth.h"
#include "audioengine.h"
#include "jackrequirement.h"
#include "jackxrunwatch.h"
#include "midierror.h"
#include "midiinput.h"
#include "midioutput.h"
#include "rtmidibackend.h"
#include "testmidiport.h"
#include "waitfor.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <thread>

using namespace staverly;
using namespace std::chrono_literals;

namespace {

using Bytes = TestMidiPort::Bytes;

struct MidiOverJack : JackRequirement
{
    std::shared_ptr<RtMidiBackend> backend = std::make_shared<RtMidiBackend>();
    std::unique_ptr<TestMidiPort> port;

    void SetUp() override
    {
        JackRequirement::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        port = std::make_unique<TestMidiPort>();
    }

    void openKeys(MIDIInput &input)
    {
        const int count = input.deviceCount();
        for (int d = 0; d < count; ++d) {
            input.selectDevice(d);
            if (input.deviceName() == port->keysName()) {
                input.open();
                input.start();
                return;
            }
        }
        FAIL() << port->keysName().toStdString() << " is not listed";
    }

    void openSink(MIDIOutput &output)
    {
        const int count = output.deviceCount();
        for (int d = 0; d < count; ++d) {
            output.selectDevice(d);
            if (output.deviceName() == port->sinkName()) {
                output.open();
                return;
            }
        }
        FAIL() << port->sinkName().toStdString() << " is not listed";
    }
};

} // namespace

TEST_F(MidiOverJack, ListsTheTestPortsByNameAndNotItsOwn)
{
    MIDIOutput output(backend);
    openSink(output);
    MIDIInput input(backend);
    openKeys(input);

    const QStringList inputs = backend->inputNames();
    const QStringList outputs = backend->outputNames();
    EXPECT_TRUE(inputs.contains(port->keysName())) << inputs.join(", ").toStdString();
    EXPECT_TRUE(outputs.contains(port->sinkName())) << outputs.join(", ").toStdString();
    for (const QString &name : inputs + outputs)
        EXPECT_FALSE(name.startsWith("Staverly")) << name.toStdString();
}

TEST_F(MidiOverJack, TheInputReceivesTheExactBytesInOrderAnnouncedOnTheUserInterfaceThread)
{
    MIDIInput input(backend);
    std::vector<QThread *> threads;
    QObject::connect(&input, &MIDIInput::message, [&] { threads.push_back(QThread::currentThread()); });
    openKeys(input);
    EXPECT_GE(input.isOpen(), 1);

    port->play({0x90, 60, 100});
    port->play({0x80, 60, 64});
    port->play({0xB0, 7, 100});
    ASSERT_TRUE(waitFor([&] { return input.pendingMessages() == 3 && !threads.empty(); }));
    for (QThread *thread : threads)
        EXPECT_EQ(thread, QCoreApplication::instance()->thread());

    EXPECT_EQ(input.readMessage(), (MidiMessage{0x90, 60, 100}));
    EXPECT_EQ(input.pendingMessages(), 3) << "reading does not remove";
    input.removeMessage();
    EXPECT_EQ(input.readMessage(), (MidiMessage{0x80, 60, 64}));
    input.removeMessage();
    EXPECT_EQ(input.readMessage(), (MidiMessage{0xB0, 7, 100}));
    input.removeMessage();
    EXPECT_EQ(input.pendingMessages(), 0);
}

TEST_F(MidiOverJack, TheOutputSendsExactlyWhatTheProgramBuilds)
{
    MIDIOutput output(backend);
    openSink(output);
    EXPECT_GE(output.isOpen(), 1);
    output.send(0xCF, 40, 0, 0);
    output.send(0x90, 60, 127, 0);
    output.send(0x90, 60, 0, 0);
    ASSERT_TRUE(port->waitForCount(3, 2s)) << port->receivedCount() << " arrived";
    EXPECT_EQ(port->received(), (std::vector<Bytes>{{0xCF, 40}, {0x90, 60, 127}, {0x90, 60, 0}}));
}

TEST_F(MidiOverJack, TheBuiltInSynthesizerComesFirst)
{
    MIDIOutput output(backend, std::make_shared<BuiltinSynth>(nullptr));
    const int count = output.deviceCount();
    QStringList listed;
    for (int d = -1; d < count; ++d) {
        output.selectDevice(d);
        listed << output.deviceName();
    }
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed.first(), BuiltinSynth::displayName());
    EXPECT_TRUE(listed.contains(port->sinkName()));
}

TEST_F(MidiOverJack, ClosingAndReopening)
{
    MIDIInput input(backend);
    openKeys(input);
    MIDIOutput output(backend);
    openSink(output);

    input.stop();
    input.close();
    output.close();
    EXPECT_EQ(input.isOpen(), 0);
    EXPECT_EQ(output.isOpen(), 0);
    port->play({0x90, 61, 100});
    output.send(0x90, 61, 100, 0);
    std::this_thread::sleep_for(50ms);
    QCoreApplication::processEvents();
    EXPECT_EQ(input.pendingMessages(), 0);
    EXPECT_EQ(port->receivedCount(), 0u);

    input.open();
    input.start();
    output.open();
    port->play({0x90, 62, 100});
    output.send(0x90, 62, 100, 0);
    ASSERT_TRUE(waitFor([&] { return input.pendingMessages() == 1; }));
    EXPECT_EQ(input.readMessage(), (MidiMessage{0x90, 62, 100}));
    ASSERT_TRUE(port->waitForCount(1, 2s));
    EXPECT_EQ(port->received(), (std::vector<Bytes>{{0x90, 62, 100}}));
}

TEST_F(MidiOverJack, OpeningANonexistentDeviceNumberRaisesWithADescription)
{
    MIDIInput input(backend);
    input.selectDevice(input.deviceCount() + 5);
    try {
        input.open();
        FAIL() << "open succeeded";
    } catch (const MidiError &failure) {
        EXPECT_TRUE(failure.description().startsWith("The MIDI input chosen before (entry "))
            << failure.description().toStdString();
    }
    MIDIOutput output(backend);
    output.selectDevice(output.deviceCount() + 5);
    EXPECT_THROW(output.open(), MidiError);
}

TEST_F(MidiOverJack, ABurstOfTenThousandArrivesWholeInOrderWithFewAnnouncements)
{
    constexpr int Total = 10000;
    MIDIInput input(backend);
    std::vector<MidiMessage> got;
    int announcements = 0;
    bool offThread = false;
    QObject::connect(&input, &MIDIInput::message, [&] {
        ++announcements;
        offThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
        while (input.pendingMessages() > 0) {
            got.push_back(input.readMessage());
            input.removeMessage();
        }
    });
    openKeys(input);
    JackXrunWatch xruns;

    // A cycle that the server drops on a busy machine takes its messages
    // along; only then is the burst tried again.
    for (int attempt = 1;; ++attempt) {
        got.clear();
        announcements = 0;
        const int xrunsBefore = xruns.count();
        // Ten messages a millisecond: about one second for the lot.
        std::thread keyboard([this] {
            auto next = std::chrono::steady_clock::now();
            for (int i = 0; i < Total; ++i) {
                port->play({0x90, std::uint8_t(i >> 7), std::uint8_t(i & 0x7F)});
                if (i % 10 == 9) {
                    next += 1ms;
                    std::this_thread::sleep_until(next);
                }
            }
        });
        const bool whole = waitFor([&] { return got.size() >= std::size_t(Total); }, 5000);
        keyboard.join();
        waitFor([] { return false; }, 100);
        const int dropped = xruns.count() - xrunsBefore;
        if (whole || dropped == 0 || attempt == 3) {
            ASSERT_TRUE(whole) << got.size() << " of " << Total << " arrived; " << dropped
                               << " JACK xruns meanwhile";
            break;
        }
        std::cout << "[ burst    ] " << Total - int(got.size()) << " messages lost in " << dropped
                  << " JACK xruns; once more\n";
    }
    EXPECT_EQ(got.size(), std::size_t(Total)) << "duplicates";
    for (int i = 0; i < Total && i < int(got.size()); ++i)
        ASSERT_EQ(got[i], (MidiMessage{0x90, qint16(i >> 7), qint16(i & 0x7F)})) << "at " << i;
    EXPECT_FALSE(offThread);
    EXPECT_LT(announcements, Total / 4);
    std::cout << "[ burst    ] " << Total << " messages, " << announcements << " announcements, "
              << xruns.count() << " JACK xruns\n";
}

TEST_F(MidiOverJack, DeviceMinusOneSoundsThroughTheSharedAudioOutput)
{
    AudioEngine engine;
    auto synth = std::make_shared<BuiltinSynth>(&engine);
    MIDIOutput output(backend, synth);
    output.selectDevice(-1);
    output.open();
    EXPECT_EQ(output.isOpen(), 1);
    EXPECT_TRUE(engine.isRunning());
    output.send(0xC0, 0, 0, 0);
    output.send(0x90, 60, 127, 0);
    ASSERT_TRUE(synth->waitUntilLoaded(10s));
    EXPECT_EQ(synth->program(0), 0);
    std::cout << "[ synth    ] audio through " << engine.driverName().toStdString() << ", "
              << engine.latencyMs() << " ms configured, SoundFont loaded "
              << synth->loadMilliseconds() << " ms after open\n";
    output.send(0x90, 60, 0, 0);
    output.close();
    EXPECT_EQ(output.isOpen(), 0);
    output.open();
    EXPECT_EQ(output.isOpen(), 1);
}
