// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace staverly {

class frmMain;

// Where Tab goes in the main window, and where the focus starts.
class MainFocus
{
public:
    static void order(frmMain &window);
};

} // namespace staverly
