// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window over a small history played in the real window.
#include "mainwindowfixture.h"

#include "answerhistory.h"
#include "progressfrm.h"
#include "weaknotemap.h"

#include <QButtonGroup>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace staverly;
using test::MainWindowFixture;

namespace {

class Progress : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }

    // A lesson played by the pupil: C4 asked, answered D4 then C4, then E4
    // answered right, on keys.
    void playALesson()
    {
        nextNoteIs(8);
        clickNew();
        nextWordIs(0);
        clickKey(keyOfAnswer() + 2);
        nextWordIs(0);
        nextNoteIs(10);
        clickKey(keyOfAnswer());
        nextWordIs(0);
        nextNoteIs(9);
        clickKey(keyOfAnswer());
    }

    void withProgress(const std::function<void(progressFrm &)> &look)
    {
        desktop.onModal("progressFrm", [&](QDialog &dialog) { look(static_cast<progressFrm &>(dialog)); });
        w().progressItem->trigger();
    }
};

TEST_F(Progress, ALessonPlayedShowsInTheChartTheMapTheListAndTheExport)
{
    store(keys::PlayerName, "Zoë, \"the\" <pupil>");
    start();
    playALesson();
    ASSERT_EQ(w().lesson.YES, 2);
    ASSERT_EQ(w().lesson.NO, 1);
    withProgress([this](progressFrm &frm) {
        EXPECT_EQ(frm.player(), "Zoë, \"the\" <pupil>");
        // Today's lesson: 2 of 3 answers right, in the treble.
        const auto series = frm.chartView->chart()->series();
        ASSERT_EQ(series.size(), 2) << "a treble score and a treble time";
        auto *score = qobject_cast<QLineSeries *>(series.front());
        ASSERT_TRUE(score);
        EXPECT_EQ(score->name(), "Treble score");
        ASSERT_EQ(score->count(), 1);
        EXPECT_NEAR(score->at(0).y(), 100.0 * 2 / 3, 0.5);

        // C4 was answered wrong once out of twice; D4 never asked.
        const int c4 = NoteModel::midiToKey(60, 0);
        EXPECT_EQ(frm.noteMap->describe(c4).left(25), "C4: 2 answers, 1 wrong (5");
        EXPECT_DOUBLE_EQ(frm.noteMap->weakness(c4), 0.5);
        EXPECT_EQ(frm.noteMap->describe(c4 + 2), "D4: not asked yet");
        EXPECT_EQ(frm.noteMap->weakness(c4 + 2), 0.0);
        // What the colours show, for a screen reader: the weakest key first.
        EXPECT_TRUE(frm.noteMap->accessibleDescription().startsWith("Weakest first: C4: 2 answers, 1 wrong"))
            << frm.noteMap->accessibleDescription().toStdString();
        ASSERT_GE(frm.confusedLst->count(), 1);
        EXPECT_EQ(frm.confusedLst->item(0)->text(), "C4 (Treble) answered as D4: 1 time");

        const QString csv = programFile("answers.csv");
        desktop.answerSaveFile(csv);
        QTest::mouseClick(frm.exportCmd, Qt::LeftButton);
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        EXPECT_EQ(lines.size(), 5) << "a header, three answers and the end";
        EXPECT_TRUE(lines.value(1).contains("\"Zoë, \"\"the\"\" <pupil>\"")) << lines.value(1).toStdString();
        QTest::mouseClick(frm.closeCmd, Qt::LeftButton);
    });
    EXPECT_TRUE(desktop.boxes.empty());
}

// A damaged answer history in a folder that may be read-only (root may
// write anyway: then the file is set aside) is told once, beside the
// counters, never in a box, and the lessons and the window go on.
TEST_F(Progress, AHistoryThatCannotBeUsedIsToldQuietlyAndTheLessonGoesOn)
{
    QFile junk(programFile("history.sqlite"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, 'x'));
    junk.close();
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    start();
    QCoreApplication::processEvents();
    playALesson();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w().noticeLbl->isVisible());
    EXPECT_TRUE(w().noticeLbl->toolTip().contains("history.sqlite")) << w().noticeLbl->toolTip().toStdString();
    EXPECT_EQ(w().lesson.TRYS, 3);
    EXPECT_TRUE(desktop.boxes.empty());
    // Answers of this run are still there to see.
    withProgress([](progressFrm &frm) { EXPECT_GE(frm.confusedLst->count(), 1); });
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Nothing is deleted: the damaged file is there, as it was or set aside.
    const QStringList kept = QDir(folder.path()).entryList({"history.sqlite*"});
    EXPECT_FALSE(kept.isEmpty());
    // A file set aside for a new one loses no answer, and the notice says so.
    const bool setAside = !kept.filter("corrupt").isEmpty();
    EXPECT_TRUE(w().noticeLbl->text().contains(setAside ? "History started anew" : "Answers not kept"))
        << w().noticeLbl->text().toStdString();
}

} // namespace
