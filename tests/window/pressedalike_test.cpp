// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' options as a screen reader presses them: through their
// accessible action, which toggles a check box or an option without a click.
#include "mainwindowfixture.h"

#include "fakemidibackend.h"
#include "setupfrm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace staverly;
using test::MainWindowFixture;

namespace {

const QString Untouched = QStringLiteral("untouched");

void actAccessibly(QAbstractButton *button)
{
    QAccessibleActionInterface *action = QAccessible::queryAccessibleInterface(button)->actionInterface();
    ASSERT_TRUE(action);
    const QStringList names = action->actionNames();
    if (names.contains(QAccessibleActionInterface::toggleAction()))
        action->doAction(QAccessibleActionInterface::toggleAction());
    else
        action->doAction(QAccessibleActionInterface::pressAction());
    // A press clicks 100 ms later.
    QTest::qWait(200);
}

// On the box or circle itself: a caption need not reach the middle.
void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QCoreApplication::processEvents();
}

// What a dialog shows: every control's accessible name, state and check.
QStringList shown(QWidget *dialog)
{
    QStringList all;
    for (QWidget *widget : dialog->findChildren<QWidget *>()) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(widget);
        QString line = widget->objectName() + QLatin1Char(' ') + (a ? a->text(QAccessible::Name) : QString());
        line += widget->isEnabled() ? QStringLiteral(" enabled") : QStringLiteral(" disabled");
        line += widget->isVisibleTo(dialog) ? QStringLiteral(" shown") : QStringLiteral(" hidden");
        if (auto *button = qobject_cast<QAbstractButton *>(widget); button && button->isCheckable())
            line += button->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off");
        all << line;
    }
    return all;
}

// The option that a click gives back its state after `button` changed it.
QAbstractButton *undoer(QAbstractButton *button)
{
    if (!button->autoExclusive() && !button->group())
        return button;
    const QList<QAbstractButton *> options =
        button->group() ? button->group()->buttons() : button->parentWidget()->findChildren<QAbstractButton *>();
    for (QAbstractButton *option : options) {
        if (option != button && option->isChecked())
            return option;
    }
    return nullptr;
}

class PressedAlike : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        midiBackend = keyboard;
        store(keys::StartUp, "False");
        store(keys::UseMidi, "True");
    }

    // The store marked, so that a write shows even when it repeats a value.
    void markStore()
    {
        for (const SettingKey &key : keys::All)
            store(key, Untouched);
    }
    QStringList written() const
    {
        QStringList all;
        for (const SettingKey &key : keys::All) {
            if (stored(key) != Untouched)
                all << QLatin1String(key.key) + QLatin1Char('=') + stored(key);
        }
        return all;
    }
    // What the lesson and MIDI state shared with the window hold.
    QString state()
    {
        const LessonEngine &l = w().lesson;
        return QStringLiteral("clef %1 chromatic %2 timer %3 clues %4 sound %5 startup %6 grades %7 weak %8 "
                              "key %9 midi %10 thru %11 channel %12")
            .arg(l.CLEFF)
            .arg(l.USE_CROMATICS)
            .arg(l.USE_TIMER)
            .arg(l.USE_CLUES)
            .arg(l.USE_SOUND)
            .arg(l.START_UP)
            .arg(l.SAVE_GRADES)
            .arg(l.PRACTISE_WEAK)
            .arg(l.ANSWER_KEY)
            .arg(w().midi.USE_MIDI)
            .arg(w().midi.MIDI_THRU)
            .arg(w().midi.MIDI_CHANNEL);
    }
    // Everything a change could reach, after `act` on `button`.
    QStringList after(QDialog &dialog, const std::function<void()> &act)
    {
        markStore();
        act();
        QCoreApplication::processEvents();
        return written() + shown(&dialog) + QStringList{state()};
    }

    std::shared_ptr<FakeMidiBackend> keyboard = std::make_shared<FakeMidiBackend>();
};

// Each option of each dialog, pressed through its accessible action, writes,
// shows and changes what a click does; the click then puts it back, and the
// click itself is measured from there.
TEST_F(PressedAlike, EveryOptionOfEveryDialogActsAsWhenClicked)
{
    start();
    const std::vector<std::pair<QAction *, const char *>> dialogs{
        {w().setupItem, "setupFrm"}, {w().midiItem, "midiFrm"}, {w().testItem, "testFrm"},
        {w().progressItem, "progressFrm"}};
    for (const auto &[item, name] : dialogs) {
        int compared = 0;
        desktop.onModal(QString::fromLatin1(name), [&, name = name](QDialog &dialog) {
            for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
                if (!button->isCheckable() || button->isChecked() || !button->isEnabled()
                    || !button->isVisibleTo(&dialog))
                    continue;
                QAbstractButton *back = undoer(button);
                ASSERT_TRUE(back) << name << " " << button->objectName().toStdString();
                const QStringList pressed = after(dialog, [&] { actAccessibly(button); });
                click(back);
                const QStringList clicked = after(dialog, [&] { click(button); });
                EXPECT_EQ(pressed, clicked) << name << " " << button->objectName().toStdString();
                click(back);
                ++compared;
            }
            dialog.close();
        });
        item->trigger();
        EXPECT_GT(compared, 0) << name;
    }
}

// The fault as a screen reader met it: Bass Clef chosen in Lesson Setup
// during a lesson is stored, and OK starts a new lesson in the bass clef.
TEST_F(PressedAlike, BassClefPressedByAScreenReaderIsUsedAndOkStartsANewLesson)
{
    start();
    nextNoteIs(8);
    clickNew();
    clickKey(0);
    ASSERT_EQ(w().lesson.TRYS, 1);
    desktop.onModal(QStringLiteral("setupFrm"), [](QDialog &dialog) {
        auto &setup = static_cast<setupFrm &>(dialog);
        actAccessibly(setup.cleffOpt[1]);
        EXPECT_TRUE(setup.cleffOpt[1]->isChecked());
        actAccessibly(setup.okCmd);
    });
    w().setupItem->trigger();
    EXPECT_EQ(stored(keys::Cleff), "1");
    EXPECT_EQ(w().lesson.CLEFF, 1);
    EXPECT_TRUE(w().baseItem->isChecked());
    EXPECT_EQ(w().lesson.TRYS, 0) << "OK started a new lesson";
}

} // namespace
