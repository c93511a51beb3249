// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "gradelog.h"
#include "gradereport.h"
#include "graderows.h"
#include "gradesfrm.h"
#include "lockedfolder.h"
#include "textlines.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;

namespace {

// What a log holds, read as the window and the report read it: its records
// in order, and how many lines could not be read as one.
struct LogContents
{
    std::vector<GradeLog::Record> records;
    int unreadable = 0;
};

LogContents parseAll(const QByteArray &bytes)
{
    LogContents contents;
    for (const QString &line : TextLines::lines(bytes)) {
        if (line.trimmed().isEmpty())
            continue;
        if (auto record = GradeLog::parse(line.toUtf8()))
            contents.records.push_back(*record);
        else
            ++contents.unreadable;
    }
    return contents;
}

class Grades : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }

    void writeLog(const QByteArray &bytes)
    {
        QFile file(programFile("grades.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void withGrades(std::function<void(gradesFrm &)> act)
    {
        desktop.onModal("gradesFrm", [act](QDialog &dialog) { act(static_cast<gradesFrm &>(dialog)); });
        w().gradesItem->trigger();
    }

    static QStringList row(const gradesFrm &frm, int r)
    {
        QStringList cells;
        const QAbstractItemModel *model = frm.gradesGrid->model();
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        return cells;
    }

    static QString headerOf(const gradesFrm &frm, int c)
    {
        return frm.gradesGrid->model()->headerData(c, Qt::Horizontal).toString();
    }

    static QString date(int y, int m, int d)
    {
        return QLocale::system().toString(QDate(y, m, d), QLocale::ShortFormat);
    }

    static constexpr const char *Two = "\"Anna, Lee\",\"Treble Clef\",9,1,90,#2002-03-15#\r\n"
                                       "\"Ben\",\"Base Clef\",3,1,75,#2002-03-16#\r\n";
};

TEST_F(Grades, TheListShowsEachLessonUnderTheHeader)
{
    writeLog(QByteArray(Two) + "\"Carl\",\"Treble Clef\",1,0,100,#2002-03-17#\r\n");
    start();
    withGrades([](gradesFrm &frm) {
        EXPECT_EQ(frm.windowTitle(), "Grades");
        const QStringList header{"User Name                ", "Lesson         ", "Yes    ", "No     ",
                                 "Score   ", "Date                              "};
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(headerOf(frm, c), header.at(c));
        // Each column as wide as its text: the date's is the widest.
        EXPECT_GT(frm.gradesGrid->columnWidth(5), frm.gradesGrid->columnWidth(0));
        ASSERT_EQ(frm.gradesGrid->model()->rowCount(), 3);
        // A comma in a name stays inside it.
        EXPECT_EQ(row(frm, 0), (QStringList{"Anna, Lee", "Treble Clef", "9", "1", "90%", date(2002, 3, 15)}));
        EXPECT_EQ(row(frm, 1), (QStringList{"Ben", "Base Clef", "3", "1", "75%", date(2002, 3, 16)}));
        EXPECT_TRUE(frm.printCmd->isEnabled());
        QTest::mouseClick(frm.closecmd, Qt::LeftButton);
        EXPECT_FALSE(frm.isVisible());
    });
}

TEST_F(Grades, WithoutALogAnEmptyOneIsMadeAndThereIsNothingToPrint)
{
    start();
    withGrades([this](gradesFrm &frm) {
        EXPECT_TRUE(QFile::exists(programFile("grades.txt")));
        EXPECT_EQ(frm.gradesGrid->model()->rowCount(), 1);
        EXPECT_EQ(row(frm, 0), QStringList(6, QString()));
        EXPECT_FALSE(frm.printCmd->isEnabled());
        QTest::mouseClick(frm.clearCmd, Qt::LeftButton);
    });
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(Grades, OneLessonIsNotClearedTwoAreAfterAskingAndTheFileGoes)
{
    writeLog("\"Ben\",\"Base Clef\",3,1,75,#2002-03-16#\r\n");
    start();
    withGrades([](gradesFrm &frm) { QTest::mouseClick(frm.clearCmd, Qt::LeftButton); });
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_TRUE(desktop.boxes.empty());

    writeLog(Two);
    withGrades([this](gradesFrm &frm) {
        desktop.answer(Answer::No, [](const auto &box) {
            EXPECT_EQ(box.title, "Remove Grades Notification");
            EXPECT_EQ(box.text, "Are you sure you want to clear this list?\r\nChange can not be undone.");
            EXPECT_EQ(box.buttons, Desktop::Buttons::YesNo);
            EXPECT_EQ(box.icon, Desktop::Icon::Question);
        });
        QTest::mouseClick(frm.clearCmd, Qt::LeftButton);
        EXPECT_TRUE(QFile::exists(programFile("grades.txt")));
        EXPECT_EQ(row(frm, 1).first(), "Ben");

        desktop.answer(Answer::Yes);
        QTest::mouseClick(frm.clearCmd, Qt::LeftButton);
        EXPECT_FALSE(QFile::exists(programFile("grades.txt")));
        EXPECT_EQ(frm.gradesGrid->model()->rowCount(), 2) << "the rows stay, blank";
        EXPECT_EQ(row(frm, 0), QStringList(6, QString()));
        EXPECT_EQ(headerOf(frm, 0), "");
        EXPECT_FALSE(frm.printCmd->isEnabled());
    });
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(Grades, TheReportAlternatesRowsReplacesTheFileAndOpensInTheBrowser)
{
    // Names are shown as text, whatever they hold; the others keep every byte.
    writeLog(QByteArray(Two) + "\"<!--\",\"Treble Clef\",1,0,100,#2002-03-17#\r\n"
             + "\"<script>alert(1)</script> & \"Co\"\",\"Base Clef\",0,2,0,#2002-03-18#\r\n");
    const QString target = programFile("report");
    QFile old(target + ".htm");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older report that is much longer than nothing");
    old.close();
    start();
    withGrades([&](gradesFrm &frm) {
        desktop.answerSaveFile("");
        QTest::mouseClick(frm.printCmd, Qt::LeftButton);
        EXPECT_TRUE(desktop.opened.isEmpty()) << "cancelled: nothing written or opened";
        desktop.answerSaveFile(target);
        QTest::mouseClick(frm.printCmd, Qt::LeftButton);
    });
    ASSERT_EQ(desktop.opened, QStringList{target + ".htm"});
    const auto cell = [](const char *text) { return QStringLiteral("<TD><font face=arial size=2>") + text; };
    const auto counts = [](int yes, int no, int score) {
        return QStringLiteral("</font></td><TD><font face=arial size=2 color=green><B>+ %1</font></td>"
                              "<TD><font face=arial size=2 color=red><B>- %2</font></td>"
                              "<TD><font face=arial size=2 color=navy><B> %3%</font></td>")
            .arg(yes)
            .arg(no)
            .arg(score);
    };
    const auto when = [](int day) {
        return QStringLiteral("<TD><font face=arial size=2><I>") + date(2002, 3, day)
               + QStringLiteral("</i></font></td></tr>");
    };
    const QString expected =
        QStringLiteral("<html><title>Staverly Grade Report</title><table bgcolor=navy align=center><tr><Td>"
                       "<table cellspacing=2 cellpadding=2 align=center bgcolor=white>"
                       "<TR bgcolor=navy><TD align=center><font face=arial size=2 color=white><B>Name</font></td>"
                       "<TD align=center><font face=arial size=2 color=white><B>Lesson</font></td>"
                       "<TD align=center><font face=arial size=2 color=white><B>Yes </font></td>"
                       "<TD align=center><font face=arial size=2 color=white><B>No </font></td>"
                       "<TD align=center><font face=arial size=2 color=white><B>Score</font></td>"
                       "<TD align=center><font face=arial size=2 color=white><B>Date</font></td></tr>")
        + "<TR bgcolor=white>" + cell("Anna, Lee") + "</font></td>" + cell("Treble Clef") + counts(9, 1, 90) + when(15)
        + "<TR bgcolor=silver>" + cell("Ben") + "</font></td>" + cell("Base Clef") + counts(3, 1, 75) + when(16)
        + "<TR bgcolor=white>" + cell("&lt;!--") + "</font></td>" + cell("Treble Clef") + counts(1, 0, 100) + when(17)
        + "<TR bgcolor=silver>" + cell("&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;Co&quot;") + "</font></td>"
        + cell("Base Clef") + counts(0, 2, 0) + when(18)
        + "</table></td></tr></table><BR><center><a href=\"https://staverly.example/music/\">"
          "staverly.example/music/</a></center></html>\r\n";
    EXPECT_EQ(QString::fromUtf8(readProgramFile("report.htm")), expected);
}

// Logs as other editors leave them: old Mac line ends, Windows-1252, UTF-16,
// and a name that held a line break; each record is listed as one row.
TEST(GradeLogRecords, AnyLineEndAndEncodingListsEveryLesson)
{
    const QByteArray mac = "\"Ann\",\"Treble Clef\",1,0,100,#2026-12-01#\r\"Ben\",\"Base Clef\",2,0,100,#2026-12-02#"
                           "\r\"Carl\",\"Treble Clef\",3,1,75,#2026-12-03#\r";
    QByteArray utf16("\xFF\xFE");
    const QString wide = QString::fromUtf8("\"Zoë\",\"Base Clef\",1,0,100,#2026-12-04#\r\n");
    utf16.append(reinterpret_cast<const char *>(wide.utf16()), wide.size() * 2);
    const QByteArray broken = GradeLog::format({"Tom\nTim", "Treble Clef", 1, 0, 100, QDate(2026, 12, 5)});
    const struct
    {
        QByteArray log;
        QStringList players;
    } cases[] = {
        {mac, {"Ann", "Ben", "Carl"}},
        {"\"Zo\xEB\",\"Base Clef\",1,0,100,#2026-12-04#\r\n\"Zo\xC3\xAB\",\"Base Clef\",1,0,100,#2026-12-04#\r\n",
         {"Zoë", "Zoë"}},
        {utf16, {"Zoë"}},
        {broken, {"Tom Tim"}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("grades.txt");
    for (const auto &c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.log);
        file.close();
        GradeRows rows({"Name", "Lesson", "Yes", "No", "Score", "Date"});
        ASSERT_TRUE(rows.load(path));
        EXPECT_EQ(rows.unreadable(), 0) << c.log.toStdString();
        QStringList players;
        for (int r = 0; r < rows.records(); ++r)
            players << rows.index(r, 0).data().toString();
        EXPECT_EQ(players, c.players);
    }
}

// A line end split between two pieces of the read (CR at the end of one, LF
// at the start of the next) ends one line, not two; CR or LF alone the same.
TEST(GradeLogRecords, ALineEndSplitBetweenPiecesEndsOneLine)
{
    constexpr qsizetype Piece = 1 << 20;
    const QDate day(2026, 12, 7);
    for (const QByteArray &ending : {QByteArray("\r\n"), QByteArray("\r"), QByteArray("\n")}) {
        QByteArray log;
        QStringList players;
        const auto add = [&](const QString &name) {
            log += GradeLog::format({name, "Treble Clef", 1, 0, 100, day}).chopped(2) + ending;
            players << name;
        };
        while (log.size() < Piece - 200)
            add(QStringLiteral("Pupil %1").arg(players.size()));
        const qsizetype bare = GradeLog::format({"", "Treble Clef", 1, 0, 100, day}).size() - 2;
        add(QString(int(Piece - 1 - log.size() - bare), QLatin1Char('x')));
        ASSERT_EQ(log.at(Piece - 1), ending.at(0));
        add("After");
        QTemporaryDir dir;
        QFile file(dir.filePath("grades.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(log);
        file.close();
        GradeRows rows(gradesFrm::columns());
        ASSERT_TRUE(rows.load(file.fileName()));
        EXPECT_EQ(rows.unreadable(), 0) << ending.size();
        ASSERT_EQ(rows.records(), players.size()) << ending.size();
        for (int r : {rows.records() - 2, rows.records() - 1})
            EXPECT_EQ(rows.index(r, 0).data().toString(), players.at(r));
        QBuffer in(&log);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        qsizetype lines = 0;
        TextLines::forEach(in, [&lines](QByteArrayView, qint64) { return ++lines > 0; });
        EXPECT_EQ(lines, players.size()) << "no empty line between CR and LF";
    }
}

// A log not UTF-8 throughout is written anew as UTF-8 with the new lesson,
// once; after that lessons are appended as always.
TEST(GradeLogRecords, AppendingToAnOldLogRewritesItAsUtf8)
{
    QTemporaryDir dir;
    const GradeLog log(dir.path());
    QFile file(log.fileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"Zo\xEB\",\"Base Clef\",1,0,100,#2026-12-04#\r");
    file.close();
    const GradeLog::Record ben{"Ben", "Base Clef", 3, 1, 75, QDate(2026, 12, 7)};
    const TextLines::Written first = log.append(ben);
    EXPECT_TRUE(first.failure.isEmpty() && first.converted);
    const TextLines::Written second = log.append(ben);
    EXPECT_TRUE(second.failure.isEmpty() && !second.converted);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "\"Zo\xC3\xAB\",\"Base Clef\",1,0,100,#2026-12-04#\r\n" + GradeLog::format(ben)
                                  + GradeLog::format(ben));
}

TEST(GradeLogRecords, ReadBackAsWrittenAndOddLinesAreCountedNotLost)
{
    const GradeLog::Record anna{"Anna, Lee", "Treble Clef", 9, 1, 90, QDate(2002, 3, 15)};
    const QByteArray written = GradeLog::format(anna);
    EXPECT_EQ(written, "\"Anna, Lee\",\"Treble Clef\",9,1,90,#2002-03-15#\r\n");
    // The format does not escape quotes: such a name is still read back whole.
    const QByteArray odd = GradeLog::format({"Bob \"the\" B", "Base Clef", -3, 0, 0, QDate(2026, 12, 7)});
    const QByteArray log = written + odd + "garbage line\r\n\r\n\"Ann\",\"Treble Clef\",1,2,99999,#2026-12-07#\n"
                           + "\"Ann\",\"Treble Clef\",1,2,3,#2026-02-30#\n\"Zoë\",\"Base Clef\",1,0,100,#2026-12-07#";
    const LogContents contents = parseAll(log);
    ASSERT_EQ(contents.records.size(), 3u);
    EXPECT_EQ(contents.records[0].player, "Anna, Lee");
    EXPECT_EQ(contents.records[0].date, QDate(2002, 3, 15));
    EXPECT_EQ(contents.records[1].player, "Bob \"the\" B");
    EXPECT_EQ(contents.records[1].lesson, "Base Clef");
    EXPECT_EQ(contents.records[1].yes, -3);
    EXPECT_EQ(contents.records[2].player, "Zoë");
    EXPECT_EQ(contents.unreadable, 3) << "garbage, a score past 16 bits, 30 February";
    // The ends of the 16-bit range are counts like any other.
    const auto widest = GradeLog::parse("\"Max\",\"Base Clef\",32767,-32768,32767,#2026-12-07#");
    ASSERT_TRUE(widest);
    EXPECT_EQ(widest->yes, 32767);
    EXPECT_EQ(widest->no, -32768);
}

// A name is text, never a pattern: %1 in it must not take a number's place.
TEST(GradeLogRecords, NamesAreWrittenAsTheyAre)
{
    const QDate day(2026, 12, 7);
    for (const QString name : {"Tom%1", "100%", "%3 %2 %1", "Lee, Ann", "Zoë Ægir", "L%1%2%3%4%5%6"}) {
        const GradeLog::Record record{name, "Treble Clef", 5, 3, 62, day};
        const QByteArray line = GradeLog::format(record);
        EXPECT_EQ(line, "\"" + name.toUtf8() + "\",\"Treble Clef\",5,3,62,#2026-12-07#\r\n");
        const auto back = GradeLog::parse(line.chopped(2));
        ASSERT_TRUE(back) << line.toStdString();
        EXPECT_EQ(back->player, name);
        EXPECT_EQ(back->yes, 5);
        EXPECT_EQ(back->date, day);
    }
}

// The window reads a big log a megabyte at a time and each row only when
// shown: records that straddle the pieces, odd lines among them, a last
// line without its end and a file cut short afterwards all come out as the
// whole log read at once says.
TEST(GradeLogRecords, TheListedRowsAreTheRecordsOfABigLogReadAtOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("grades.txt");
    QByteArray log;
    for (int i = 0; log.size() < 3 * (1 << 20) + 5000; ++i) {
        // Lines of changing length, so that records straddle every piece.
        log += GradeLog::format({QStringLiteral("Pupil %1 %2").arg(i).arg(QString(i % 97, QChar(0xE9))),
                                 GradeLog::lessonName(qint16(i % 2)), qint16(i % 50), qint16(i % 7),
                                 qint16(i % 101), QDate(2020, 1, 1).addDays(i % 2000)});
        if (i % 1000 == 0)
            log += "not a lesson\r\n\r\n";
    }
    log += "\"Last\",\"Base Clef\",1,2,33,#2026-12-07#";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(log);
    file.close();

    const LogContents whole = parseAll(log);
    GradeRows rows(gradesFrm::columns());
    ASSERT_TRUE(rows.load(path));
    ASSERT_EQ(rows.records(), int(whole.records.size()));
    EXPECT_EQ(rows.unreadable(), whole.unreadable);
    const auto cells = [&rows](int r) {
        QStringList texts;
        for (int c = 0; c < rows.columnCount(); ++c)
            texts << rows.index(r, c).data().toString();
        return texts;
    };
    for (int r = 0; r < rows.records(); r += 173) {
        const GradeLog::Record &expected = whole.records[std::size_t(r)];
        ASSERT_EQ(cells(r).mid(0, 5), (QStringList{expected.player, expected.lesson, QString::number(expected.yes),
                                                   QString::number(expected.no),
                                                   QString::number(expected.score) + "%"}))
            << "row " << r;
    }
    EXPECT_EQ(cells(rows.records() - 1).first(), "Last");

    // Cut short by someone else while shown: the rows beyond are blank.
    ASSERT_TRUE(QFile::resize(path, 1000));
    EXPECT_EQ(cells(rows.records() - 2), QStringList(6, QString()));
    EXPECT_FALSE(rows.load(dir.filePath("missing.txt")));
    EXPECT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(cells(0), QStringList(6, QString()));
}

// The report is written as the log is read, and is the same document
// whichever size the pieces are; the mark for names beyond ASCII is decided
// before the first byte.
TEST(GradeLogRecords, TheStreamedReportHoldsEveryRecordOfABigLog)
{
    QByteArray log;
    for (int i = 0; log.size() < 2 * (1 << 20); ++i)
        log += GradeLog::format({QStringLiteral("P<%1>").arg(i), "Treble Clef", 1, 0, 100, QDate(2026, 12, 7)});
    const int records = int(parseAll(log).records.size());
    QBuffer in(&log);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_FALSE(GradeReport::beyondAscii(in));
    EXPECT_EQ(in.pos(), 0);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(GradeReport::write(in, out));
    const QByteArray page = out.data();
    EXPECT_EQ(page.count("<TR bgcolor=white>") + page.count("<TR bgcolor=silver>"), records);
    EXPECT_TRUE(page.contains(QStringLiteral("P&lt;%1&gt;").arg(records - 1).toUtf8()));
    EXPECT_TRUE(page.endsWith("</center></html>"));

    QByteArray named = log + GradeLog::format({"Zoë", "Base Clef", 1, 0, 100, QDate(2026, 12, 7)});
    QBuffer accented(&named);
    ASSERT_TRUE(accented.open(QIODevice::ReadOnly));
    EXPECT_TRUE(GradeReport::beyondAscii(accented));
}

TEST(GradeLogRecords, AppendingStartsOnANewLineAndSaysWhyItFailed)
{
    QTemporaryDir dir;
    const GradeLog log(dir.path());
    const GradeLog::Record ben{"Ben", "Base Clef", 3, 1, 75, QDate(2026, 12, 7)};
    QFile cut(log.fileName());
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write("\"Ann\",\"Treble Clef\",1,0,100,#2026-12-06#"); // no line end
    cut.close();
    EXPECT_EQ(log.append(ben).failure, "");
    QFile back(log.fileName());
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    const LogContents contents = parseAll(back.readAll());
    ASSERT_EQ(contents.records.size(), 2u);
    EXPECT_EQ(contents.records[1].player, "Ben");
    EXPECT_EQ(contents.unreadable, 0);

    // A full disk: the write fails when it is flushed, and says why.
    QTemporaryDir full;
    ASSERT_TRUE(QFile::link("/dev/full", QDir(full.path()).filePath("grades.txt")));
    EXPECT_TRUE(GradeLog(full.path()).append(ben).failure.contains("space", Qt::CaseInsensitive));
}

TEST_F(Grades, AGradeLogOnAFullDiskIsToldOnceAndTheLessonsGoOn)
{
    ASSERT_TRUE(QFile::link("/dev/full", programFile("grades.txt")));
    start();
    desktop.answer(Answer::Ok, [this](const auto &box) {
        EXPECT_EQ(box.title, "Staverly - Grades Error");
        EXPECT_TRUE(box.text.contains(programFile("grades.txt")));
        EXPECT_TRUE(box.text.contains("No space left on device")) << box.text.toStdString();
    });
    for (int lesson = 0; lesson < 3; ++lesson) {
        nextNoteIs(8);
        clickNew();
        nextWordIs(0);
        nextNoteIs(9);
        clickKey(keyOfAnswer());
        ASSERT_EQ(w().lesson.YES, 1);
    }
    nextNoteIs(8);
    clickNew(); // the third lesson's record fails silently now
    EXPECT_EQ(desktop.boxes.size(), 1u);
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(Grades, ClearThatCannotDeleteTheLogKeepsTheListAndPrint)
{
    writeLog(Two);
    start();
    test::LockedFolder locked(folder.path());
    if (!locked.locked())
        GTEST_SKIP() << "this machine cannot make a folder unwritable";
    withGrades([this](gradesFrm &frm) {
        desktop.answer(Answer::Yes);
        desktop.answer(Answer::Ok, [](const auto &box) {
            EXPECT_TRUE(box.text.contains("could not be deleted")) << box.text.toStdString();
        });
        QTest::mouseClick(frm.clearCmd, Qt::LeftButton);
        EXPECT_EQ(row(frm, 1).value(0), "Ben");
        EXPECT_EQ(headerOf(frm, 0), gradesFrm::columns().front());
        EXPECT_TRUE(frm.printCmd->isEnabled());
    });
    EXPECT_EQ(readProgramFile("grades.txt"), QByteArray(Two));
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(Grades, UnreadableLinesAreToldAndTheRestIsShown)
{
    writeLog(QByteArray("garbage\r\n") + Two);
    start();
    desktop.answer(Answer::Ok, [](const auto &box) {
        EXPECT_EQ(box.title, "Grades");
        EXPECT_TRUE(box.text.startsWith("1 line(s) of the grade log")) << box.text.toStdString();
    });
    withGrades([](gradesFrm &frm) { EXPECT_EQ(frm.gradesGrid->model()->rowCount(), 2); });
    EXPECT_TRUE(readProgramFile("grades.txt").startsWith("garbage\r\n"));
    EXPECT_TRUE(desktop.scriptDone());
}

} // namespace
