#pragma once
// The window caption of a shown picture and the number format in it.

#include <string>
#include <string_view>

// The general number format: at most 15 significant digits, no trailing
// zeros, no decimal point for a whole number; exponent form ("5E-5",
// "1.5E20") below 0.0001 and from 1E15 up; "INF", "-INF" and "NAN" for
// what is not a number.
std::string FormatGeneral(double value, std::string_view decimalSeparator);

struct CaptionParts {
  std::string_view listName;  // the current list file's path, may be empty
  std::string_view entry;     // the entry exactly as listed
  int pictureWidth = 0;
  int pictureHeight = 0;
  double scale = 0;
  int index = 0;  // the selected index, from 0
  int count = 0;
  std::string_view decimalSeparator = ".";
};

// "[list]", the list named by its base name: the caption with no picture
// shown, and the start of the one with a picture.
std::string ListCaption(std::string_view listName);

// "[list]entry (pwxph)xscale(i/n)".
std::string PictureCaption(const CaptionParts& parts);
