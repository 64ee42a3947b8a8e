#include "view/form1.h"

// Shows the selected entry. The picture view is not part of the window yet,
// so there is nothing to draw.
void TForm1::LoadPicture() {}
