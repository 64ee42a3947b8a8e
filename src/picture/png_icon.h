#pragma once
// Icon images stored as PNG (the 256 x 256 ones), made icons through the
// platform's imaging component. Wine's own icon loading swaps red and blue
// in PNG images without an alpha channel; decoding them to 32-bit pixels
// with alpha first draws them as they are on every system.

#include <windows.h>

#include <cstdint>
#include <span>

// The icon, or nullptr when the platform cannot decode the image. Works on
// a thread with or without COM initialised.
HICON IconFromPng(std::span<const std::uint8_t> png);
