// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

class QKeyEvent;
class QWidget;

namespace staverly {

class Announcer;
class Desktop;
class LessonEngine;
class SettingsStore;

// The two range sliders above and below the keys: where their thumbs stand,
// what moving one does to the lesson's range (NoteRange's rules), and the
// note a screen reader names each by and hears when one moves. Either may be
// missing when its plugin could not be loaded.
class RangeSliders : public QObject
{
    Q_OBJECT

public:
    RangeSliders(QWidget *low, QWidget *high, LessonEngine &lesson, SettingsStore &settings, Desktop &desktop,
                 QWidget *window, Announcer *announcer = nullptr);

    // Full width, the high one above the keys and the low one below them.
    void place();
    // Puts the thumb over white key `note`, stores it and names the slider.
    void showLow(qint16 &note);
    void showHigh(qint16 &note);
    // What a screen reader calls the sliders: their notes.
    void name();
    // Left/Right one white key, Home/End to an end, on a focused slider;
    // false for another widget or key.
    bool keyPressed(QWidget *slider, QKeyEvent *key);

    // A value set by a screen reader: as though the slider were dragged to
    // white key `white`.
    Q_INVOKABLE void setWhiteKey(QWidget *slider, int white);

public slots:
    void lowSlider_changed(qint16 &loc);
    void highSlider_changed(qint16 &loc);

private:
    void moved(QWidget *slider, const QString &refusal);

    QWidget *m_low;
    QWidget *m_high;
    LessonEngine &m_lesson;
    SettingsStore &m_settings;
    Desktop &m_desktop;
    QWidget *m_window;
    Announcer *m_announcer;
};

} // namespace staverly
