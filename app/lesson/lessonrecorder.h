// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerevent.h"
#include "lessonrecord.h"

#include <map>

namespace staverly {

// Where finished lessons and each counted answer are kept, and what they
// tell of the notes a pupil finds hard.
class LessonRecorder
{
public:
    virtual ~LessonRecorder() = default;
    virtual void recordLesson(const LessonRecord &record) = 0;
    virtual void recordAnswer(const AnswerEvent &) {}
    // How much more often to ask each note (MIDI) of the clef, 1 to 4;
    // notes left out are asked as often as any.
    virtual std::map<int, double> noteWeights(const QString &, qint16) { return {}; }
};

} // namespace staverly
