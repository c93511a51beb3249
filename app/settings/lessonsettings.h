// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace staverly {

class LessonEngine;
class SettingsReader;
class SettingsStore;

// The SETUP section of the settings into the lesson's fields, in the order
// start-up has always read them; a value that cannot be used is set back by
// the reader.
class LessonSettings
{
public:
    static void read(SettingsReader &read, SettingsStore &store, LessonEngine &lesson);
};

} // namespace staverly
