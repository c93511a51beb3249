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
    void sleep(int milliseconds) override
    {
        if (onSleep)
            onSleep();
        if (realSleep)
            QtDesktop::sleep(milliseconds);
    }
    std::function<void()> onSleep;
    bool realSleep = false;
};

} // namespace staverly::bench
