// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace staverly {

class SettingsStore;
class Translations;

// The whole program from its command line: --help and --version, or the
// window with the real devices until it closes.
class Program
{
public:
    static int run(int argc, char *argv[], const char *version, const char *desktopId);
    // Speaks the language stored in the settings, or the desktop's.
    static void speak(Translations &translations, const SettingsStore &settings, const QString &programFolder);
};

} // namespace staverly
