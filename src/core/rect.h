// A rectangle in window (or picture) pixels, given by its edges the way the
// window system gives them: the right and bottom edges lie just outside.
#pragma once

#include <cstdint>

struct TRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};
