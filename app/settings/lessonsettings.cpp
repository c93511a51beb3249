// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonsettings.h"

#include "lessonengine.h"
#include "notenames.h"
#include "settingkeys.h"
#include "settingsreader.h"
#include "settingsstore.h"

#include <QLocale>

namespace staverly {

void LessonSettings::read(SettingsReader &read, SettingsStore &store, LessonEngine &lesson)
{
    // Named as the pupil's teacher names notes, before anything shows a name.
    const QString language = store.read(keys::Language);
    NoteNames::setCurrent(
        NoteNames::chosen(store.read(keys::NoteNames), language.isEmpty() ? QLocale().name() : language));
    lesson.notes.load_note_names();
    lesson.USE_TIMER = read.flag(keys::UseTimer);
    lesson.USE_CLUES = read.flag(keys::UseClues);
    lesson.USE_SOUND = read.flag(keys::UseSound);
    lesson.TO_TIME = read.integer(keys::TimeTo);
    lesson.START_UP = read.flag(keys::StartUp);
    lesson.PLAYER_INDEX = read.position(keys::PlayerIndex);
    lesson.PLAYER_NAME = store.read(keys::PlayerName);
    lesson.SAVE_GRADES = read.flag(keys::SaveGrades);
    lesson.CLEFF = read.integer(keys::Cleff);
    lesson.QUESTIONS = read.integer(keys::Questions);
    lesson.LOW_NOTE = read.integer(keys::LowNote);
    lesson.HIGH_NOTE = read.integer(keys::HighNote);
    lesson.USE_CROMATICS = read.flag(keys::UseChromatics);
    lesson.PRACTISE_WEAK = read.flag(keys::PractiseWeak);
    lesson.ANSWER_KEY = read.flag(keys::AnswerKey);
}

} // namespace staverly
