// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "maindialogs.h"

#include "setupfrm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <map>

using namespace staverly;
using test::MainWindowFixture;

namespace {

const QString Untouched = QStringLiteral("untouched");

// On the box or circle itself: a caption need not reach the middle.
void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Through the drop-down, which reports a choice even of the entry shown.
void chooseQuestions(setupFrm &setup, int count)
{
    QComboBox *list = setup.questionCbo;
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(list->findText(QString::number(count)), 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
}

void nothing(setupFrm &) {}
void bass(setupFrm &s) { click(s.cleffOpt[1]); }
void chromaticsOnAndOff(setupFrm &s)
{
    click(s.chromaticChk);
    click(s.chromaticChk);
}

const auto RowName = [](const auto &info) { return std::string(info.param.name); };

class LessonSetup : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }

    // Opens the dialog from the menu with `act` in front of it; whoever does
    // not press OK leaves by the close box.
    void withSetup(const std::function<void(setupFrm &)> &act)
    {
        desktop.onModal("setupFrm", [act](QDialog &dialog) {
            act(static_cast<setupFrm &>(dialog));
            if (dialog.isVisible())
                dialog.close();
        });
        w().setupItem->trigger();
    }

    // Marks every option, so that a write shows even when it repeats the value.
    void markStore()
    {
        for (const SettingKey &key : keys::All)
            store(key, Untouched);
    }
    QStringList written() const
    {
        QStringList names;
        for (const SettingKey &key : keys::All)
            if (stored(key) != Untouched)
                names << QLatin1String(key.key);
        return names;
    }

    // Question 1 asks middle C and has one wrong answer.
    void lessonUnderWay()
    {
        nextNoteIs(8);
        clickNew();
        clickKey(0);
        ASSERT_EQ(answers(), 1);
    }

    // The lesson state the dialog shares with the main window.
    bool lessonRuns() { return w().lesson.FIRST_TIME; }
    int answers() { return w().lesson.TRYS; }
    int asked() { return w().lesson.ASKS; }
    int clef() { return w().lesson.CLEFF; }
    qint16 &elapsed() { return w().lesson.MY_TIME; }
    // The main window's copy of an option, as the store would hold it.
    QString inMemory(const SettingKey &key)
    {
        const LessonEngine &m = w().lesson;
        const auto sw = &SettingsStore::fromSwitch;
        const std::map<QString, QString> copies{
            {"CLEFF", QString::number(m.CLEFF)}, {"TIME_TO", QString::number(m.TO_TIME)},
            {"QUESTIONS", QString::number(m.QUESTIONS)}, {"USE_CHROMATICS", sw(m.USE_CROMATICS)},
            {"USE_TIMER", sw(m.USE_TIMER)}, {"USE_CLUES", sw(m.USE_CLUES)}, {"USE_SOUND", sw(m.USE_SOUND)},
            {"START_UP", sw(m.START_UP)}, {"SAVE_GRADES", sw(m.SAVE_GRADES)},
            {"PRACTISE_WEAK", sw(m.PRACTISE_WEAK)}};
        return copies.at(QLatin1String(key.key));
    }
};

// One pupil action on a freshly opened dialog over the first-run options.
struct Write
{
    const char *name;
    std::function<void(setupFrm &)> act;
    SettingKey key;
    const char *text; // null: nothing written
    qint16 changeFlag;
};

void PrintTo(const Write &row, std::ostream *out) { *out << row.name; }

class LessonSetupWrites : public LessonSetup, public ::testing::WithParamInterface<Write> {};

TEST_P(LessonSetupWrites, OnlyItsOwnKeyAtOnceAndTheCloseBoxStartsNoLesson)
{
    const Write &row = GetParam();
    start();
    markStore();
    withSetup([&](setupFrm &setup) {
        EXPECT_EQ(written(), QStringList{"QUESTIONS"}) << "creating the dialog";
        markStore();
        row.act(setup);
        EXPECT_EQ(setup.CHANGE_FLAG, row.changeFlag);
    });
    EXPECT_EQ(written(), row.text ? QStringList{row.key.key} : QStringList{});
    if (row.text) {
        EXPECT_EQ(stored(row.key), row.text);
        EXPECT_EQ(inMemory(row.key), row.text);
    }
    EXPECT_FALSE(lessonRuns());
}

INSTANTIATE_TEST_SUITE_P(
    LessonSetup, LessonSetupWrites,
    ::testing::Values(
        Write{"Grades", [](setupFrm &s) { click(s.gradesChk); }, keys::SaveGrades, "False", 0},
        Write{"Bass", bass, keys::Cleff, "1", 1},
        Write{"TrebleAgain", [](setupFrm &s) { click(s.cleffOpt[0]); }, keys::Cleff, nullptr, 0},
        Write{"Chromatics", [](setupFrm &s) { click(s.chromaticChk); }, keys::UseChromatics, "True", 1},
        Write{"ChromaticsOnAndOff", chromaticsOnAndOff, keys::UseChromatics, "False", 1},
        Write{"Timer", [](setupFrm &s) { click(s.timerChk); }, keys::UseTimer, "True", 0},
        Write{"TimerSlider", [](setupFrm &s) { s.timerSld->setValue(42); }, keys::TimeTo, "42", 0},
        Write{"Clues", [](setupFrm &s) { click(s.clueshk); }, keys::UseClues, "False", 0},
        Write{"Sound", [](setupFrm &s) { click(s.soundChk); }, keys::UseSound, "False", 0},
        Write{"StartUp", [](setupFrm &s) { click(s.startupChk); }, keys::StartUp, "True", 0},
        Write{"WeakNotes", [](setupFrm &s) { click(s.weakChk); }, keys::PractiseWeak, "True", 0},
        Write{"Questions", [](setupFrm &s) { chooseQuestions(s, 45); }, keys::Questions, "45", 0},
        Write{"SameQuestions", [](setupFrm &s) { chooseQuestions(s, 20); }, keys::Questions, "20", 0}),
    RowName);

TEST_F(LessonSetup, OpeningShowsTheOptionsInForceAndRewritesOnlyQuestions)
{
    const std::pair<SettingKey, QString> options[]{
        {keys::Cleff, "1"},          {keys::UseChromatics, "True"}, {keys::UseTimer, "True"},
        {keys::TimeTo, "42"},        {keys::UseClues, "False"},     {keys::UseSound, "False"},
        {keys::SaveGrades, "False"}, {keys::Questions, "30"},       {keys::PlayerName, "Ben"},
        {keys::StartUp, "True"},     {keys::PractiseWeak, "True"}};
    for (const auto &[key, text] : options)
        store(key, text);
    start();
    markStore();
    withSetup([](setupFrm &s) {
        EXPECT_TRUE(s.cleffOpt[1]->isChecked());
        EXPECT_TRUE(s.chromaticChk->isChecked());
        EXPECT_FALSE(s.optionLbl->isVisible());
        EXPECT_TRUE(s.timerChk->isChecked());
        EXPECT_TRUE(s.timerSld->isEnabled());
        EXPECT_EQ(s.timerSld->value(), 42);
        EXPECT_EQ(s.timerLbl->text(), "42");
        EXPECT_FALSE(s.clueshk->isChecked());
        EXPECT_FALSE(s.soundChk->isChecked());
        EXPECT_TRUE(s.startupChk->isChecked());
        EXPECT_TRUE(s.weakChk->isChecked());
        EXPECT_FALSE(s.gradesChk->isChecked());
        EXPECT_EQ(s.nameLbl->text(), "Ben");
        EXPECT_EQ(s.questionCbo->currentText(), "30");
        EXPECT_EQ(s.focusWidget(), s.okCmd);
    });
    EXPECT_EQ(written(), QStringList{"QUESTIONS"});
    EXPECT_EQ(stored(keys::Questions), "30");
}

TEST_F(LessonSetup, ChromaticsTimerAndQuestionsActOnTheWindowAtOnce)
{
    start();
    lessonUnderWay();
    withSetup([this](setupFrm &s) {
        EXPECT_TRUE(s.optionLbl->isVisible());
        click(s.chromaticChk);
        EXPECT_FALSE(s.optionLbl->isVisible());
        click(s.chromaticChk);
        EXPECT_TRUE(s.optionLbl->isVisible());

        EXPECT_FALSE(s.timerSld->isEnabled());
        EXPECT_FALSE(s.timerLbl->isEnabled());
        EXPECT_EQ(s.timerLbl->text(), "15");
        for (const bool on : {true, false}) {
            elapsed() = 9;
            click(s.timerChk);
            EXPECT_EQ(w().lesson.Timer1->isActive(), on);
            EXPECT_EQ(s.timerSld->isEnabled(), on);
            EXPECT_EQ(s.timerLbl->isEnabled(), on);
            EXPECT_EQ(elapsed(), 0);
        }
        s.timerSld->setValue(60);
        EXPECT_EQ(s.timerLbl->text(), "60");

        chooseQuestions(s, 300);
        EXPECT_EQ(w().Bar->maximum(), 300);
    });
}

// A pupil's visit to the dialog and what follows once it is gone.
struct Closing
{
    const char *name;
    bool lessonBefore;
    std::function<void(setupFrm &)> change;
    bool ok;
    bool newLesson;
    int clefAfter;
};

void PrintTo(const Closing &row, std::ostream *out) { *out << row.name; }

class LessonSetupClosing : public LessonSetup, public ::testing::WithParamInterface<Closing> {};

TEST_P(LessonSetupClosing, OkStartsALessonOnlyWhenNeededAndBothDestroyTheDialog)
{
    const Closing &row = GetParam();
    start();
    if (row.lessonBefore)
        lessonUnderWay();
    const int asks = asked();
    withSetup([&](setupFrm &s) {
        row.change(s);
        if (row.ok)
            click(s.okCmd);
    });
    EXPECT_EQ(w().dialogs().loadedLessonSetup(), nullptr);
    EXPECT_EQ(lessonRuns(), row.lessonBefore || row.newLesson);
    EXPECT_EQ(asked(), row.newLesson ? asks + 1 : asks);
    EXPECT_EQ(answers(), row.lessonBefore && !row.newLesson ? 1 : 0);
    EXPECT_EQ(clef(), row.clefAfter);
    EXPECT_EQ(w().baseItem->isChecked(), row.clefAfter == 1);
    EXPECT_EQ(w().trebleItem->isChecked(), row.clefAfter == 0);
}

INSTANTIATE_TEST_SUITE_P(
    LessonSetup, LessonSetupClosing,
    ::testing::Values(
        Closing{"OkStartsTheFirstLesson", false, nothing, true, true, 0},
        Closing{"CloseBoxStartsNoFirstLesson", false, nothing, false, false, 0},
        Closing{"OkWithoutChangesGoesOn", true, nothing, true, false, 0},
        Closing{"OkAfterOtherOptionsGoesOn", true,
                [](setupFrm &s) { click(s.clueshk); click(s.timerChk); chooseQuestions(s, 5); }, true, false, 0},
        Closing{"OkAfterBassStartsAnew", true, bass, true, true, 1},
        Closing{"OkAfterBassAndBackStartsAnew", true,
                [](setupFrm &s) { bass(s); click(s.cleffOpt[0]); }, true, true, 0},
        Closing{"OkAfterChromaticsOnAndOffStartsAnew", true, chromaticsOnAndOff, true, true, 0},
        Closing{"CloseBoxAfterBassGoesOnInBass", true, bass, false, false, 1}),
    RowName);

// The menu changes the clef without a dialog; the next OK in Lesson Setup,
// and only that one, starts anew as after a clef chosen there.
TEST_F(LessonSetup, AMenuClefSwitchMakesTheNextOkStartAnew)
{
    start();
    lessonUnderWay();
    markStore();
    w().baseItem->trigger();
    EXPECT_EQ(w().dialogs().loadedLessonSetup(), nullptr);
    EXPECT_EQ(written(), QStringList{"CLEFF"});

    clickKey(0); // a wrong answer in the bass lesson
    const int asks = asked();
    withSetup([this](setupFrm &s) {
        EXPECT_TRUE(s.cleffOpt[1]->isChecked());
        click(s.okCmd);
    });
    EXPECT_EQ(answers(), 0);
    EXPECT_EQ(asked(), asks + 1);

    clickKey(0);
    withSetup([this](setupFrm &s) { click(s.okCmd); });
    EXPECT_EQ(answers(), 1);
    EXPECT_EQ(asked(), asks + 1);
}

// A Lesson Setup dialog that is loaded follows what changes without it: the
// fourth time-out switches the timer off.
TEST_F(LessonSetup, ALoadedDialogFollowsTheTimerSwitchedOffByTimeOuts)
{
    store(keys::UseTimer, "True");
    store(keys::TimeTo, "5");
    start();
    lessonUnderWay();
    w().lesson.Timer1->setInterval(3600 * 1000);
    setupFrm &s = w().dialogs().lessonSetup();
    EXPECT_TRUE(s.timerChk->isChecked());
    for (int i = 0; i < 4 * 5; ++i)
        w().lesson.Timer1_Timer();
    EXPECT_FALSE(w().lesson.USE_TIMER);
    EXPECT_FALSE(s.timerChk->isChecked());
    EXPECT_FALSE(s.timerSld->isEnabled());
    EXPECT_EQ(stored(keys::UseTimer), "False");
}

} // namespace
