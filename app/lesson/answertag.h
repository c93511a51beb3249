// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace staverly {

// What an answer knew when it arrived: the question open at that moment
// (0 when none was) and whether the main window was the active window.
// An answer is judged only against the question it was given for.
struct AnswerTag
{
    quint32 question = 0;
    bool active = true;
};

} // namespace staverly
