// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstring>

namespace staverly::bench {

// --soundfont=PATH, taken out of the arguments: the SoundFont the
// benchmarks choose as SOUNDFONT; empty leaves the first found.
inline QString takeSoundFontOption(int &argc, char **argv)
{
    static constexpr char Option[] = "--soundfont=";
    QString path;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], Option, sizeof Option - 1) == 0)
            path = QString::fromLocal8Bit(argv[i] + sizeof Option - 1);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return path;
}

} // namespace staverly::bench
