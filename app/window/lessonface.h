// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessondesktop.h"
#include "lessonrecorder.h"
#include "lessonview.h"

#include <QColor>
#include <QCoreApplication>

class QKeyEvent;

namespace staverly {

class Random;
class frmMain;

// The main window as the lesson sees it: its feedback line, counters, bar,
// staff and keys; the boxes, waits and sounds of the desktop; and where
// lessons and answers are kept.
class LessonFace : public LessonView, public LessonDesktop, public LessonRecorder
{
    Q_DECLARE_TR_FUNCTIONS(LessonFace)

public:
    LessonFace(frmMain &window, Random &random);

    // A letter or Space typed anywhere in the window; false for other keys,
    // which go on to the focused control.
    bool typed(QKeyEvent *key);
    // The question, the counters and the time, heard on demand.
    void announceStatus();

    // LessonView
    void showMessage(const QString &text) override;
    void showMessage(const QString &text, quint32 colour) override;
    void showCounter(Counter counter, qint16 value) override;
    void showProgress(int value) override;
    void setProgressMaximum(int maximum) override;
    void wipePicture() override;
    void showPicture(int midi, qint16 cleff) override;
    void setPictureTip(const QString &tip) override;
    void focusKey(int index) override;
    void setKeyDown(int index, bool down) override;
    void markClueKey(int index, bool on) override;
    void showClef(qint16 cleff) override;
    void setBusy(bool busy) override;
    void announce(const QString &text) override;
    bool isActive() const override;

    // LessonDesktop
    LessonDesktop::Answer messageBox(const QString &text, LessonDesktop::Buttons buttons,
                                     LessonDesktop::Icon icon, const QString &title) override;
    void sleep(int milliseconds) override;
    void processEvents() override;
    void beep() override;
    void flashWindow() override;
    void playWave(qint16 n) override;
    void noteOn(qint16 note) override;
    void noteOff(qint16 note) override;
    void dropStaleMidiMessage() override;

    // LessonRecorder
    void recordLesson(const LessonRecord &record) override;
    void recordAnswer(const AnswerEvent &answer) override;
    std::map<int, double> noteWeights(const QString &player, qint16 clef) override;

    // Names the progress bar by the question asked, 0 before the first.
    void nameProgress(int question);

private:
    frmMain &m_window;
    Random &m_random;
    QColor m_clueKeyColour;
    int m_question = 0;
};

} // namespace staverly
