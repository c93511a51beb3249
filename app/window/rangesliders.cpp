// SPDX-License-Identifier: GPL-3.0-or-later
#include "rangesliders.h"

#include "accessibletexts.h"
#include "announcer.h"
#include "controlhost.h"
#include "desktop.h"
#include "formlayout.h"
#include "lessonengine.h"
#include "namedaccessible.h"
#include "noterange.h"
#include "settingkeys.h"
#include "settingsstore.h"
#include "slideraccessible.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <map>

namespace staverly {

namespace {

void setThumb(QWidget *slider, qint16 note)
{
    if (const auto at = NoteRange::position(note); at && slider)
        host::ControlHost::setProperty(slider, "value", *at);
}

} // namespace

RangeSliders::RangeSliders(QWidget *low, QWidget *high, LessonEngine &lesson, SettingsStore &settings,
                           Desktop &desktop, QWidget *window, Announcer *announcer)
    : QObject(window)
    , m_low(low)
    , m_high(high)
    , m_lesson(lesson)
    , m_settings(settings)
    , m_desktop(desktop)
    , m_window(window)
    , m_announcer(announcer)
{
    if (m_low) {
        m_low->setToolTip(tr("Low Note"));
        host::ControlHost::setProperty(m_low, "sliderColor", 0x00FF0000);
        host::ControlHost::connectEvent(m_low, "changed", this, "lowSlider_changed");
    }
    if (m_high) {
        m_high->setToolTip(tr("High Note"));
        host::ControlHost::setProperty(m_high, "value", 5000);
        host::ControlHost::setProperty(m_high, "bgcolor", qint64(0x80000005));
        host::ControlHost::connectEvent(m_high, "changed", this, "highSlider_changed");
    }
    for (QWidget *slider : {m_high, m_low}) {
        if (!slider)
            continue;
        slider->setFocusPolicy(Qt::StrongFocus);
        slider->setProperty(SliderAccessible::WhiteKey, 1);
        slider->setProperty(SliderAccessible::Mover, QVariant::fromValue<QObject *>(this));
    }
}

void RangeSliders::place()
{
    if (m_low) {
        m_low->setGeometry(0, px(6420), 640, m_low->height());
        m_low->raise();
    }
    if (m_high) {
        m_high->setGeometry(0, px(3670), 640, m_high->height());
        m_high->raise();
    }
}

void RangeSliders::showLow(qint16 &note)
{
    setThumb(m_low, note);
    m_settings.writeInteger(keys::LowNote, note);
    name();
}

void RangeSliders::showHigh(qint16 &note)
{
    setThumb(m_high, note);
    m_settings.writeInteger(keys::HighNote, note);
    name();
}

void RangeSliders::name()
{
    const auto name = [this](QWidget *slider, bool low, qint16 white) {
        if (!slider)
            return;
        const qint16 clef = m_lesson.CLEFF;
        const bool onKeyboard = white >= 1 && white <= NoteModel::WhiteKeys && (clef == 0 || clef == 1);
        slider->setProperty(SliderAccessible::WhiteKey, int(white));
        NamedAccessible::setName(
            slider, AccessibleTexts::slider(low, onKeyboard ? m_lesson.notes.whiteToMidi(white, clef) : -1));
    };
    name(m_low, true, m_lesson.LOW_NOTE);
    name(m_high, false, m_lesson.HIGH_NOTE);
}

bool RangeSliders::keyPressed(QWidget *slider, QKeyEvent *key)
{
    static const std::map<int, NoteRange::Key> keys{{Qt::Key_Left, NoteRange::Key::Left},
                                                    {Qt::Key_Right, NoteRange::Key::Right},
                                                    {Qt::Key_Home, NoteRange::Key::Home},
                                                    {Qt::Key_End, NoteRange::Key::End}};
    const auto pressed = keys.find(key->key());
    if (!slider || (slider != m_low && slider != m_high) || pressed == keys.end())
        return false;
    // As though the thumb were dragged there: the same checks follow.
    const bool low = slider == m_low;
    auto loc = qint16(NoteRange::keyed(low ? m_lesson.LOW_NOTE : m_lesson.HIGH_NOTE, pressed->second));
    if (low)
        lowSlider_changed(loc);
    else
        highSlider_changed(loc);
    return true;
}

void RangeSliders::setWhiteKey(QWidget *slider, int white)
{
    auto loc = qint16(*NoteRange::position(qint16(std::clamp(white, 1, int(NoteModel::WhiteKeys)))));
    if (slider && slider == m_low)
        lowSlider_changed(loc);
    else if (slider && slider == m_high)
        highSlider_changed(loc);
}

void RangeSliders::lowSlider_changed(qint16 &loc)
{
    const NoteRange::Move move = NoteRange::low(loc, m_lesson.HIGH_NOTE);
    m_lesson.LOW_NOTE = move.note;
    showLow(m_lesson.LOW_NOTE);
    moved(m_low, move.refusal);
}

void RangeSliders::highSlider_changed(qint16 &loc)
{
    const NoteRange::Move move = NoteRange::high(loc, m_lesson.LOW_NOTE);
    m_lesson.HIGH_NOTE = move.note;
    showHigh(m_lesson.HIGH_NOTE);
    moved(m_high, move.refusal);
}

void RangeSliders::moved(QWidget *slider, const QString &refusal)
{
    // Heard where the thumb now stands, whether dragged, keyed or set.
    if (m_announcer && slider)
        m_announcer->say(slider->property(NamedAccessible::Name).toString());
    if (!refusal.isEmpty())
        m_desktop.messageBox(m_window, refusal, Desktop::Buttons::Ok, Desktop::Icon::Warning,
                             tr("Note Range Error!"));
}

} // namespace staverly
