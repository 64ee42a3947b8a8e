#include "view/picture_caption.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/path_rules.h"

namespace {
constexpr int kSignificantDigits = 15;
}  // namespace

std::string FormatGeneral(double value, std::string_view decimalSeparator) {
  if (value == 0) return "0";
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  // d.dddddddddddddde±x: the value rounded to 15 significant digits.
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, value);
  std::string text = buffer;
  std::size_t e = text.find('e');
  int exponent = std::atoi(text.c_str() + e + 1);
  bool negative = text[0] == '-';
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
    if (text[i] != '.') digits += text[i];
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string result = negative ? "-" : "";
  if (exponent < -4 || exponent >= kSignificantDigits) {
    result += digits[0];
    if (digits.size() > 1) {
      result += decimalSeparator;
      result += digits.substr(1);
    }
    result += 'E';
    if (exponent < 0) result += '-';
    result += std::to_string(std::abs(exponent));
  } else if (exponent < 0) {
    result += '0';
    result += decimalSeparator;
    result.append(static_cast<std::size_t>(-exponent - 1), '0');
    result += digits;
  } else {
    std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      result += digits;
      result.append(whole - digits.size(), '0');
    } else {
      result += digits.substr(0, whole);
      result += decimalSeparator;
      result += digits.substr(whole);
    }
  }
  return result;
}

std::string ListCaption(std::string_view listName) {
  std::string caption = "[";
  caption += BaseNameOf(listName);
  caption += "]";
  return caption;
}

std::string PictureCaption(const CaptionParts& parts) {
  std::string caption = ListCaption(parts.listName);
  caption += parts.entry;
  caption += " (";
  caption += std::to_string(parts.pictureWidth);
  caption += "x";
  caption += std::to_string(parts.pictureHeight);
  caption += ")x";
  caption += FormatGeneral(parts.scale, parts.decimalSeparator);
  caption += "(";
  caption += std::to_string(parts.index + 1);
  caption += "/";
  caption += std::to_string(parts.count);
  caption += ")";
  return caption;
}
