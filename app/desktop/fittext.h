#pragma once

class QWidget;

namespace staverly {

// Widens the captioned controls under root that are too narrow for their
// text in this desktop's fonts, then grows their frames (to their titles
// too) and the window to hold them. Lefts and tops stay where they were
// placed; frames that ended on one right edge end on one again.
void fitText(QWidget *root);

} // namespace staverly
