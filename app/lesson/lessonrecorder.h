#pragma once

#include "lessonrecord.h"

namespace staverly {

// Where finished lessons are kept.
class LessonRecorder
{
public:
    virtual ~LessonRecorder() = default;
    virtual void recordLesson(const LessonRecord &record) = 0;
};

} // namespace staverly
