// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtinsynth.h"
#include "synthloaded.h"
#include "testsoundfont.h"
#include "audioengine.h"
#include "jackrequirement.h"
#include "jackxrunwatch.h"
#include "midierror.h"
#include "midiinput.h"
#include "midilistener.h"
#include "midioutput.h"
#include "rtmidibackend.h"
#include "testmidiport.h"
#include "waitfor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <iostream>
#include <numeric>
#include <set>
#include <thread>

using namespace staverly;
using namespace std::chrono_literals;

namespace {

using Bytes = TestMidiPort::Bytes;

// A burst's message i is note-on (i >> 7, i & 0x7F).
int numbered(int status, int data1, int data2)
{
    return status == 0x90 ? data1 << 7 | data2 : -1;
}

// The numbers that a receiver of the burst 0..total-1 did not get once and in
// order: missing, repeated, out of order, and the neighbours of a stray.
std::set<int> garbled(const std::vector<int> &received, int total)
{
    std::vector<int> count(std::size_t(total), 0);
    std::set<int> garbled;
    for (std::size_t k = 0; k < received.size(); ++k) {
        const int n = received[k];
        if (n >= 0 && n < total) {
            ++count[std::size_t(n)];
            if (k > 0 && received[k - 1] >= n)
                garbled.insert({received[k - 1], n});
        } else {
            if (k > 0)
                garbled.insert(received[k - 1]);
            if (k + 1 < received.size())
                garbled.insert(received[k + 1]);
        }
    }
    for (int n = 0; n < total; ++n) {
        if (count[std::size_t(n)] != 1)
            garbled.insert(n);
    }
    return garbled;
}

// What the program garbled that a direct connection got right: how many
// messages, and in how many places (stretches of numbers less than 20 apart,
// since a client that misses a cycle garbles messages sent close together).
struct Damage
{
    int messages = 0;
    int places = 0;
};

Damage programsOwnDamage(const std::vector<int> &program, const std::vector<int> &direct, int total)
{
    const std::set<int> theirs = garbled(direct, total);
    Damage damage;
    int last = 0;
    for (int n : garbled(program, total)) {
        if (theirs.contains(n))
            continue;
        if (damage.messages++ == 0 || n - last >= 20)
            ++damage.places;
        last = n;
    }
    return damage;
}

int lost(const std::vector<int> &received, int total)
{
    std::set<int> distinct;
    for (int n : received) {
        if (n >= 0 && n < total)
            distinct.insert(n);
    }
    return total - int(distinct.size());
}

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

    // A cycle the server loses takes its messages with it: an exchange is
    // run again while that happens, a few times. The cycles lost in its last run.
    template<class Exchange>
    int withFewLostCycles(Exchange exchange)
    {
        JackXrunWatch xruns;
        int lost = 0;
        for (int run = 0; run < 4; ++run) {
            const int before = xruns.count();
            exchange();
            lost = xruns.count() - before;
            if (lost == 0)
                break;
        }
        return lost;
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
    bool arrived = false;
    const int lost = withFewLostCycles([&] {
        port->clear();
        output.send(0xCF, 40, 0, 0);
        output.send(0x90, 60, 127, 0);
        output.send(0x90, 60, 0, 0);
        arrived = port->waitForCount(3, 2s);
    });
    ASSERT_TRUE(arrived) << port->receivedCount() << " arrived; the server lost " << lost << " cycles";
    EXPECT_EQ(port->received(), (std::vector<Bytes>{{0xCF, 40}, {0x90, 60, 127}, {0x90, 60, 0}}));
}

// From one JACK port to another MIDI through runs in a client of its own,
// once, only while on, and only with what the program's input takes.
TEST_F(MidiOverJack, ThroughBetweenJackPortsIsCarriedDirectlyAndOnlyWhileOn)
{
    MIDIOutput output(backend);
    openSink(output);
    MIDIInput input(backend);
    openKeys(input);
    const auto arrives = [&](const Bytes &bytes) {
        port->clear();
        port->play(bytes);
        port->play({0xB0, 7, 100});
        QTest::qWait(60);
        return port->received();
    };
    const Bytes after{0xB0, 7, 100};
    std::vector<Bytes> on, off, reopened;
    std::vector<std::vector<Bytes>> odd;
    bool direct = false, directWhileOff = true, directReopened = false;
    const int lost = withFewLostCycles([&] {
        input.setThrough(&output);
        direct = output.throughIsDirect();
        on = arrives({0x90, 60, 100});
        // Clock, active sensing and a stray data byte are not passed on.
        odd.clear();
        for (const Bytes &bytes : {Bytes{0xF8}, Bytes{0xFE}, Bytes{0x90, 0x90, 1}})
            odd.push_back(arrives(bytes));
        input.setThrough(nullptr);
        directWhileOff = output.throughIsDirect();
        off = arrives({0x90, 62, 100});
        // A reopened output carries it again.
        input.setThrough(&output);
        output.open();
        directReopened = output.throughIsDirect();
        reopened = arrives({0x90, 64, 100});
    });
    SCOPED_TRACE(::testing::Message() << "the server lost " << lost << " cycles");
    EXPECT_TRUE(direct);
    EXPECT_EQ(on, (std::vector<Bytes>{{0x90, 60, 100}, after}));
    for (const auto &received : odd)
        EXPECT_EQ(received, std::vector<Bytes>{after});
    EXPECT_FALSE(directWhileOff);
    EXPECT_TRUE(off.empty());
    EXPECT_TRUE(directReopened);
    EXPECT_EQ(reopened, (std::vector<Bytes>{{0x90, 64, 100}, after}));
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
    std::vector<int> got;
    int announcements = 0;
    bool offThread = false;
    QStringList errors;
    QObject::connect(&input, &MIDIInput::error, [&](int, const QString &text) { errors << text; });
    QObject::connect(&input, &MIDIInput::message, [&] {
        ++announcements;
        offThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
        while (input.pendingMessages() > 0) {
            const MidiMessage message = input.readMessage();
            got.push_back(numbered(message.status, message.data1, message.data2));
            input.removeMessage();
        }
    });
    openKeys(input);
    // The yardstick: what a client that only listens gets of the same burst.
    MidiListener direct(port->keysPort());
    JackXrunWatch xruns;
    // Connecting costs the server a cycle now and then; that is not the burst's.
    waitFor([] { return false; }, 100);
    const int xrunsBefore = xruns.count();

    // Ten messages a millisecond, never faster, even after a stall: a JACK
    // cycle (1.3 ms) carries two batches at most. About one second for the lot.
    std::atomic<bool> played{false};
    std::thread keyboard([&] {
        for (int i = 0; i < Total; ++i) {
            port->play({0x90, std::uint8_t(i >> 7), std::uint8_t(i & 0x7F)});
            if (i % 10 == 9)
                std::this_thread::sleep_for(1ms);
        }
        played = true;
    });
    // Until both have it all, or nothing more came for half a second.
    std::size_t arrived = 0;
    QElapsedTimer quiet;
    quiet.start();
    waitFor(
        [&] {
            const std::size_t now = got.size() + direct.receivedCount();
            if (now != arrived) {
                arrived = now;
                quiet.restart();
            }
            return now >= 2 * std::size_t(Total)
                   || (played && quiet.elapsed() > 500 && input.pendingMessages() == 0);
        },
        30000);
    keyboard.join();
    // Repeats after the last message, and the xruns' late reports.
    waitFor([] { return false; }, 200);
    const int dropped = xruns.count() - xrunsBefore;
    std::vector<int> heard;
    for (const auto &bytes : direct.received())
        heard.push_back(bytes.size() == 3 ? numbered(bytes[0], bytes[1], bytes[2]) : -1);
    const Damage damage = programsOwnDamage(got, heard, Total);
    std::cout << "[ burst    ] " << Total << " messages; the program lost " << lost(got, Total)
              << ", a direct connection " << lost(heard, Total) << "; " << dropped << " JACK xruns; "
              << damage.messages << " messages in " << damage.places
              << " places garbled by the program alone; " << announcements << " announcements\n";

    // Each xrun is a client that missed a cycle: for that client alone the
    // cycle's messages are lost, or one of them comes in their stead (RtMidi
    // reads on in the buffer the sender has cleared meanwhile). Without xruns
    // the program gets every message once and in order; with them it garbles
    // what the direct connection got right in one place and a cycle's worth
    // of messages, with room to spare, an xrun at most.
    if (dropped == 0) {
        const std::set<int> wrong = garbled(got, Total);
        EXPECT_TRUE(wrong.empty()) << wrong.size() << " messages missing, repeated or out of order, the first "
                                   << *wrong.begin();
    }
    EXPECT_LE(damage.places, dropped);
    EXPECT_LE(damage.messages, 50 * dropped);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
    EXPECT_EQ(input.pendingMessages(), 0) << "received but never announced";
    EXPECT_FALSE(offThread);
    EXPECT_LT(announcements, Total / 4);
}

TEST_F(MidiOverJack, DeviceMinusOneSoundsThroughTheSharedAudioOutput)
{
    AudioEngine engine;
    TestSoundFont font;
    auto synth = std::make_shared<BuiltinSynth>(&engine);
    font.choose(*synth);
    MIDIOutput output(backend, synth);
    output.selectDevice(-1);
    output.open();
    EXPECT_EQ(output.isOpen(), 1);
    EXPECT_TRUE(engine.isRunning());
    output.send(0xC0, 0, 0, 0);
    output.send(0x90, 60, 127, 0);
    ASSERT_TRUE(waitUntilLoaded(*synth, 10s));
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
