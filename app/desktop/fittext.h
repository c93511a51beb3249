#pragma once

class QWidget;

namespace staverly {

// Widens the captioned controls under root that are too narrow for their
// text in this desktop's fonts, then grows their frames and the window to
// hold them. Lefts and tops stay where they were placed.
void fitText(QWidget *root);

} // namespace staverly
