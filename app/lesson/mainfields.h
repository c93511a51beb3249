// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace staverly {

// The lesson's shared state, in declaration order. Anyone may read them;
// dialogs change them through the engine's setters, which tell whoever
// shows them. Counters and numbers are 16-bit; switches are bools.
struct MainFields
{
    qint16 CLEFF = 0;
    bool USE_CROMATICS = false;
    qint16 LOW_NOTE = 0;
    qint16 HIGH_NOTE = 0;
    qint16 PREV_NOTE = 0;
    qint16 YES = 0;
    qint16 NO = 0;
    qint16 SCORE = 0;
    qint16 TRYS = 0;
    qint16 HELP_NOTE = 0;
    qint16 MY_TIME = 0;
    qint16 TO_TIME = 0;
    bool USE_TIMER = false;
    bool USE_CLUES = false;
    bool USE_SOUND = false;
    bool FIRST_TIME = false;
    bool START_UP = false;
    qint16 PLAYER_INDEX = 0;
    QString PLAYER_NAME;
    bool SAVE_GRADES = false;
    qint16 QUESTIONS = 0;
    qint16 ASKS = 0;
    // Ask the notes the pupil finds hard more often.
    bool PRACTISE_WEAK = false;
    // The Test Maker saves an answer key beside each test.
    bool ANSWER_KEY = false;
};

} // namespace staverly
