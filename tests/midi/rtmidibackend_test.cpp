// SPDX-License-Identifier: GPL-3.0-or-later
#include "midierror.h"
#include "rtmidibackend.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace staverly;

TEST(MidiRtMidiBackend, AnUnopenableSequencerListsNothingAndThrowsNothing)
{
    if (QFileInfo::exists("/dev/snd/seq"))
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    // /dev/null passes the existence check, so RtMidi really tries ALSA.
    RtMidiBackend backend(QStringLiteral("Staverly"), QStringLiteral("/dev/null"));
    QStringList names;
    EXPECT_NO_THROW(names = backend.inputNames() + backend.outputNames());
    for (const QString &name : names)
        EXPECT_FALSE(name.endsWith("(ALSA)")) << name.toStdString();
}

TEST(MidiRtMidiBackend, PortsThatCannotBeFoundRaiseWithADescription)
{
    auto backend = std::make_shared<RtMidiBackend>();
    try {
        backend->openInput(QStringLiteral("Nowhere:nothing (JACK)"), [](const std::uint8_t *, std::size_t) {});
        FAIL() << "opened";
    } catch (const MidiError &failure) {
        EXPECT_EQ(failure.description(), "The MIDI input \"Nowhere:nothing (JACK)\" is not connected.");
    }
    EXPECT_THROW(backend->openOutput(QStringLiteral("Nowhere:nothing (JACK)")), MidiError);
}
