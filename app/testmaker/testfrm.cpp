// SPDX-License-Identifier: GPL-3.0-or-later
#include "testfrm.h"

#include "conversionerror.h"
#include "desktop.h"
#include "fittext.h"
#include "formlayout.h"
#include "dialoghost.h"
#include "effects.h"
#include "lessonengine.h"
#include "htmlfile.h"
#include "notetestsheet.h"
#include "settingsstore.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace staverly {

testFrm::testFrm(DialogHost &host, SettingsStore &settings, LessonEngine &lesson)
    : QDialog(host.hostWindow())
    , m_host(host)
    , m_settings(settings)
    , m_lesson(lesson)
{
    setObjectName(QStringLiteral("testFrm"));
    setWindowTitle(tr("Test Maker"));
    setFixedSize(twips(0, 0, 4140, 2505).size());

    Label1 = place<QLabel>(this, "Label1", twips(113, 120, 3915, 615));
    Label1->setText(tr("This featur will help you to make a printable HTML note test based on "
                       "the current range and clef selected."));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Frame1 = place<QGroupBox>(this, "Frame1", twips(113, 800, 3915, 1155));
    Frame1->setTitle(tr("Test Setup"));
    type[0] = captioned<QRadioButton>(Frame1, "type0", tr("Type 1"), twips(180, 360, 850, 195));
    type[1] = captioned<QRadioButton>(Frame1, "type1", tr("Type 2"), twips(1210, 360, 850, 195));
    type[0]->setChecked(true);
    // Beside the button rather than under it, so nothing else moves.
    answerKeyChk = captioned<QCheckBox>(Frame1, "answerKeyChk", tr("&Answer key"),
                                        twips(180, 760, 1230, 255),
                                        tr("Check here to save an answer key with the test."));
    answerKeyChk->setChecked(m_lesson.ANSWER_KEY);
    Label2 = place<QLabel>(Frame1, "Label2", twips(2280, 360, 750, 195));
    Label2->setText(tr("Questions:"));
    notesTxt = place<QLineEdit>(Frame1, "notesTxt", twips(3180, 300, 555, 300),
                                tr("Enter the number of test questions."));
    notesTxt->setText(QStringLiteral("20"));
    testCmd = captioned<QPushButton>(Frame1, "testCmd", tr("&Make Test..."),
                                     twips(1470, 720, 1200, 350),
                                     tr("Click here to make and save note test."));
    testCmd->setAutoDefault(false);
    Command1 = captioned<QPushButton>(this, "Command1", tr("&Close"), twips(3000, 2050, 1000, 350));
    Command1->setDefault(true);

    connect(testCmd, &QPushButton::clicked, this, &testFrm::testCmd_Click);
    connect(Command1, &QPushButton::clicked, this, &testFrm::Command1_Click);
    connect(answerKeyChk, &QCheckBox::toggled, this, &testFrm::answerKeyChk_Click);
    notesTxt->installEventFilter(this);

    fitText(this);
}

bool testFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == notesTxt && event->type() == QEvent::FocusIn) {
        // From here on Enter makes a test instead of closing the window.
        Command1->setDefault(false);
        testCmd->setDefault(true);
    }
    if (watched == notesTxt && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            testCmd->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void testFrm::testCmd_Click()
{
    Desktop &desktop = m_host.desktop();
    const QString path = HtmlFile::withDefaultSuffix(desktop.saveFileName(
        this, tr("Save Note Test As..."), HtmlFile::defaultFolder(), QStringLiteral("html(*.htm)"),
        QStringLiteral("htm")));
    if (path.isEmpty())
        return;
    qint16 questions = 0;
    try {
        questions = SettingsStore::toInteger(notesTxt->text());
    } catch (const ConversionError &) {
        return;
    }
    // The question counter cannot step past the largest 16-bit number.
    if (questions == 32767)
        return;
    const bool colour = type[1]->isChecked();
    // As they were when the test was asked for: events run before the key is saved.
    const bool withKey = m_lesson.ANSWER_KEY && keyMayReplace(path);
    const bool bass = m_lesson.CLEFF != 0;
    const QDate today = QDate::currentDate();
    std::vector<AnswerKeySheet::Answer> answers;
    const QString document = NoteTestSheet::build(
        colour ? NoteTestSheet::Type::ColourTheKey : NoteTestSheet::Type::NameTheNote, questions,
        [&](qint16 q) {
            const QString cell = colour ? get_td2(q) : get_td(q);
            answers.push_back({m_lesson.questionNote(), m_lesson.noteLabel()});
            return cell;
        },
        today);
    const QString failure = HtmlFile::write(path, document);
    desktop.processEvents();
    if (!failure.isEmpty()) {
        desktop.messageBox(this, tr("The note test could not be saved as \"%1\": %2").arg(path, failure),
                           Desktop::Buttons::Ok, Desktop::Icon::Warning, tr("Save Note Test As..."));
        return;
    }
    QString key = withKey ? saveAnswerKey(path, colour, bass, answers, today) : QString();
    QString target = path;
    m_host.effects().open_document(target);
    if (!key.isEmpty())
        m_host.effects().open_document(key);
}

// A file under the key's name that is no earlier key (a test once saved as
// "quiz_key", say) is replaced only when the teacher says so; without that
// the test is saved alone.
bool testFrm::keyMayReplace(const QString &testPath)
{
    const QString path = AnswerKeySheet::fileName(testPath);
    if (!QFileInfo::exists(path) || AnswerKeySheet::isAnswerKey(path))
        return true;
    return m_host.desktop().messageBox(
               this, tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
               Desktop::Buttons::YesNo, Desktop::Icon::Warning, tr("Save Note Test As..."))
           == Desktop::Answer::Yes;
}

QString testFrm::saveAnswerKey(const QString &testPath, bool colour, bool bass,
                               const std::vector<AnswerKeySheet::Answer> &answers, const QDate &today)
{
    const QString path = AnswerKeySheet::fileName(testPath);
    const QString document = AnswerKeySheet::build(
        colour ? NoteTestSheet::Type::ColourTheKey : NoteTestSheet::Type::NameTheNote,
        QFileInfo(testPath).fileName(), imagesFolder(), bass, answers, today);
    const QString failure = HtmlFile::write(path, document);
    if (failure.isEmpty())
        return path;
    m_host.desktop().messageBox(
        this, tr("The note test was saved, but its answer key could not be saved as \"%1\": %2")
                  .arg(path, failure),
        Desktop::Buttons::Ok, Desktop::Icon::Warning, tr("Save Note Test As..."));
    return {};
}

void testFrm::Command1_Click()
{
    accept();
    m_lesson.next_key();
}

void testFrm::answerKeyChk_Click()
{
    const bool value = answerKeyChk->isChecked();
    if (value == m_lesson.ANSWER_KEY)
        return;
    m_lesson.setSwitch(&MainFields::ANSWER_KEY, value);
    m_settings.writeSwitch(keys::AnswerKey, value);
}

QString testFrm::imagesFolder() const
{
    return QDir(m_host.programFolder()).filePath(QStringLiteral("images"));
}

QString testFrm::get_td(qint16 &q)
{
    m_lesson.draw_note();
    return NoteTestSheet::nameCell(imagesFolder(), m_lesson.CLEFF != 0, m_lesson.questionNote(), q);
}

QString testFrm::get_td2(qint16 &q)
{
    m_lesson.draw_note();
    return NoteTestSheet::colourCell(imagesFolder(), m_lesson.CLEFF != 0, m_lesson.USE_CROMATICS,
                                     m_lesson.questionNote(), q);
}

} // namespace staverly
