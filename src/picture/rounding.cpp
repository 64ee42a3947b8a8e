#include "picture/rounding.h"

#include <cmath>

#include "app/app_error.h"

long double CheckedValue(long double x) {
  if (std::isnan(x)) throw AppError(kInvalidFloatOperation);
  return x;
}

std::int64_t RoundHalfEven(long double x) {
  CheckedValue(x);
  long double whole = std::nearbyint(x);  // the default rounding mode: ties to even
  if (!(std::fabs(whole) < 9.2e18L)) throw AppError(kInvalidFloatOperation);
  return static_cast<std::int64_t>(whole);
}
