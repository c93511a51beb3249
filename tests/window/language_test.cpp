// SPDX-License-Identifier: GPL-3.0-or-later
// View > Language: the language chosen is kept for the next start, which
// speaks it.
#include "mainwindowfixture.h"

#include "gradelog.h"
#include "gradereport.h"
#include "graderows.h"
#include "program.h"
#include "programlayout.h"
#include "translations.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTranslator>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;

namespace {

class Language : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }
    QAction *item(const char *name)
    {
        return w().findChild<QMenu *>(QStringLiteral("languageMenu"))->findChild<QAction *>(QLatin1String(name));
    }
    QStringList checked()
    {
        QStringList names;
        for (QAction *a : w().findChild<QMenu *>(QStringLiteral("languageMenu"))->actions())
            if (a->isChecked())
                names << a->text();
        return names;
    }
};

TEST_F(Language, AChoiceIsStoredForTheNextStartAndToldOnce)
{
    start();
    EXPECT_EQ(checked(), QStringList{"Desktop's language"});
    int told = 0;
    const auto tell = [&told](const auto &box) {
        ++told;
        EXPECT_EQ(box.title, "Language");
        EXPECT_EQ(box.text, "Staverly speaks the language chosen from its next start.");
    };
    const struct
    {
        const char *item;
        const char *stored;
        const char *shown;
    } choices[] = {
        {"language_pt_BRItem", "pt_BR", "Português (Brasil)"},
        {"language_deItem", "de", "Deutsch"},
        {"language_enItem", "en", "English"},
        {"languageDesktopItem", "", "Desktop's language"},
    };
    for (const auto &choice : choices) {
        desktop.answer(Answer::Ok, tell);
        item(choice.item)->trigger();
        EXPECT_EQ(stored(keys::Language), choice.stored) << choice.item;
        EXPECT_EQ(checked(), QStringList{QString::fromUtf8(choice.shown)}) << choice.item;
    }
    item("languageDesktopItem")->trigger(); // the language in force again: nothing to tell
    EXPECT_TRUE(desktop.scriptDone());
    EXPECT_EQ(told, 4);
}

TEST_F(Language, TheStoredLanguageIsCheckedAtStart)
{
    store(keys::Language, "fr");
    start();
    EXPECT_EQ(checked(), QStringList{"Français"});
}

// The program's start speaks the stored language from the translations
// built beside the program.
TEST_F(Language, AStoredLanguageIsSpokenAtStart)
{
    const QString programFolder = ProgramLayout::current().programFolder();
    const struct
    {
        const char *stored;
        const char *spoken;
    } cases[] = {{"de", "de"}, {"pt_BR", "pt_BR"}, {"it", "it"}, {"de_AT", "de"}, {"en", ""}, {"en_GB", ""}};
    for (const auto &c : cases) {
        store(keys::Language, c.stored);
        Translations translations;
        Program::speak(translations, settings, programFolder);
        EXPECT_EQ(translations.language(), c.spoken) << c.stored;
    }
}

// A few German texts, as a finished translation would give them.
class German : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const QHash<QByteArray, QString> texts{{"GradeLog|Treble Clef", QStringLiteral("Violinschlüssel")},
                                                      {"GradeLog|Base Clef", QStringLiteral("Bassschlüssel")},
                                                      {"GradeReport|Name", QStringLiteral("Name")},
                                                      {"GradeReport|Lesson", QStringLiteral("Lektion")}};
        return texts.value(QByteArray(context) + '|' + source);
    }
    bool isEmpty() const override { return false; }
};

// The log keeps the lesson's English name; the grid and the report show it
// in the pupil's language.
TEST(LanguageOfGrades, TheStoredLessonNameIsShownTranslatedAndKeptInEnglish)
{
    QTemporaryDir dir;
    const GradeLog log(dir.path());
    const struct
    {
        qint16 cleff;
        const char *stored;
        const char *shown;
    } lessons[] = {{0, "Treble Clef", "Violinschlüssel"}, {1, "Base Clef", "Bassschlüssel"}};
    German german;
    QCoreApplication::installTranslator(&german);
    for (const auto &lesson : lessons)
        ASSERT_TRUE(log.append({"Zoë", GradeLog::lessonName(lesson.cleff), 9, 1, 90, QDate(2026, 12, 7)})
                        .failure.isEmpty());

    QFile file(log.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    GradeRows rows(QStringList(6, QString()));
    ASSERT_TRUE(rows.load(log.fileName()));
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    file.seek(0);
    ASSERT_TRUE(GradeReport::write(file, page));

    const QString html = QString::fromUtf8(page.data());
    EXPECT_TRUE(html.contains(QStringLiteral("<B>Lektion</font>")));
    for (int row = 0; row < 2; ++row) {
        const auto &lesson = lessons[row];
        EXPECT_TRUE(stored.contains(QByteArray("\"") + lesson.stored + "\"")) << lesson.stored;
        EXPECT_FALSE(stored.contains(lesson.shown)) << lesson.shown;
        EXPECT_EQ(rows.index(row, 1).data().toString(), QString::fromUtf8(lesson.shown));
        EXPECT_TRUE(html.contains(QString::fromUtf8(lesson.shown))) << lesson.shown;
    }
    QCoreApplication::removeTranslator(&german);
}

} // namespace
