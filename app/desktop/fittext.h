// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace staverly {

// Widens the captioned controls under root that are too narrow for their
// text in this desktop's fonts, then grows their frames (to their titles
// too) and the window to hold them. Lefts and tops stay where they were
// placed; frames that ended on one right edge end on one again.
void fitText(QWidget *root);

// Sizes a window that fitText fitted again to the controls it shows now, so
// a control hidden leaves no empty band: the bottom margin is the left one.
void refit(QWidget *window);

// Widens a window whose title would be cut: a title bar drawn by the
// program itself, as on Wayland, holds the icon and three buttons beside
// the title and cuts what does not fit. A message box sizes itself when
// shown: TitledMessageBox calls this then.
void roomForTitle(QWidget *window);

} // namespace staverly
