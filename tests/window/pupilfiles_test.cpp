// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "gradesfrm.h"
#include "lockedfolder.h"
#include "oldpupilfiles.h"
#include "picturebox.h"
#include "playerfrm.h"
#include "programlayout.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;

namespace {

// The real window started on the folders a ProgramLayout chose for an
// installed tree, as main() does.
class PupilFiles : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
        store(keys::Questions, "5");
    }

    void startIn(const ProgramLayout &layout)
    {
        programFolder = layout.programFolder();
        dataFolder = layout.dataFolder();
        ASSERT_TRUE(QDir().mkpath(dataFolder));
        start();
    }

    // A lesson of five right answers, paused at its end so that its grade
    // is kept.
    void playOneLesson()
    {
        nextNoteIs(8);
        clickNew();
        for (int i = 0; i < 5; ++i) {
            if (i == 4)
                desktop.answer(Answer::Cancel);
            nextWordIs(0);
            nextNoteIs(i % 2 ? 8 : 9);
            clickKey(keyOfAnswer());
        }
    }

    void addPlayer(const QString &name)
    {
        desktop.answerInput(name);
        desktop.onModal("playerFrm", [](QDialog &dialog) {
            auto &frm = static_cast<playerFrm &>(dialog);
            QTest::mouseClick(frm.addCmd, Qt::LeftButton);
            QTest::mouseClick(frm.okCmd, Qt::LeftButton);
        });
        w().playItem->trigger();
    }

    int lessonsListed()
    {
        int rows = -1;
        desktop.onModal("gradesFrm", [&rows](QDialog &dialog) {
            rows = static_cast<gradesFrm &>(dialog).gradesGrid->model()->rowCount();
        });
        w().gradesItem->trigger();
        return rows;
    }

    static QStringList filesUnder(const QString &root)
    {
        QStringList files;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(root).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString today() const { return QDate::currentDate().toString("yyyy-MM-dd"); }
};

TEST_F(PupilFiles, AnInstalledProgramInReadOnlyFoldersKeepsEveryPupilsFilesInTheDataFolder)
{
    const QString prefix = folder.filePath("prefix");
    const QString shared = QDir::cleanPath(prefix + "/bin/" + ProgramLayout::sharedFilesFromBin());
    ASSERT_TRUE(QDir().mkpath(prefix + "/bin"));
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_TRUE(QFile::link(QCoreApplication::applicationDirPath() + "/images", shared + "/images"));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/staverly_help.htm",
                            shared + "/staverly_help.htm"));
    const ProgramLayout layout = ProgramLayout::of(prefix + "/bin", folder.filePath("home/data"));
    ASSERT_TRUE(layout.installed());
    const QStringList installed = filesUnder(prefix);
    test::LockedFolder lockedBin(prefix + "/bin");
    test::LockedFolder lockedShared(shared);
    if (!lockedBin.locked() || !lockedShared.locked())
        GTEST_SKIP() << "this machine cannot make a folder unwritable";

    startIn(layout);
    const QString data = folder.filePath("home/data");
    EXPECT_EQ(read(data + "/players.txt"), QByteArray("Pellworth\r\n"));
    EXPECT_EQ(w().nameLbl->text(), "Pellworth...");

    // Pictures and help still come from the install.
    playOneLesson();
    EXPECT_TRUE(w().Picture1->pictureError().isEmpty()) << w().Picture1->pictureError().toStdString();
    EXPECT_EQ(read(data + "/grades.txt"),
              QStringLiteral("\"Pellworth\",\"Treble Clef\",5,0,100,#%1#\r\n").arg(today()).toLatin1());
    EXPECT_EQ(lessonsListed(), 1);
    addPlayer("Tom");
    EXPECT_EQ(read(data + "/players.txt"), QByteArray("Pellworth\r\nTom\r\n"));
    w().helpItem->trigger();
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0], shared + "/staverly_help.htm");

    // Not one failed write to tell, and nothing left in the program's folders.
    EXPECT_TRUE(desktop.scriptDone());
    EXPECT_EQ(desktop.boxes.size(), 1u) << desktop.boxes.back().title.toStdString();
    EXPECT_EQ(filesUnder(prefix), installed);
}

// Started from a build folder, as scripts/run does: the player list and
// grade log it kept beside the program before are moved to the user's data
// folder, where the lesson's grade goes too, and a clean of the build folder
// takes nothing of them.
TEST_F(PupilFiles, ABuildFolderMovesItsOldFilesToTheDataFolderAndKeepsThemThere)
{
    const QString build = folder.filePath("build/bin");
    ASSERT_TRUE(QDir().mkpath(build));
    ASSERT_TRUE(QFile::link(QCoreApplication::applicationDirPath() + "/images", build + "/images"));
    QFile marker(build + "/" + ProgramLayout::buildMarker());
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write(QFile::encodeName(build) + "\n");
    marker.close();
    const QByteArray oldGrade = "\"Ann\",\"Base Clef\",4,1,80,#2024-01-02#\r\n";
    for (const auto &[name, bytes] : {std::pair{"players.txt", QByteArray("Ann\r\n")}, {"grades.txt", oldGrade}}) {
        QFile file(build + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const ProgramLayout layout = ProgramLayout::of(build, folder.filePath("home/data"));
    ASSERT_EQ(layout.kind(), ProgramLayout::Kind::Build);
    const QString told = OldPupilFiles::move(layout.programFolder(), layout.dataFolder());
    EXPECT_TRUE(told.contains("players.txt, grades.txt")) << told.toStdString();

    store(keys::PlayerName, "Ann");
    startIn(layout);
    EXPECT_EQ(w().nameLbl->text(), "Ann...");
    playOneLesson();
    const QString data = folder.filePath("home/data");
    EXPECT_EQ(read(data + "/grades.txt"),
              oldGrade + QStringLiteral("\"Ann\",\"Treble Clef\",5,0,100,#%1#\r\n").arg(today()).toLatin1());
    EXPECT_EQ(read(data + "/players.txt"), QByteArray("Ann\r\n"));
    EXPECT_EQ(lessonsListed(), 2);
    EXPECT_TRUE(QDir(build).entryList({"*.txt"}, QDir::Files).isEmpty());
}

} // namespace
