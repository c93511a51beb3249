// The main window as a screen reader and a keyboard-only pupil meet it.
#include "mainwindowfixture.h"

#include "pianokey.h"
#include "picturebox.h"
#include "pitchname.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;

namespace {

class Accessibility : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }

    static QString name(QObject *object)
    {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(object);
        return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
    }
    static QAccessible::Role role(QObject *object)
    {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(object);
        return a ? a->role() : QAccessible::NoRole;
    }

    static void press(QWidget *target, Qt::Key key)
    {
        QTest::keyClick(target, key);
        QCoreApplication::processEvents();
    }
};

TEST(PitchNames, ScientificSpokenAndBeyondTheRange)
{
    const struct
    {
        int midi;
        const char *written;
        const char *spoken;
    } names[] = {{60, "C4", "C4"}, {61, "C#4", "C sharp 4"}, {66, "F#4", "F sharp 4"}, {21, "A0", "A0"},
                 {0, "C-1", "C-1"}, {127, "G9", "G9"}, {128, "", ""}, {-1, "", ""}};
    for (const auto &n : names) {
        EXPECT_EQ(PitchName::of(n.midi), n.written);
        EXPECT_EQ(PitchName::spoken(n.midi), n.spoken);
    }
}

// Every control says what it is, and the keys say their notes in the clef
// shown; the staff tells its note only with clues on.
TEST_F(Accessibility, EveryControlHasANameAndARole)
{
    store(keys::UseClues, "False");
    start();
    // As the window first shows them, before anything changed.
    EXPECT_EQ(name(w().lowSlider), "Lowest note: C4");
    EXPECT_EQ(name(w().highSlider), "Highest note: C5");
    EXPECT_EQ(name(w().Picture1), "Treble staff");
    for (int clef : {0, 1}) {
        if (clef == 1)
            w().baseItem->trigger();
        for (int k = 0; k < NoteModel::Keys; ++k) {
            const int midi = NoteModel::keyToMidi(k, clef);
            const QString expected = midi == 60 ? QStringLiteral("Middle C, C4") : PitchName::spoken(midi);
            ASSERT_EQ(name(w().pianoKey[std::size_t(k)]), expected) << "clef " << clef << " key " << k;
            ASSERT_EQ(role(w().pianoKey[std::size_t(k)]), QAccessible::Button);
        }
    }
    w().trebleItem->trigger();
    EXPECT_EQ(name(w().pianoKey[13]), "C sharp 4");

    const std::vector<std::tuple<QWidget *, QString, QAccessible::Role>> controls{
        {w().newCmd, "New lesson", QAccessible::Button},
        {w().clueCmd, "Clue", QAccessible::Button},
        {w().yesLbl, "Right answers: 0", QAccessible::StaticText},
        {w().noLbl, "Wrong answers: 0", QAccessible::StaticText},
        {w().scoreLbl, "Score: 0 percent", QAccessible::StaticText},
        {w().timeLbl, "Time: 0 seconds", QAccessible::StaticText},
        {w().msglbl, w().msglbl->text(), QAccessible::StaticText},
        {w().lowSlider, "Lowest note: C4", QAccessible::Slider},
        {w().highSlider, "Highest note: C5", QAccessible::Slider},
    };
    for (const auto &[widget, text, r] : controls) {
        ASSERT_TRUE(widget);
        EXPECT_EQ(name(widget), text);
        EXPECT_EQ(role(widget), r) << text.toStdString();
    }
    auto *value = QAccessible::queryAccessibleInterface(w().lowSlider)->valueInterface();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->currentValue().toInt(), 8);

    nextNoteIs(10);
    clickNew();
    EXPECT_EQ(name(w().Picture1), "Treble staff, a note to name");
    w().lesson.USE_CLUES = true;
    nextWordIs(0);
    nextNoteIs(9);
    clickKey(keyOfAnswer());
    EXPECT_EQ(name(w().Picture1), "Treble staff, the note D");
    // The counters and the message line say what they now show.
    EXPECT_EQ(name(w().yesLbl), "Right answers: 1");
    EXPECT_EQ(name(w().scoreLbl), "Score: 100 percent");
    EXPECT_EQ(name(w().msglbl), w().msglbl->text());
}

// A whole lesson from the keyboard alone: Tab in screen order, Return on a
// button or a key, arrows on a range slider; letters and Space keep their
// meaning wherever the focus is.
TEST_F(Accessibility, ALessonCanBeTakenFromTheKeyboardAlone)
{
    start();
    w().newCmd->setFocus(Qt::TabFocusReason);
    std::vector<QWidget *> order{w().newCmd};
    for (int i = 0; i < 51; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(order[1], w().clueCmd);
    EXPECT_EQ(order[2], w().highSlider);
    for (int k = 0; k < NoteModel::Keys; ++k)
        ASSERT_EQ(order[std::size_t(3 + k)], w().pianoKey[std::size_t(k)]) << k;
    EXPECT_EQ(order[51], w().lowSlider);

    // The range, by the arrows: up one, down again, to the ends.
    w().lowSlider->setFocus(Qt::TabFocusReason);
    press(w().lowSlider, Qt::Key_Right);
    EXPECT_EQ(w().lesson.LOW_NOTE, 9);
    press(w().lowSlider, Qt::Key_Left);
    press(w().lowSlider, Qt::Key_Home);
    EXPECT_EQ(w().lesson.LOW_NOTE, 1);
    EXPECT_EQ(stored(keys::LowNote), "1");
    w().highSlider->setFocus(Qt::TabFocusReason);
    press(w().highSlider, Qt::Key_End);
    EXPECT_EQ(w().lesson.HIGH_NOTE, 28);
    EXPECT_EQ(name(w().highSlider), "Highest note: B6");
    desktop.answer(Answer::Ok, [](const auto &box) { EXPECT_EQ(box.title, "Note Range Error!"); });
    for (int i = 0; i < 27; ++i)
        press(w().highSlider, Qt::Key_Left);
    EXPECT_EQ(w().lesson.HIGH_NOTE, 2) << "never at or below the low note";
    press(w().highSlider, Qt::Key_End);

    // New by Return, then answers by Return on a key, by a letter and by Space.
    w().newCmd->setFocus(Qt::TabFocusReason);
    nextNoteIs(8);
    press(w().newCmd, Qt::Key_Return);
    ASSERT_EQ(w().lesson.ASKS, 1);
    PianoKey *right = w().pianoKey[std::size_t(keyOfAnswer())];
    right->setFocus(Qt::TabFocusReason);
    nextWordIs(0);
    nextNoteIs(10);
    press(right, Qt::Key_Return);
    EXPECT_EQ(w().lesson.YES, 1);
    nextWordIs(0);
    nextNoteIs(12);
    QTest::keyClick(QApplication::focusWidget(), 'e');
    EXPECT_EQ(w().lesson.YES, 2);
    QTest::keyClick(QApplication::focusWidget(), ' ');
    EXPECT_EQ(w().lesson.TRYS, 2) << "Space is the clue, never an answer";
    EXPECT_TRUE(desktop.scriptDone());
}

} // namespace
