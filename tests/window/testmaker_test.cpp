// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include <optional>

#include "formlayout.h"
#include "lockedfolder.h"
#include "testfrm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace staverly;
using test::MainWindowFixture;

namespace {

class TestMaker : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }

    void withTestMaker(std::function<void(testFrm &)> act)
    {
        desktop.onModal("testFrm", [act](QDialog &dialog) { act(static_cast<testFrm &>(dialog)); });
        w().testItem->trigger();
    }

    // Makes a test of `count` questions as `target` from the dialog.
    void makeTest(bool typeTwo, int count, const QString &target)
    {
        withTestMaker([&](testFrm &frm) {
            QTest::mouseClick(frm.type[typeTwo ? 1 : 0], Qt::LeftButton);
            frm.notesTxt->setText(QString::number(count));
            desktop.answerSaveFile(target);
            QTest::mouseClick(frm.testCmd, Qt::LeftButton);
        });
    }

    // The next question asks this MIDI note of the range, white keys or all.
    void nextMidiIs(int midi)
    {
        const LessonEngine &lesson = w().lesson;
        if (lesson.USE_CROMATICS) {
            const int low = lesson.notes.whiteToMidi(lesson.LOW_NOTE, lesson.CLEFF);
            random.pick(midi - low, lesson.notes.whiteToMidi(lesson.HIGH_NOTE, lesson.CLEFF) - low + 1);
            return;
        }
        for (int white = 1; white <= NoteModel::WhiteKeys; ++white)
            if (lesson.notes.whiteToMidi(white, lesson.CLEFF) == midi)
                nextNoteIs(white);
    }

    QByteArray images() const { return "file://" + QDir(folder.path()).filePath("images").toUtf8(); }
};

TEST_F(TestMaker, ATypeTwoTestOfTheRangeIsSavedAndOpenedWithoutRepeats)
{
    start();
    const QString target = programFile("notes");
    withTestMaker([&](testFrm &frm) {
        EXPECT_EQ(frm.windowTitle(), "Test Maker");
        EXPECT_TRUE(frm.type[0]->isChecked());
        EXPECT_EQ(frm.notesTxt->text(), "20");
        QTest::mouseClick(frm.type[1], Qt::LeftButton);
        frm.notesTxt->setText("3");
        nextNoteIs(w().lesson.PREV_NOTE); // the question's note again is drawn anew
        nextNoteIs(8);
        nextNoteIs(8); // so is the one just drawn
        nextNoteIs(10);
        nextNoteIs(12);
        desktop.answerSaveFile(target);
        QTest::mouseClick(frm.testCmd, Qt::LeftButton);
        EXPECT_TRUE(frm.isVisible()) << "it stays open for the next test";
    });
    ASSERT_EQ(desktop.opened, QStringList{target + ".htm"});
    const QByteArray html = readProgramFile("notes.htm");
    const QByteArray images = "file://" + QDir(folder.path()).filePath("images").toUtf8();
    // White keys 8, 10 and 12 of the treble staff: C4, E4 and G4.
    EXPECT_TRUE(html.contains("<tr><TD valign=bottom><img src='" + images + "/t60.gif' border=0></td>"));
    EXPECT_TRUE(html.contains("src='" + images + "/t64.gif'"));
    EXPECT_TRUE(html.contains("src='" + images + "/t67.gif'"));
    EXPECT_EQ(html.count("t_piano.gif"), 3);
    EXPECT_TRUE(html.contains("3) - Color in this note on the piano.</b></font></td></tr>"
                              "<tr><td colspan=2 height=200></td></tr></table>"));
    EXPECT_TRUE(html.endsWith("</body></html>\r\n"));
}

TEST_F(TestMaker, ACountThatIsNotANumberWritesNothingAndEnterMakesTheTest)
{
    start();
    withTestMaker([&](testFrm &frm) {
        for (const char *bad : {"abc", "", "40000", "32767"}) {
            frm.notesTxt->setText(bad);
            desktop.answerSaveFile(programFile("bad"));
            QTest::mouseClick(frm.testCmd, Qt::LeftButton);
        }
        EXPECT_FALSE(QFile::exists(programFile("bad.htm")));
        desktop.answerSaveFile("");
        frm.notesTxt->setText("2");
        QTest::mouseClick(frm.testCmd, Qt::LeftButton);
        EXPECT_TRUE(desktop.opened.isEmpty());

        // Once in the question box, Enter makes a test rather than closing.
        frm.notesTxt->setFocus();
        QApplication::sendEvent(frm.notesTxt, new QFocusEvent(QEvent::FocusIn));
        EXPECT_TRUE(frm.testCmd->isDefault());
        desktop.answerSaveFile(programFile("two.htm"));
        QTest::keyClick(frm.notesTxt, Qt::Key_Return);
        EXPECT_TRUE(frm.isVisible());
    });
    EXPECT_EQ(desktop.opened, QStringList{programFile("two.htm")});
    EXPECT_EQ(readProgramFile("two.htm").count("What is this note?"), 2);
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(TestMaker, ClosingShowsTheNextQuestion)
{
    start();
    nextNoteIs(11);
    withTestMaker([](testFrm &frm) { QTest::mouseClick(frm.Command1, Qt::LeftButton); });
    EXPECT_EQ(w().lesson.PREV_NOTE, 11);
    EXPECT_EQ(w().lesson.expectedNote(), 65);
}

// The answer key of a small test of each type, whole: the notes drawn for
// the test, named as the lesson names them, the keys marked on the
// keyboard of the note's clef.
struct KeyPage
{
    const char *name;
    const char *clef;
    const char *chromatics;
    bool typeTwo;
    std::vector<int> notes; // MIDI numbers, drawn in this order
    const char *rows;       // with IMG for the images folder's address
};

void PrintTo(const KeyPage &row, std::ostream *out) { *out << row.name; }

class AnswerKeyPages : public TestMaker, public ::testing::WithParamInterface<KeyPage> {};

TEST_P(AnswerKeyPages, HoldEveryAnswerWhereItsQuestionStands)
{
    const KeyPage &row = GetParam();
    store(keys::Cleff, row.clef);
    store(keys::UseChromatics, row.chromatics);
    store(keys::AnswerKey, "True");
    start();
    for (int midi : row.notes)
        nextMidiIs(midi);
    makeTest(row.typeTwo, int(row.notes.size()), programFile("notes"));

    EXPECT_EQ(desktop.opened, (QStringList{programFile("notes.htm"), programFile("notes_key.htm")}));
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QByteArray expected =
        "<html><title>Staverly Note Test - " + today.toUtf8()
        + " - Answer Key</title><body leftmargin=0 topmargin=0><font face=arial size=4><B>Answer key for "
          "notes.htm</B></font><br clear=all><Table border=0 align=left cellpadding=0 cellspacing=0 >"
        + QByteArray(row.rows).replace("IMG", images())
        + "</table><BR clear=all><BR><center><a href=\"https://staverly.example/music/\">Brought to you by "
          "Pellworth Staverly Music...</a></center></body></html>\r\n";
    EXPECT_EQ(readProgramFile("notes_key.htm"), expected);
    // The test itself is the one its questions were drawn for.
    const QByteArray test = readProgramFile("notes.htm");
    for (int midi : row.notes)
        EXPECT_TRUE(test.contains(QByteArray(row.clef[0] == '1' ? "/b" : "/t") + QByteArray::number(midi) + ".gif"))
            << midi;
}

INSTANTIATE_TEST_SUITE_P(
    TestMaker, AnswerKeyPages,
    ::testing::Values(
        KeyPage{"TypeOneChromaticTreble", "0", "True", false, {60, 61, 72},
                "<TR><TD><img src='IMG/t60.gif' border=0><BR><font face=arial size=4> 1) - "
                "<B>Middle C (C4)</B></font></td>"
                "<TD><img src='IMG/t61.gif' border=0><BR><font face=arial size=4> 2) - "
                "<B>C# or Db (C#4 or Db4)</B></font></td></tr>"
                "<TR><TD><img src='IMG/t72.gif' border=0><BR><font face=arial size=4> 3) - "
                "<B>C (C5)</B></font></td><td></td></tr>"},
        KeyPage{"TypeTwoWhiteKeysBass", "1", "False", true, {36, 43},
                "<tr><TD valign=bottom><img src='IMG/b36.gif' border=0></td><td valign=middle><BR>"
                "<div style=\"position:relative;width:460px;height:120px\"><img src='IMG/b_piano.gif' border=0 "
                "width=460 height=120 style=\"display:block\"><span style=\"position:absolute;left:121px;top:77px;"
                "width:1px;height:1px;border:5px solid #C00000;border-radius:50%;background:#C00000;"
                "print-color-adjust:exact;-webkit-print-color-adjust:exact\"></span></div><br>"
                "<font face=arial size=3><B>1) - C (C2)</b></font></td></tr>"
                "<tr><TD valign=bottom><img src='IMG/b43.gif' border=0></td><td valign=middle><BR>"
                "<div style=\"position:relative;width:460px;height:120px\"><img src='IMG/b_piano.gif' border=0 "
                "width=460 height=120 style=\"display:block\"><span style=\"position:absolute;left:185px;top:77px;"
                "width:1px;height:1px;border:5px solid #C00000;border-radius:50%;background:#C00000;"
                "print-color-adjust:exact;-webkit-print-color-adjust:exact\"></span></div><br>"
                "<font face=arial size=3><B>2) - G (G2)</b></font></td></tr>"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TestMaker, WithoutTheAnswerKeyOnlyTheTestIsWrittenAndItIsTheSame)
{
    start();
    const auto sameNotes = [this] {
        for (int white : {8, 10, 12})
            nextNoteIs(white);
    };
    sameNotes();
    makeTest(true, 3, programFile("plain.htm"));
    const QStringList pages{"*.htm"};
    EXPECT_EQ(QDir(folder.path()).entryList(pages, QDir::Files), QStringList{"plain.htm"});
    EXPECT_EQ(desktop.opened, QStringList{programFile("plain.htm")});
    EXPECT_EQ(stored(keys::AnswerKey), "<none>");

    withTestMaker([](testFrm &frm) { QTest::mouseClick(frm.answerKeyChk, Qt::LeftButton); });
    sameNotes();
    makeTest(true, 3, programFile("keyed.htm"));
    EXPECT_EQ(QDir(folder.path()).entryList(pages, QDir::Files),
              (QStringList{"keyed.htm", "keyed_key.htm", "plain.htm"}));
    EXPECT_EQ(readProgramFile("keyed.htm"), readProgramFile("plain.htm"));
    EXPECT_TRUE(desktop.boxes.empty());
}

// What was stored by a previous run, and what the check box shows then;
// a click stores the new state at once, and the next opening shows it.
struct StoredKey
{
    const char *name;
    const char *stored; // null: never stored
    bool checked;
    const char *after;  // what the store holds after start-up
};

void PrintTo(const StoredKey &row, std::ostream *out) { *out << row.name; }

class AnswerKeyChoice : public TestMaker, public ::testing::WithParamInterface<StoredKey> {};

TEST_P(AnswerKeyChoice, IsReadAtStartAndStoredAtOnce)
{
    const StoredKey &row = GetParam();
    if (row.stored)
        store(keys::AnswerKey, row.stored);
    const bool unusable = row.stored && QString(row.after) != row.stored;
    if (unusable)
        desktop.answer(Desktop::Answer::Ok, [&](const test::ScriptedDesktop::Box &box) {
            EXPECT_TRUE(box.text.contains(QStringLiteral("ANSWER_KEY was \"%1\", now False").arg(row.stored)))
                << box.text.toStdString();
        });
    start();
    EXPECT_EQ(desktop.boxes.size(), unusable ? 1u : 0u);
    EXPECT_EQ(stored(keys::AnswerKey), row.after);

    withTestMaker([&](testFrm &frm) {
        EXPECT_EQ(frm.answerKeyChk->isChecked(), row.checked);
        EXPECT_EQ(frm.answerKeyChk->text(), "&Answer key");
        QTest::mouseClick(frm.answerKeyChk, Qt::LeftButton, {}, QPoint(6, frm.answerKeyChk->height() / 2));
        EXPECT_EQ(stored(keys::AnswerKey), row.checked ? "False" : "True") << "written before the dialog closes";
    });
    withTestMaker([&](testFrm &frm) { EXPECT_EQ(frm.answerKeyChk->isChecked(), !row.checked); });
}

INSTANTIATE_TEST_SUITE_P(TestMaker, AnswerKeyChoice,
                         ::testing::Values(StoredKey{"NeverStored", nullptr, false, "<none>"},
                                           StoredKey{"True", "True", true, "True"},
                                           StoredKey{"MinusOne", "-1", true, "-1"},
                                           StoredKey{"False", "False", false, "False"},
                                           StoredKey{"Unusable", "sometimes", false, "False"}),
                         [](const auto &info) { return std::string(info.param.name); });

// Below the type options and beside the button, in this desktop's fonts,
// and within the frame as placed, which it never makes grow: everything
// else keeps its place and size.
TEST_F(TestMaker, TheAnswerKeyBoxFitsBesideTheButton)
{
    start();
    withTestMaker([](testFrm &frm) {
        const QRect box = frm.answerKeyChk->geometry();
        EXPECT_GE(box.width(), frm.answerKeyChk->sizeHint().width());
        EXPECT_GT(box.top(), frm.type[0]->geometry().bottom());
        EXPECT_LT(box.right(), frm.testCmd->geometry().left());
        const QRect frame(QPoint(), twips(113, 800, 3915, 1155).size());
        // A frame grows to keep 6 pixels right and 4 below its controls.
        EXPECT_TRUE(frame.adjusted(0, 0, -6, -4).contains(box));
    });
}

// The folder refuses new files once the test is in it: the key cannot be
// saved, which is told once, and the test is opened all the same.
TEST_F(TestMaker, AnAnswerKeyThatCannotBeSavedIsToldOnceAndTheTestStillOpens)
{
    store(keys::AnswerKey, "True");
    start();
    const QString classFolder = programFile("class#1");
    ASSERT_TRUE(QDir().mkpath(classFolder));
    std::unique_ptr<test::LockedFolder> locked;
    desktop.onProcessEvents([&] {
        if (!locked && QFile::exists(classFolder + "/notes.htm"))
            locked = std::make_unique<test::LockedFolder>(classFolder);
    });
    const QString key = classFolder + "/notes_key.htm";
    desktop.answer(Desktop::Answer::Ok, [&](const test::ScriptedDesktop::Box &box) {
        const QString told = QStringLiteral("The note test was saved, but its answer key could not be saved as "
                                            "\"%1\": ").arg(key);
        EXPECT_TRUE(box.text.startsWith(told)) << box.text.toStdString();
        EXPECT_GT(box.text.size(), told.size()) << "the reason is given";
        EXPECT_EQ(box.icon, Desktop::Icon::Warning);
    });
    makeTest(false, 4, classFolder + "/notes.htm");
    desktop.onProcessEvents({});
    ASSERT_TRUE(locked);
    if (!locked->locked())
        GTEST_SKIP() << "this machine cannot make a folder unwritable";
    EXPECT_TRUE(desktop.scriptDone());
    EXPECT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.opened, QStringList{classFolder + "/notes.htm"});
    EXPECT_FALSE(QFile::exists(key));
    EXPECT_EQ(QDir(classFolder).entryList(QDir::Files | QDir::Hidden), QStringList{"notes.htm"});
}

// A file already under the key's name: an earlier key goes without a
// question; anything else (here a test once saved as "notes_key") is
// replaced only on Yes, and on No the test is saved and opened alone.
TEST_F(TestMaker, AFileUnderTheKeysNameThatIsNoKeyIsReplacedOnlyOnYes)
{
    store(keys::AnswerKey, "True");
    start();
    const QString key = programFile("notes_key.htm");
    struct Row
    {
        const char *name;
        bool earlierKey;
        std::optional<Desktop::Answer> reply;
        bool replaced;
    };
    for (const Row &row : {Row{"an earlier key", true, std::nullopt, true},
                           Row{"a test, kept", false, Desktop::Answer::No, false},
                           Row{"a test, replaced", false, Desktop::Answer::Yes, true}}) {
        SCOPED_TRACE(row.name);
        if (row.earlierKey) {
            makeTest(false, 2, programFile("notes.htm"));
        } else {
            QFile::remove(key);
            makeTest(false, 2, key);
        }
        const QByteArray before = readProgramFile("notes_key.htm");
        ASSERT_FALSE(before.isEmpty());
        desktop.boxes.clear();
        desktop.opened.clear();
        if (row.reply) {
            desktop.answer(*row.reply, [](const test::ScriptedDesktop::Box &box) {
                EXPECT_EQ(box.text, "notes_key.htm already exists.\nDo you want to replace it?");
                EXPECT_EQ(box.title, "Save Note Test As...");
            });
        }
        makeTest(false, 3, programFile("notes.htm"));
        EXPECT_TRUE(desktop.scriptDone());
        EXPECT_EQ(desktop.boxes.size(), row.reply ? 1u : 0u);
        EXPECT_EQ(readProgramFile("notes_key.htm") != before, row.replaced);
        QStringList opened{programFile("notes.htm")};
        if (row.replaced)
            opened << key;
        EXPECT_EQ(desktop.opened, opened);
    }
}

} // namespace
