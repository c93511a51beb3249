// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a screen reader and a keyboard-only pupil meet it.
#include "mainwindowfixture.h"

#include "announcer.h"
#include "fakemidibackend.h"
#include "pianokey.h"
#include "picturebox.h"
#include "pitchname.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
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

    static void press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target, key, modifiers);
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
    // Then what the lesson shows, for a screen reader to read.
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(std::vector<QWidget *>(order.begin() + 52, order.end()),
              (std::vector<QWidget *>{w().msglbl, w().Picture1, w().Bar, w().yesLbl, w().noLbl,
                                      w().scoreLbl, w().timeLbl}));

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

// Left and Right walk the keys in pitch order, Home and End go to the ends,
// where the focus stays; other keys leave it where it is.
TEST_F(Accessibility, ArrowsWalkTheKeysInPitchOrder)
{
    start();
    const struct
    {
        int from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int to;
    } moves[] = {{12, Qt::Key_Right, {}, 13}, {13, Qt::Key_Left, {}, 12},  {5, Qt::Key_End, {}, 47},
                 {47, Qt::Key_Right, {}, 47}, {30, Qt::Key_Home, {}, 0},   {0, Qt::Key_Left, {}, 0},
                 {20, Qt::Key_Right, Qt::KeypadModifier, 21}, {20, Qt::Key_Right, Qt::ShiftModifier, 20}};
    for (const auto &m : moves) {
        w().pianoKey[std::size_t(m.from)]->setFocus(Qt::TabFocusReason);
        press(w().pianoKey[std::size_t(m.from)], m.key, m.modifiers);
        EXPECT_EQ(QApplication::focusWidget(), w().pianoKey[std::size_t(m.to)]) << m.from << " key " << m.key;
    }
    EXPECT_EQ(w().lesson.TRYS, 0) << "moving answers nothing";
}

// A clue shows and sounds the answer without giving it the focus: Return
// never turns it into an answer (Space, Return three times gave Right 3).
TEST_F(Accessibility, AClueNeverBecomesAnAnswer)
{
    start();
    QSignalSpy said(w().announcer, &Announcer::said);
    nextNoteIs(10);
    clickNew();
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Return}) {
        w().newCmd->setFocus(Qt::TabFocusReason);
        const QString clue = QStringLiteral("Clue: ") + PitchName::spoken(w().lesson.expectedNote());
        QTest::keyClick(w().newCmd, ' ');
        EXPECT_EQ(said.takeFirst().front().toString(), clue);
        press(QApplication::focusWidget(), enter);
    }
    EXPECT_EQ(w().lesson.TRYS, 0);
}

// Each option of each dialog, toggled through its accessible action as a
// screen reader does (Bass Clef was shown but not used), shows and stores
// what a click does; a click on the option before gives the state back.
TEST_F(Accessibility, EveryOptionOfEveryDialogActsAsWhenClicked)
{
    midiBackend = std::make_shared<FakeMidiBackend>();
    store(keys::UseMidi, "True");
    start();
    const auto after = [this](QDialog &dialog, const std::function<void()> &act) {
        act();
        QStringList all;
        for (QWidget *c : dialog.findChildren<QWidget *>()) {
            auto *b = qobject_cast<QAbstractButton *>(c);
            all << name(c) + QStringLiteral(" %1%2%3").arg(c->isEnabled()).arg(c->isVisibleTo(&dialog))
                                 .arg(b && b->isChecked());
        }
        for (const SettingKey &key : keys::All)
            all << QLatin1String(key.key) + stored(key);
        return all;
    };
    const auto click = [](QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); };
    for (const auto &[item, dialogName] : {std::pair{w().setupItem, "setupFrm"}, {w().midiItem, "midiFrm"},
                                           {w().testItem, "testFrm"}, {w().progressItem, "progressFrm"}}) {
        int compared = 0;
        desktop.onModal(QString::fromLatin1(dialogName), [&](QDialog &dialog) {
            for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
                if (!button->isCheckable() || button->isChecked() || !button->isEnabled()
                    || !button->isVisibleTo(&dialog))
                    continue;
                QAbstractButton *back = button;
                for (QAbstractButton *option : button->parentWidget()->findChildren<QAbstractButton *>())
                    back = button->autoExclusive() && option->isChecked() && option->group() == button->group()
                               ? option : back;
                const QStringList toggled = after(dialog, [&] {
                    QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                        QAccessibleActionInterface::toggleAction());
                });
                click(back);
                EXPECT_EQ(toggled, after(dialog, [&] { click(button); })) << button->objectName().toStdString();
                click(back);
                ++compared;
            }
            dialog.close();
        });
        item->trigger();
        EXPECT_GT(compared, 0) << dialogName;
    }
}

} // namespace

// Tab reaches the message line and the counters, yet each change paints them
// once, as the plain labels they look like.
TEST_F(Accessibility, FocusableLabelsPaintOnceAndAsPlainLabels)
{
    start();
    struct PaintCount : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    };
    for (QLabel *label : {w().msglbl, w().noLbl}) {
        SCOPED_TRACE(label->objectName().toStdString());
        ASSERT_EQ(label->focusPolicy(), Qt::TabFocus);
        PaintCount count;
        label->installEventFilter(&count);
        label->setText(label == w().msglbl ? QStringLiteral("Too High\nNo.") : QStringLiteral("12"));
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        EXPECT_EQ(count.paints, 1);
        label->removeEventFilter(&count);

        QWidget plainParent;
        QLabel plain(label->text(), &plainParent);
        plain.setFocusPolicy(Qt::NoFocus);
        plain.setFont(label->font());
        plain.setAlignment(label->alignment());
        plain.setWordWrap(label->wordWrap());
        plain.setContentsMargins(label->contentsMargins());
        plain.setStyleSheet(label->styleSheet());
        plain.resize(label->size());
        EXPECT_EQ(label->grab().toImage(), plain.grab().toImage());
    }
}
