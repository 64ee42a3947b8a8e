#pragma once
// The splitter between the list and the view area, and the list width a
// drag of it leaves.

// The splitter's width in pixels.
inline constexpr int kSplitterWidth = 3;

// The list's width after the splitter was dragged by dx: at most the client
// width less 33, so that 30 pixels stay right of the splitter, and 0 (the
// list closed) for 30 or less.
int ListWidthAfterDrag(int listWidth, int dx, int clientWidth);
