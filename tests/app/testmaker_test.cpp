#include "mainwindowfixture.h"

#include "testfrm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFocusEvent>
#include <QFile>
#include <QLineEdit>
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

} // namespace
