// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakedefaultoutput.h"
#include "fakemidibackend.h"
#include "midimod.h"
#include "midioutput.h"
#include "nullmidibackend.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct MidiOutputPort : ::testing::Test
{
    std::shared_ptr<FakeMidiBackend> backend = std::make_shared<FakeMidiBackend>();
    std::shared_ptr<FakeDefaultOutput> synth = std::make_shared<FakeDefaultOutput>();
    MIDIOutput output{backend, synth};

    void openDevice0()
    {
        ASSERT_EQ(output.deviceCount(), 1);
        output.selectDevice(0);
        output.open();
    }
};

} // namespace

TEST_F(MidiOutputPort, DeviceMinusOneIsTheDefaultOutputBesidesTheDevices)
{
    const int count = output.deviceCount();
    EXPECT_EQ(count, 1);
    QStringList listed;
    for (int d = -1; d < count; ++d) {
        output.selectDevice(d);
        listed << output.deviceName();
    }
    EXPECT_EQ(listed, (QStringList{"Fake Synthesizer", "Fake Sink"}));
    EXPECT_EQ(output.selectedDevice(), 0);
}

TEST_F(MidiOutputPort, StartsOnTheDefaultOutput)
{
    EXPECT_EQ(output.selectedDevice(), -1);
    output.open();
    EXPECT_EQ(output.isOpen(), 1);
    EXPECT_EQ(synth->opens, 1);
    output.send(0x90, 60, 127, 0);
    EXPECT_EQ(synth->sent, (std::vector<Bytes>{{0x90, 60, 127}}));
    output.close();
    EXPECT_EQ(synth->closes, 1);
    EXPECT_EQ(output.isOpen(), 0);
}

TEST_F(MidiOutputPort, ADefaultOutputThatCannotSoundRaisesItsDescription)
{
    synth->failOpen = true;
    output.selectDevice(-1);
    try {
        output.open();
        FAIL() << "open succeeded";
    } catch (const MidiError &failure) {
        EXPECT_EQ(failure.description(), "no SoundFont here");
    }
    EXPECT_EQ(output.isOpen(), 0);
}

TEST_F(MidiOutputPort, WithoutADefaultOutputMinusOneIsListedButDoesNotOpen)
{
    MIDIOutput bare(std::make_shared<NullMidiBackend>());
    EXPECT_EQ(bare.deviceCount(), 0);
    bare.selectDevice(-1);
    EXPECT_FALSE(bare.deviceName().isEmpty());
    EXPECT_THROW(bare.open(), MidiError);
    EXPECT_EQ(bare.isOpen(), 0);
}

TEST_F(MidiOutputPort, NoBackEndMeansNoDevicesButTheDefault)
{
    MIDIOutput none(std::make_shared<NullMidiBackend>(), synth);
    EXPECT_EQ(none.deviceCount(), 0);
    none.selectDevice(-1);
    EXPECT_EQ(none.deviceName(), "Fake Synthesizer");
    none.open();
    EXPECT_EQ(none.isOpen(), 1);
    none.selectDevice(0);
    EXPECT_THROW(none.open(), MidiError);
}

TEST_F(MidiOutputPort, OpeningANonexistentDeviceRaisesWithADescription)
{
    output.deviceCount();
    output.selectDevice(3);
    try {
        output.open();
        FAIL() << "open succeeded";
    } catch (const MidiError &failure) {
        EXPECT_EQ(failure.code(), MidiError::NoSuchDevice);
        // The list shows the default output first: device 3 is its fifth entry.
        EXPECT_EQ(failure.description(), "The MIDI output chosen before (entry 5 of the list) is not "
                                         "connected; this computer lists 2 MIDI outputs.");
    }
    EXPECT_EQ(output.isOpen(), 0);
}

TEST_F(MidiOutputPort, TheBufferIsSetFieldByFieldThenSent)
{
    openDevice0();
    output.setStatus(0x91);
    output.setData1(64);
    output.setData2(100);
    output.setFourth(0);
    EXPECT_EQ(output.status(), 0x91);
    EXPECT_EQ(output.data1(), 64);
    EXPECT_EQ(output.data2(), 100);
    EXPECT_EQ(output.fourth(), 0);
    output.send();
    EXPECT_EQ(backend->sent, (std::vector<Bytes>{{0x91, 64, 100}}));
}

TEST_F(MidiOutputPort, ThePatchOfChannel15GoesOutAsTwoBytes)
{
    openDevice0();
    MidiMod midi;
    midi.MIDI_CHANNEL = 15;
    midi.PATCH_INDEX = 40;
    midi.send_patch(output);
    EXPECT_EQ(output.status(), 0xCF);
    EXPECT_EQ(output.data1(), 40);
    EXPECT_EQ(output.data2(), 0);
    EXPECT_EQ(backend->sent, (std::vector<Bytes>{{0xCF, 40}}));
}

TEST_F(MidiOutputPort, AsANoteOutputItSendsAtOnce)
{
    openDevice0();
    NoteOutput &notes = output;
    notes.send(0x90, 60, 127, 0);
    notes.send(0x90, 60, 0, 0);
    notes.send(0xB0, 7, 100, 0);
    EXPECT_EQ(backend->sent, (std::vector<Bytes>{{0x90, 60, 127}, {0x90, 60, 0}, {0xB0, 7, 100}}));
}

TEST_F(MidiOutputPort, AFailingSendIsReportedNotThrown)
{
    openDevice0();
    QSignalSpy errors(&output, &MIDIOutput::error);
    backend->failSends = true;
    EXPECT_NO_THROW(output.send(0x90, 60, 127, 0));
    EXPECT_NO_THROW(output.send(0x90, 60, 0, 0));
    EXPECT_EQ(errors.count(), 0) << "raised inside the sender";
    QCoreApplication::processEvents();
    ASSERT_EQ(errors.count(), 1) << "one report for a run of failures";
    EXPECT_EQ(errors.at(0).at(0).toInt(), MidiError::SendFailed);
    EXPECT_EQ(errors.at(0).at(1).toString(), "the cable is out");
    output.send(0x90, 62, 0, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(errors.count(), 2);
}

// Every status byte goes out with as many data bytes as its message has:
// none that the program invents, none that it drops.
TEST_F(MidiOutputPort, EachStatusByteGoesOutWithItsMessagesLength)
{
    openDevice0();
    QSignalSpy errors(&output, &MIDIOutput::error);
    const auto expectedLength = [](int status) -> std::size_t {
        if (status < 0xF0)
            return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 2 : 3;
        switch (status) {
        case 0xF1: case 0xF3: return 2; // time code quarter frame, song select
        case 0xF2: return 3;            // song position
        case 0xF0: case 0xF7: case 0xF4: case 0xF5: case 0xF9: case 0xFD:
            return 0; // exclusive and undefined: no short message
        default: return 1; // tune request and the real-time bytes
        }
    };
    int refused = 0;
    for (int status = 0x80; status <= 0xFF; ++status) {
        backend->sent.clear();
        output.send(qint16(status), 0x45, 0x67, 0);
        QCoreApplication::processEvents();
        const std::size_t length = expectedLength(status);
        if (length == 0) {
            EXPECT_TRUE(backend->sent.empty()) << std::hex << status;
            ++refused;
            continue;
        }
        const Bytes whole{std::uint8_t(status), 0x45, 0x67};
        ASSERT_EQ(backend->sent.size(), 1u) << std::hex << status;
        EXPECT_EQ(backend->sent[0], Bytes(whole.begin(), whole.begin() + long(length)))
            << std::hex << status;
    }
    EXPECT_EQ(refused, 6);
    EXPECT_EQ(errors.count(), 6);
}

TEST_F(MidiOutputPort, ADataByteIsNotAStatus)
{
    openDevice0();
    QSignalSpy errors(&output, &MIDIOutput::error);
    output.send(60, 100, 0, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(backend->sent.empty());
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors.at(0).at(0).toInt(), MidiError::NotAMessage);
}

TEST_F(MidiOutputPort, AClosedPortDropsSendsQuietly)
{
    QSignalSpy errors(&output, &MIDIOutput::error);
    output.send(0x90, 60, 127, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(backend->sent.empty());
    EXPECT_TRUE(synth->sent.empty());
    EXPECT_EQ(errors.count(), 0);
}

TEST_F(MidiOutputPort, ReopeningSwitchesDevices)
{
    openDevice0();
    output.selectDevice(-1);
    output.open();
    output.send(0x90, 60, 1, 0);
    EXPECT_TRUE(backend->sent.empty());
    EXPECT_EQ(synth->sent.size(), 1u);
    output.selectDevice(0);
    output.open();
    EXPECT_EQ(synth->closes, 1);
    output.send(0x90, 60, 1, 0);
    EXPECT_EQ(backend->sent.size(), 1u);
}
