// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace staverly {

// The screen as the lesson sees it: the feedback line, the counters, the
// progress bar, the staff picture and the keyboard's keys.
class LessonView
{
public:
    enum class Counter { Yes, No, Score, Time };

    virtual ~LessonView() = default;

    // The feedback line, repainted at once; the first keeps its colour,
    // the second sets one written &HBBGGRR.
    virtual void showMessage(const QString &text) = 0;
    virtual void showMessage(const QString &text, quint32 colour) = 0;
    virtual void showCounter(Counter counter, qint16 value) = 0;
    // Values past the bar's maximum show a full bar.
    virtual void showProgress(int value) = 0;
    virtual void setProgressMaximum(int maximum) = 0;

    // Covers the old note; lets pending events run while it works.
    virtual void wipePicture() = 0;
    virtual void showPicture(int midi, qint16 cleff) = 0;
    virtual void setPictureTip(const QString &tip) = 0;

    virtual void focusKey(int index) = 0;
    virtual void setKeyDown(int index, bool down) = 0;
    // The clue's light red on a key; off gives the key its own colour back.
    virtual void markClueKey(int index, bool on) = 0;
    // The middle-C marker and the clef's menu check marks.
    virtual void showClef(qint16 cleff) = 0;
    virtual void setBusy(bool busy) = 0;
    // Says a judged answer or a clue to a screen reader, once, in the
    // lesson's own words, without moving the focus.
    virtual void announce(const QString &text) = 0;

    // Whether the main window is the application's active window now.
    virtual bool isActive() const = 0;
};

} // namespace staverly
