#pragma once
// The one pixel format the program hands the platform: 32-bit device-
// independent bitmaps (blue, green, red, unused), as Pixels holds them.

#include <windows.h>

// The format of width x height such pixels; rows top down when height is
// negative, as the platform counts them.
BITMAPINFO BgrxFormat(int width, int height);

// A DIB section of that format whose pixels lie at *bits. Throws
// kCannotMakeBitmap when the platform makes none.
HBITMAP CreateBgrxSection(int width, int height, void** bits);
