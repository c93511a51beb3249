// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qtdesktop.h"

#include <QDialog>
#include <functional>

namespace staverly::bench {

// The real desktop, except that the About window closes at once and waits
// are noted instead of slept, so only the program's own work is timed.
class BenchDesktop : public QtDesktop
{
public:
    using QtDesktop::QtDesktop;
    int showModal(QDialog &) override { return QDialog::Accepted; }
    // A box would wait for a person (the sound box does when no audio
    // server runs): it is noted and answered at once.
    Answer messageBox(QWidget *, const QString &, Buttons buttons, Icon, const QString &) override
    {
        ++boxes;
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    void sleep(int milliseconds) override
    {
        if (onSleep)
            onSleep();
        if (realSleep)
            QtDesktop::sleep(milliseconds);
    }
    std::function<void()> onSleep;
    bool realSleep = false;
    int boxes = 0;
};

} // namespace staverly::bench
