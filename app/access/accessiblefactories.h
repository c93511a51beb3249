// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace staverly {

// The accessible interfaces the program gives its own controls, installed
// once for the process.
class AccessibleFactories
{
public:
    static void install();
};

} // namespace staverly
