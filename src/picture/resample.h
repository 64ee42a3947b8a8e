#pragma once
// Resampling a picture to another size: area averaging where it shrinks,
// bilinear where it grows, each axis on its own. Never nearest-neighbour,
// so a reduced photo keeps its fine detail as shades instead of noise.

#include "picture/pixels.h"

// source resampled to width x height (both at least 1) into target.
void Resample(const Pixels& source, int width, int height, Pixels& target);
