// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakemidibackend.h"
#include "midierror.h"
#include "midiinput.h"
#include "nullmidibackend.h"
#include "waitfor.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QThread>
#include <gtest/gtest.h>
#include <thread>

using namespace staverly;

namespace {

struct MidiInputPort : ::testing::Test
{
    std::shared_ptr<FakeMidiBackend> backend = std::make_shared<FakeMidiBackend>();
    MIDIInput input{backend};

    void openFirst()
    {
        ASSERT_EQ(input.deviceCount(), 2);
        input.selectDevice(1);
        input.open();
        input.start();
    }

    void SetUp() override { backend->inputs << QStringLiteral("Second Keyboard"); }
};

} // namespace

TEST_F(MidiInputPort, ListsAndNamesTheDevices)
{
    EXPECT_EQ(input.deviceCount(), 2);
    input.selectDevice(0);
    EXPECT_EQ(input.deviceName(), "Fake Keyboard");
    input.selectDevice(1);
    EXPECT_EQ(input.selectedDevice(), 1);
    EXPECT_EQ(input.deviceName(), "Second Keyboard");
    input.selectDevice(7);
    EXPECT_EQ(input.deviceName(), "");
}

TEST_F(MidiInputPort, OpenIsAPositiveNumberAndCloseReleases)
{
    EXPECT_EQ(input.isOpen(), 0);
    openFirst();
    EXPECT_GE(input.isOpen(), 1);
    EXPECT_EQ(backend->inputsOpen, 1);
    input.stop();
    input.close();
    EXPECT_EQ(input.isOpen(), 0);
    EXPECT_EQ(backend->inputsOpen, 0);
    input.open();
    EXPECT_EQ(input.isOpen(), 1);
    EXPECT_EQ(backend->inputsOpen, 1);
}

TEST_F(MidiInputPort, OpeningANonexistentDeviceRaisesWithADescription)
{
    input.deviceCount();
    input.selectDevice(5);
    try {
        input.open();
        FAIL() << "open succeeded";
    } catch (const MidiError &failure) {
        EXPECT_EQ(failure.code(), MidiError::NoSuchDevice);
        const char *text = "The MIDI input chosen before (entry 6 of the list) is not connected; "
                           "this computer lists 2 MIDI inputs.";
        EXPECT_EQ(failure.description(), text);
        EXPECT_STREQ(failure.what(), text);
    }
    EXPECT_EQ(input.isOpen(), 0);
}

TEST_F(MidiInputPort, ADeviceThatVanishedRaisesTheBackEndsDescription)
{
    input.deviceCount();
    input.selectDevice(1);
    backend->inputs.removeLast();
    EXPECT_THROW(input.open(), MidiError);
    EXPECT_EQ(input.isOpen(), 0);
}

TEST_F(MidiInputPort, NoBackEndMeansNoDevices)
{
    MIDIInput none(std::make_shared<NullMidiBackend>());
    EXPECT_EQ(none.deviceCount(), 0);
    none.selectDevice(0);
    EXPECT_EQ(none.deviceName(), "");
    EXPECT_THROW(none.open(), MidiError);
    EXPECT_EQ(none.isOpen(), 0);
    EXPECT_EQ(none.pendingMessages(), 0);
}

TEST_F(MidiInputPort, QueuesReadsWithoutRemovingAndRemovesTheOldest)
{
    openFirst();
    backend->play({0x90, 60, 100});
    backend->play({0x80, 60, 64});
    backend->play({0xB0, 7, 100});
    EXPECT_EQ(input.pendingMessages(), 3);
    EXPECT_EQ(input.readMessage(), (MidiMessage{0x90, 60, 100}));
    EXPECT_EQ(input.readMessage(), (MidiMessage{0x90, 60, 100}));
    EXPECT_EQ(input.pendingMessages(), 3);
    input.removeMessage();
    EXPECT_EQ(input.readMessage(), (MidiMessage{0x80, 60, 64}));
    input.removeMessage();
    EXPECT_EQ(input.readMessage(), (MidiMessage{0xB0, 7, 100}));
    input.removeMessage();
    EXPECT_EQ(input.pendingMessages(), 0);
    EXPECT_EQ(input.readMessage(), (MidiMessage{0, 0, 0}));
    input.removeMessage();
    EXPECT_EQ(input.pendingMessages(), 0);
}

// Each message keeps what the program showed when it arrived, however
// late the handler reaches it.
TEST_F(MidiInputPort, EachMessageKeepsTheStampOfItsArrival)
{
    openFirst();
    EXPECT_EQ(input.readStamp(), (MidiStamp{0, false}));
    input.setArrival(7, true);
    backend->play({0x90, 60, 100});
    input.setArrival(0, true);
    backend->play({0x90, 62, 100});
    input.setArrival(0xFFFFFFFFu, false);
    backend->play({0x90, 64, 100});
    for (const MidiStamp stamp : {MidiStamp{7, true}, MidiStamp{0, true}, MidiStamp{0xFFFFFFFFu, false}}) {
        EXPECT_EQ(input.readStamp(), stamp);
        input.removeMessage();
    }
}

// Only whole short messages are queued and sent on; anything else is
// dropped and counted, never filled up with invented bytes.
TEST_F(MidiInputPort, OnlyWholeShortMessagesAreQueuedAndForwarded)
{
    std::shared_ptr<FakeMidiBackend> out = std::make_shared<FakeMidiBackend>();
    MIDIOutput through{out};
    through.deviceCount();
    through.selectDevice(0);
    through.open();
    openFirst();
    input.setThrough(&through);
    const std::vector<std::vector<std::uint8_t>> whole{
        {0xC3, 40}, {0xFE}, {0xF1, 0x10}, {0xF2, 1, 2}, {0x90, 60, 64}, {0xD5, 3}};
    const std::vector<std::vector<std::uint8_t>> malformed{
        {0x3C, 0x00},             // running status: no status byte
        {0x90, 60},               // a note one byte short
        {0x90},                   // a note with no data at all
        {0xC3},                   // a program change without its program
        {0x90, 60, 64, 0},        // one byte too many
        {0x90, 0x80, 64},         // a status where a data byte belongs
        {0xF4}, {0xF7}, {0xFD},   // undefined, or an end without a start
    };
    for (const auto &bytes : malformed)
        backend->play(bytes);
    backend->play({0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}); // exclusive: passed over
    for (const auto &bytes : whole)
        backend->play(bytes);
    EXPECT_EQ(input.malformedCount(), malformed.size());
    EXPECT_EQ(out->sent, whole);
    ASSERT_EQ(input.pendingMessages(), int(whole.size()));
    for (const auto &bytes : whole) {
        EXPECT_EQ(input.readMessage(), (MidiMessage{bytes[0], qint16(bytes.size() > 1 ? bytes[1] : 0),
                                                    qint16(bytes.size() > 2 ? bytes[2] : 0)}));
        input.removeMessage();
    }
}

TEST_F(MidiInputPort, NothingIsQueuedBeforeStartOrAfterStop)
{
    ASSERT_EQ(input.deviceCount(), 2);
    input.open();
    backend->play({0x90, 60, 100});
    EXPECT_EQ(input.pendingMessages(), 0);
    input.start();
    backend->play({0x90, 61, 100});
    input.stop();
    backend->play({0x90, 62, 100});
    EXPECT_EQ(input.pendingMessages(), 1);
    EXPECT_EQ(input.readMessage().data1, 61);
}

TEST_F(MidiInputPort, CloseEmptiesTheQueue)
{
    openFirst();
    backend->play({0x90, 60, 100});
    input.close();
    EXPECT_EQ(input.pendingMessages(), 0);
    QCoreApplication::processEvents();
}

TEST_F(MidiInputPort, AnnouncesOnTheUserInterfaceThread)
{
    openFirst();
    std::vector<QThread *> threads;
    QObject::connect(&input, &MIDIInput::message, [&] { threads.push_back(QThread::currentThread()); });
    std::thread device([this] { backend->play({0x90, 60, 100}); });
    device.join();
    EXPECT_TRUE(threads.empty()) << "announced inside the device's thread";
    ASSERT_TRUE(waitFor([&] { return !threads.empty(); }));
    EXPECT_EQ(threads.front(), QCoreApplication::instance()->thread());
}

TEST_F(MidiInputPort, ABurstIsAnnouncedOnceWhileTheAnnouncementIsPending)
{
    openFirst();
    QSignalSpy announcements(&input, &MIDIInput::message);
    std::thread device([this] {
        for (int i = 0; i < 10000; ++i)
            backend->play({0x90, std::uint8_t(i >> 7), std::uint8_t(i & 0x7F)});
    });
    device.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(announcements.count(), 1);
    ASSERT_EQ(input.pendingMessages(), 10000);
    for (int i = 0; i < 10000; ++i) {
        ASSERT_EQ(input.readMessage(), (MidiMessage{0x90, qint16(i >> 7), qint16(i & 0x7F)}));
        input.removeMessage();
    }
    // A message after the announcement ran is announced anew.
    backend->play({0x90, 60, 0});
    QCoreApplication::processEvents();
    EXPECT_EQ(announcements.count(), 2);
}

TEST_F(MidiInputPort, AFullQueueDropsNewMessagesAndSaysSo)
{
    openFirst();
    QSignalSpy errors(&input, &MIDIInput::error);
    for (std::size_t i = 0; i < MIDIInput::QueueLimit + 3; ++i)
        backend->play({0x90, 60, 1});
    QCoreApplication::processEvents();
    EXPECT_EQ(input.pendingMessages(), int(MIDIInput::QueueLimit));
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors.at(0).at(0).toInt(), MidiError::InputOverflow);
    EXPECT_EQ(errors.at(0).at(1).toString(), "3 MIDI messages were lost: the input queue was full.");
}

TEST_F(MidiInputPort, ReopeningAfterCloseReceivesAgain)
{
    openFirst();
    input.stop();
    input.close();
    input.open();
    input.start();
    backend->play({0x90, 64, 90});
    EXPECT_EQ(input.readMessage(), (MidiMessage{0x90, 64, 90}));
}

TEST_F(MidiInputPort, ThroughSendsOnAtArrivalAndNeverCollidesWithTheWindowsOwnNotes)
{
    MIDIOutput output(backend);
    output.selectDevice(0);
    output.open();
    openFirst();
    input.setThrough(&output);

    // Out before the event loop has even heard of it, and still queued.
    backend->play({0x90, 60, 100});
    ASSERT_EQ(backend->sent.size(), 1u);
    EXPECT_EQ(backend->sent.front(), (std::vector<std::uint8_t>{0x90, 60, 100}));
    EXPECT_EQ(input.pendingMessages(), 1);

    // The device's thread forwards while this thread plays its own notes.
    input.removeMessage();
    backend->sent.clear();
    constexpr int Each = 3000;
    std::thread device([this] {
        for (int i = 0; i < Each; ++i)
            backend->play({0x91, std::uint8_t(i % 128), 1});
    });
    for (int i = 0; i < Each; ++i)
        output.send(0x92, qint16(i % 128), 2, 0);
    device.join();
    ASSERT_EQ(backend->sent.size(), std::size_t(2 * Each));
    int forwarded = 0;
    for (const auto &bytes : backend->sent) {
        ASSERT_EQ(bytes.size(), 3u);
        if (bytes[0] == 0x91) {
            EXPECT_EQ(bytes[1], forwarded++ % 128) << "MIDI through kept its order";
        }
    }
    EXPECT_EQ(forwarded, Each);

    input.setThrough(nullptr);
    backend->sent.clear();
    backend->play({0x90, 61, 100});
    EXPECT_TRUE(backend->sent.empty());
}
