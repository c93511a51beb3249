// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerkeysheet.h"

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace staverly {

class DialogHost;
class LessonEngine;
class SettingsStore;

// The Test Maker: a printable note test from the current range and clef,
// saved where the user chooses and opened in the browser.
class testFrm : public QDialog
{
    Q_OBJECT

public:
    testFrm(DialogHost &host, SettingsStore &settings, LessonEngine &lesson);

    void testCmd_Click();
    void Command1_Click();
    void answerKeyChk_Click();
    // One question cell of Type 1 and of Type 2; each draws a new note, as
    // a lesson question does.
    QString get_td(qint16 &q);
    QString get_td2(qint16 &q);

    QLabel *Label1;
    QGroupBox *Frame1;
    std::array<QRadioButton *, 2> type{};
    QCheckBox *answerKeyChk;
    QLabel *Label2;
    QLineEdit *notesTxt;
    QPushButton *testCmd;
    QPushButton *Command1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString imagesFolder() const;
    // Whether the key of the test at `testPath` may be written where it goes.
    bool keyMayReplace(const QString &testPath);
    // Saves the key to the test just saved at `testPath`; the answer key's
    // path, or an empty text when it could not be saved.
    QString saveAnswerKey(const QString &testPath, bool colour, bool bass,
                          const std::vector<AnswerKeySheet::Answer> &answers, const QDate &today);

    DialogHost &m_host;
    SettingsStore &m_settings;
    LessonEngine &m_lesson;
};

} // namespace staverly
