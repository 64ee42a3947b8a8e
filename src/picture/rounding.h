#pragma once
// The scale arithmetic the view and the wallpaper share: ratios in 80-bit
// extended precision, whole pixels rounded half to even, and the
// floating-point error for what is not a number.

#include <cstdint>

// x rounded to the nearest integer, ties to the even one (184.5 gives 184).
// Throws the floating-point error when x is not a number or does not fit.
std::int64_t RoundHalfEven(long double x);

// Throws "不正な浮動小数点数演算命令" when x is not a number.
long double CheckedValue(long double x);
