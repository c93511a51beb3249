// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told of each judged answer and clue: once, in the
// lesson's own words, with the note in the pupil's naming.
#include "lessonrig.h"

#include "notenames.h"

#include <QCoreApplication>
#include <functional>
#include <gtest/gtest.h>

using namespace staverly;
using test::LessonRig;

namespace {

struct Outcome
{
    const char *name;
    NoteNames naming;
    bool chromatic;
    int asked; // white key, or MIDI note in a chromatic lesson
    std::function<void(LessonRig &)> answer;
    QStringList heard;
};

void key(LessonRig &rig, int index)
{
    rig.nextWordIs(0);
    rig.nextNoteIs(rig.engine.USE_CROMATICS ? 62 : 9);
    rig.click(index);
}

void letter(LessonRig &rig, char typed)
{
    rig.nextWordIs(0);
    rig.nextNoteIs(9);
    rig.engine.typed(QLatin1Char(typed), rig.engine.arrival());
}

TEST(Announcements, EachOutcomeIsSaidOnceInTheLessonsWordsAndThePupilsNaming)
{
    using Style = NoteNames::Style;
    const NoteNames letters(Style::Letters, QStringLiteral("en"));
    const NoteNames german(Style::German, QStringLiteral("de"));
    const NoteNames solfege(Style::Solfege, QStringLiteral("fr"));
    // Keys from C3 (index 0): C4 is key 12, B4 key 23.
    const std::vector<Outcome> outcomes{
        {"right key", letters, false, 8, [](LessonRig &r) { key(r, 12); }, {"C4, Wonderful"}},
        {"right key in German", german, false, 14, [](LessonRig &r) { key(r, 23); }, {"H 4, Wonderful"}},
        {"right key in solfege", solfege, false, 9, [](LessonRig &r) { key(r, 14); }, {"Ré 4, Wonderful"}},
        {"right black key", letters, true, 66, [](LessonRig &r) { key(r, 18); }, {"F sharp 4, Wonderful"}},
        {"right letter", letters, false, 8, [](LessonRig &r) { letter(r, 'c'); }, {"C4, Wonderful"}},
        {"right MIDI note", letters, false, 8,
         [](LessonRig &r) {
             r.nextWordIs(0);
             r.nextNoteIs(9);
             r.engine.midiMessage(0x90, 60, 90, r.engine.arrival());
         },
         {"C4, Wonderful"}},
        {"too low", letters, false, 8, [](LessonRig &r) { key(r, 11); }, {"Too Low, Bad"}},
        {"too high", letters, false, 8, [](LessonRig &r) { key(r, 13); }, {"Too High, Bad"}},
        {"too high in German", german, false, 8, [](LessonRig &r) { key(r, 47); }, {"Too High, Bad"}},
        {"wrong letter", letters, false, 8, [](LessonRig &r) { letter(r, 'e'); }, {"Not E"}},
        {"h in letters", letters, false, 8, [](LessonRig &r) { letter(r, 'h'); }, {"Not H"}},
        {"b in German", german, false, 8, [](LessonRig &r) { letter(r, 'b'); }, {"Not B"}},
        {"wrong letter in solfege", solfege, false, 8, [](LessonRig &r) { letter(r, 'e'); }, {"Not Mi"}},
        {"time-out", letters, false, 8,
         [](LessonRig &r) {
             r.engine.USE_TIMER = true;
             r.engine.TO_TIME = 3;
             for (int tick = 0; tick < 3; ++tick)
                 r.engine.Timer1_Timer();
         },
         {"Over Time!"}},
        {"clue", letters, false, 8, [](LessonRig &r) { r.engine.do_clue(); }, {"Clue: C4"}},
        {"clue in solfege", solfege, true, 61, [](LessonRig &r) { r.engine.do_clue(); }, {"Clue: Do sharp 4"}},
        {"clue with clues off", letters, false, 8,
         [](LessonRig &r) {
             r.engine.USE_CLUES = false;
             r.engine.do_clue();
         },
         {}},
        {"a letter in a chromatic lesson", letters, true, 60, [](LessonRig &r) { letter(r, 'c'); }, {}},
    };
    for (const Outcome &o : outcomes) {
        NoteNames::setCurrent(o.naming);
        LessonRig rig;
        rig.prepare();
        rig.engine.USE_CROMATICS = o.chromatic;
        rig.nextNoteIs(o.asked);
        rig.engine.do_new();
        ASSERT_TRUE(rig.announced.isEmpty()) << o.name << ": a question opening is not announced";
        o.answer(rig);
        QCoreApplication::processEvents();
        EXPECT_EQ(rig.announced, o.heard) << o.name;
        // The clue shows its key; it never takes the focus, where Return would answer.
        if (QString::fromLatin1(o.name).startsWith(QLatin1String("clue")))
            EXPECT_TRUE(rig.focused.empty()) << o.name;
    }
    NoteNames::setCurrent(NoteNames());
}

} // namespace
