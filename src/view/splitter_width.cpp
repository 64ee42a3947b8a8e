#include "view/splitter_width.h"

int ListWidthAfterDrag(int listWidth, int dx, int clientWidth) {
  int width = listWidth + dx;
  int widest = clientWidth - 30 - kSplitterWidth;
  if (width > widest) width = widest;
  return width <= 30 ? 0 : width;
}
