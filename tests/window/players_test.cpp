// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "maindialogs.h"

#include "fulldisk.h"
#include "playerfrm.h"
#include "playerlist.h"
#include "setupfrm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;

namespace {

class Players : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }

    void writePlayers(const QByteArray &bytes)
    {
        QFile file(programFile("players.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Opens Player Setup from the menu and lets `act` be the person in front of it.
    void withPlayerSetup(std::function<void(playerFrm &)> act)
    {
        desktop.onModal("playerFrm", [act](QDialog &dialog) { act(static_cast<playerFrm &>(dialog)); });
        w().playItem->trigger();
    }

    static QStringList shown(const playerFrm &frm)
    {
        QStringList names;
        for (int i = 0; i < frm.playerCbo->count(); ++i)
            names << frm.playerCbo->item(i)->text();
        return names;
    }

    static int selectedRow(const playerFrm &frm)
    {
        const auto selected = frm.playerCbo->selectedItems();
        return selected.isEmpty() ? -1 : frm.playerCbo->row(selected.front());
    }

    static void clickRow(playerFrm &frm, int row)
    {
        QListWidget *list = frm.playerCbo;
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
};

TEST_F(Players, OpeningSelectsTheStoredPlayerAndAChoiceIsStoredAtOnce)
{
    writePlayers("Anna Lee\r\nBen\r\nMary Ann Smith\r\n");
    store(keys::PlayerIndex, "1");
    store(keys::PlayerName, "Ben");
    start();
    withPlayerSetup([this](playerFrm &frm) {
        EXPECT_EQ(frm.windowTitle(), "Player Setup");
        EXPECT_EQ(shown(frm), (QStringList{"Anna Lee", "Ben", "Mary Ann Smith"}));
        EXPECT_EQ(selectedRow(frm), 1);
        EXPECT_TRUE(frm.removeCmd->isEnabled());
        clickRow(frm, 2);
        // Stored before the dialog closes.
        EXPECT_EQ(stored(keys::PlayerIndex), "2");
        EXPECT_EQ(stored(keys::PlayerName), "Mary Ann Smith");
        EXPECT_EQ(w().nameLbl->text(), "Ben...");
        QTest::mouseClick(frm.okCmd, Qt::LeftButton);
        EXPECT_FALSE(frm.isVisible());
    });
    EXPECT_EQ(w().lesson.PLAYER_NAME, "Mary Ann Smith");
    EXPECT_EQ(w().nameLbl->text(), "Mary...");
    EXPECT_EQ(w().dialogs().lessonSetup().nameLbl->text(), "Mary Ann Smith");
}

TEST_F(Players, AddingTomToAnEmptyListMakesHimCurrent)
{
    start();
    QFile::remove(programFile("players.txt"));
    desktop.answerInput("Tom");
    withPlayerSetup([this](playerFrm &frm) {
        // The missing list is created empty, and OK will not close without a player.
        EXPECT_TRUE(QFile::exists(programFile("players.txt")));
        EXPECT_EQ(frm.playerCbo->count(), 0);
        EXPECT_FALSE(frm.removeCmd->isEnabled());
        desktop.answer(Answer::Ok, [](const auto &box) {
            EXPECT_EQ(box.title, "Player Setup Error");
            EXPECT_EQ(box.text, "You have not selected a current player!\r\n"
                                "You must select one before closing this window.");
            EXPECT_EQ(box.icon, Desktop::Icon::Warning);
        });
        QTest::mouseClick(frm.okCmd, Qt::LeftButton);
        EXPECT_TRUE(frm.isVisible());
        EXPECT_EQ(frm.result(), QDialog::Rejected);

        QTest::mouseClick(frm.addCmd, Qt::LeftButton);
        EXPECT_EQ(desktop.inputPrompts, (QStringList{"Please enter name!"}));
        EXPECT_EQ(shown(frm), (QStringList{"Tom"}));
        EXPECT_EQ(selectedRow(frm), 0);
        QTest::mouseClick(frm.okCmd, Qt::LeftButton);
    });
    EXPECT_EQ(readProgramFile("players.txt"), QByteArray("Tom\r\n"));
    EXPECT_EQ(stored(keys::PlayerIndex), "0");
    EXPECT_EQ(stored(keys::PlayerName), "Tom");
    EXPECT_EQ(w().nameLbl->text(), "Tom...");
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(Players, CancellingOrEmptyAddsNothingAndADuplicateIsAddedAgain)
{
    writePlayers("Ben\r\n");
    start();
    withPlayerSetup([this](playerFrm &frm) {
        desktop.answerInput("");
        QTest::mouseClick(frm.addCmd, Qt::LeftButton);
        EXPECT_EQ(shown(frm), (QStringList{"Ben"}));
        desktop.answerInput("Ben");
        QTest::mouseClick(frm.addCmd, Qt::LeftButton);
        EXPECT_EQ(shown(frm), (QStringList{"Ben", "Ben"}));
        EXPECT_EQ(selectedRow(frm), 1);
        QTest::mouseClick(frm.okCmd, Qt::LeftButton);
    });
    EXPECT_EQ(readProgramFile("players.txt"), QByteArray("Ben\r\nBen\r\n"));
    EXPECT_EQ(stored(keys::PlayerIndex), "1");
}

TEST_F(Players, RemovingTheMiddleKeepsTheOthersInOrderAndChoosesNobody)
{
    writePlayers("Anna\r\nBen\r\nCarl\r\n");
    store(keys::PlayerIndex, "2");
    store(keys::PlayerName, "Carl");
    start();
    withPlayerSetup([this](playerFrm &frm) {
        clickRow(frm, 1);
        ASSERT_EQ(stored(keys::PlayerName), "Ben");
        QTest::mouseClick(frm.removeCmd, Qt::LeftButton);
        EXPECT_EQ(shown(frm), (QStringList{"Anna", "Carl"}));
        // No neighbour became the current player on the way.
        EXPECT_EQ(selectedRow(frm), -1);
        EXPECT_FALSE(frm.removeCmd->isEnabled());
        EXPECT_EQ(stored(keys::PlayerIndex), "1");
        EXPECT_EQ(stored(keys::PlayerName), "Ben");
    });
    EXPECT_EQ(readProgramFile("players.txt"), QByteArray("Anna\r\nCarl\r\n"));
    EXPECT_EQ(w().lesson.PLAYER_INDEX, 1);
    EXPECT_EQ(w().lesson.PLAYER_NAME, "Ben");
}

TEST_F(Players, DoubleClickChoosesAndClosesAndShortNamesFollowTheSpaceRule)
{
    writePlayers(" Bob\r\n\r\nAnna\nCarl");
    store(keys::PlayerIndex, "7");
    start();
    withPlayerSetup([this](playerFrm &frm) {
        // Any line ending will do; the empty line is a player too.
        EXPECT_EQ(shown(frm), (QStringList{" Bob", "", "Anna", "Carl"}));
        EXPECT_EQ(selectedRow(frm), -1) << "index 7 is past the end";
        QListWidget *list = frm.playerCbo;
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_FALSE(frm.isVisible());
    });
    EXPECT_EQ(stored(keys::PlayerName), " Bob");
    EXPECT_EQ(w().nameLbl->text(), " Bob...");

    withPlayerSetup([this](playerFrm &frm) {
        EXPECT_EQ(selectedRow(frm), 0);
        clickRow(frm, 1);
        QTest::mouseClick(frm.okCmd, Qt::LeftButton);
    });
    EXPECT_EQ(stored(keys::PlayerName), "");
    EXPECT_EQ(w().nameLbl->text(), "...");
}

TEST_F(Players, LessonSetupsEditButtonAndTheNameLabelOpenIt)
{
    writePlayers("Anna\r\nBen\r\n");
    start();
    int shown = 0;
    desktop.onModal("setupFrm", [&](QDialog &dialog) {
        auto &setup = static_cast<setupFrm &>(dialog);
        desktop.onModal("playerFrm", [&](QDialog &players) {
            ++shown;
            auto &frm = static_cast<playerFrm &>(players);
            clickRow(frm, 1);
            QTest::mouseClick(frm.okCmd, Qt::LeftButton);
        });
        QTest::mouseClick(setup.editCmd, Qt::LeftButton);
        EXPECT_EQ(setup.nameLbl->text(), "Ben");
        QTest::mouseClick(setup.okCmd, Qt::LeftButton);
    });
    w().dialogs().showLessonSetup();
    EXPECT_EQ(shown, 1);

    desktop.onModal("playerFrm", [&](QDialog &players) {
        ++shown;
        auto &frm = static_cast<playerFrm &>(players);
        // A second click on the name while it shows opens nothing more.
        QTest::mouseClick(w().nameLbl, Qt::LeftButton);
        clickRow(frm, 0);
        QTest::mouseClick(frm.okCmd, Qt::LeftButton);
    });
    QTest::mouseClick(w().nameLbl, Qt::LeftButton);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(w().nameLbl->text(), "Anna...");
}

// A list from an older editor keeps every letter: read as Windows-1252,
// written back as UTF-8, and the user is told once.
TEST_F(Players, AListThatIsNotUtf8KeepsItsLettersWhenWrittenBack)
{
    writePlayers("Jos\xE9\r\nAnn\r\n\x93Quoted\x94\r\n");
    store(keys::PlayerName, "Ann");
    start();
    desktop.answerInput("Zoë");
    desktop.answer(Answer::Ok, [this](const auto &box) {
        EXPECT_EQ(box.title, "Staverly Players");
        EXPECT_TRUE(box.text.contains(programFile("players.txt")) && box.text.contains("UTF-8"));
    });
    withPlayerSetup([](playerFrm &frm) {
        EXPECT_EQ(shown(frm), (QStringList{"José", "Ann", "\u201CQuoted\u201D"}));
        EXPECT_EQ(selectedRow(frm), 1);
        QTest::mouseClick(frm.removeCmd, Qt::LeftButton);
        QTest::mouseClick(frm.addCmd, Qt::LeftButton);
        EXPECT_EQ(shown(frm), (QStringList{"José", "\u201CQuoted\u201D", "Zoë"}));
    });
    EXPECT_EQ(readProgramFile("players.txt"), QString("José\r\n\u201CQuoted\u201D\r\nZoë\r\n").toUtf8());
    EXPECT_EQ(stored(keys::PlayerName), "Zoë");
    EXPECT_TRUE(desktop.scriptDone());
}

// A full disk leaves the list as it was and says so; a list whose last line
// has no line end keeps that name apart from the next one added.
TEST_F(Players, AFullDiskKeepsTheListAndNoNameJoinsAnother)
{
    writePlayers("Anna\r\nBob Lee\r\nCarl");
    store(keys::PlayerName, "Bob Lee");
    start();
    desktop.answerInput("Neu");
    desktop.answer(Answer::Ok, [this](const auto &box) {
        EXPECT_EQ(box.title, "Staverly Players");
        EXPECT_TRUE(box.text.contains(programFile("players.txt")) && box.text.contains("File too large"))
            << box.text.toStdString();
    });
    withPlayerSetup([](playerFrm &frm) {
        QTest::mouseClick(frm.addCmd, Qt::LeftButton);
        EXPECT_EQ(shown(frm), (QStringList{"Anna", "Bob Lee", "Carl", "Neu"}));
        clickRow(frm, 1);
        test::FullDisk full;
        QTest::mouseClick(frm.removeCmd, Qt::LeftButton);
    });
    EXPECT_EQ(readProgramFile("players.txt"), "Anna\r\nBob Lee\r\nCarl\r\nNeu\r\n");
    EXPECT_TRUE(desktop.scriptDone());
}

// A name is shown as typed, never as markup, and never spans two lines.
TEST_F(Players, NamesArePlainTextOnOneLine)
{
    store(keys::PlayerName, "<h1>Big</h1>");
    start();
    EXPECT_EQ(w().nameLbl->textFormat(), Qt::PlainText);
    desktop.answerInput("Tom\nTim");
    withPlayerSetup([](playerFrm &frm) { QTest::mouseClick(frm.addCmd, Qt::LeftButton); });
    EXPECT_EQ(stored(keys::PlayerName), "Tom Tim");
}

// Lists from any editor: each line in its own encoding, UTF-16 by its mark,
// any line end; a change writes a list that was not UTF-8 anew as UTF-8.
TEST(PlayerFiles, EveryNameSurvivesAnyEncodingAndLineEnd)
{
    QByteArray utf16("\xFF\xFE");
    const QString wide = QString::fromUtf8("Zoë\r\nJürgen\r\n");
    utf16.append(reinterpret_cast<const char *>(wide.utf16()), wide.size() * 2);
    const struct
    {
        QByteArray file;
        QStringList names;
        bool converted; // by adding a name
    } cases[] = {
        {"J\xFCrgen\r\nAnn\r\n", {"Jürgen", "Ann"}, true},
        {"Zo\xC3\xAB\r\nBj\xF6rn\n", {"Zoë", "Björn"}, true},
        {utf16, {"Zoë", "Jürgen"}, true},
        {"Ann\rBen\rCarl", {"Ann", "Ben", "Carl"}, false},
        {"\xEF\xBB\xBF" "Ann\r\n\r\nBen\r\n", {"Ann", "", "Ben"}, false},
    };
    QTemporaryDir dir;
    const PlayerList list(dir.path());
    for (const auto &c : cases) {
        QFile file(list.fileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.file);
        file.close();
        EXPECT_EQ(list.names(), c.names) << c.file.toStdString();
        const TextLines::Written added = list.add(QStringLiteral("Éva"));
        EXPECT_TRUE(added.failure.isEmpty());
        EXPECT_EQ(added.converted, c.converted) << c.file.toStdString();
        EXPECT_EQ(list.names(), c.names + QStringList{"Éva"});
        ASSERT_TRUE(list.replace(c.names).failure.isEmpty());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), TextLines::utf8(c.names));
        file.close();
    }
}

// The player named is the current one; the stored number only says where to
// look first, and a row beyond 16 bits stores -1 instead of wrapping round.
TEST_F(Players, TheCurrentPlayerIsFoundByNameInAnyListAndAfterHandEdits)
{
    QByteArray list;
    for (int i = 0; i < 40000; ++i)
        list += "Pupil " + QByteArray::number(i) + "\r\n";
    writePlayers(list);
    start();
    withPlayerSetup([](playerFrm &frm) {
        frm.playerCbo->setCurrentRow(39999, QItemSelectionModel::ClearAndSelect);
        QTest::mouseClick(frm.okCmd, Qt::LeftButton);
    });
    EXPECT_EQ(stored(keys::PlayerIndex), "-1");
    EXPECT_EQ(stored(keys::PlayerName), "Pupil 39999");
    withPlayerSetup([](playerFrm &frm) { EXPECT_EQ(selectedRow(frm), 39999); });
    EXPECT_EQ(w().lesson.PLAYER_NAME, "Pupil 39999");

    // Hand-edited: the number points at someone else; the name wins.
    w().lesson.PLAYER_INDEX = 2;
    w().lesson.PLAYER_NAME = "Pupil 5";
    withPlayerSetup([](playerFrm &frm) { EXPECT_EQ(selectedRow(frm), 5); });
    EXPECT_EQ(stored(keys::PlayerIndex), "5");
    EXPECT_EQ(stored(keys::PlayerName), "Pupil 5");
}

TEST_F(Players, AListThatCannotBeWrittenIsReportedAndNothingChanges)
{
    start();
    store(keys::PlayerName, "Pellworth");
    // A folder in the list's place: neither root nor anyone can write it.
    QFile::remove(programFile("players.txt"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("players.txt"));
    desktop.answerInput("Tom");
    withPlayerSetup([this](playerFrm &frm) {
        EXPECT_EQ(frm.playerCbo->count(), 0);
        desktop.answer(Answer::Ok, [this](const auto &box) {
            EXPECT_EQ(box.title, "Staverly Players");
            EXPECT_TRUE(box.text.contains(programFile("players.txt"))) << box.text.toStdString();
        });
        QTest::mouseClick(frm.addCmd, Qt::LeftButton);
        EXPECT_EQ(frm.playerCbo->count(), 0);
    });
    EXPECT_EQ(stored(keys::PlayerName), "Pellworth");
    EXPECT_TRUE(desktop.scriptDone());
}

} // namespace
