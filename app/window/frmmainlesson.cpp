// How clicks on the keys and the New button reach the lesson.
#include "frmmain.h"

namespace staverly {

void frmMain::newCmd_Click()
{
    lesson.ASKS = 0;
    lesson.do_new();
}

void frmMain::pianoKey_MouseDown(int index)
{
    lesson.pianoKey_MouseDown(index);
}

void frmMain::pianoKey_MouseUp(int index)
{
    // The release is the answer; it counts for the note shown now.
    lesson.pianoKey_MouseUp(index, lesson.arrival());
}

} // namespace staverly
