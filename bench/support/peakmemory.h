// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace staverly::bench {

// The most memory the process held at once since the last start(), beyond
// what it held at that start, in megabytes (Linux's peak resident size,
// which can be set back to the present).
class PeakMemory
{
public:
    void start();
    double aboveStartMB() const;
    // What the process holds now, in megabytes.
    static double residentMB();

private:
    static double kB(const char *field);

    double m_startKB = 0;
};

} // namespace staverly::bench
