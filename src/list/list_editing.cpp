// Editing the list and stepping through it by hand.
#include "view/form1.h"

// Reordering with Ctrl+Up and Ctrl+Down comes with the editing commands.
void TForm1::ListBox1KeyDown(WORD&, ShiftState) {}

// Stepping with the mouse buttons comes with the editing commands.
void TForm1::Image1MouseUp(MouseButton) {}
