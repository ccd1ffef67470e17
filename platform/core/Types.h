#pragma once
// Basic geometry of the platform: points, sizes and rectangles.
// A TRect's Right and Bottom are exclusive: a rectangle (0,0,10,10) covers
// pixels 0..9 in each direction and is 10 wide.

#include <algorithm>
#include <cstdint>

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int32_t x, int32_t y) { return {x, y}; }
inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return {left, top, right, bottom};
}
inline TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  return {left, top, left + width, top + height};
}

inline bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

inline bool PtInRect(const TRect& r, const TPoint& p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// Writes the common part of a and b to dest; answers false (and an empty dest)
// when they do not overlap.
inline bool IntersectRect(TRect& dest, const TRect& a, const TRect& b) {
  dest = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  if (IsRectEmpty(dest)) {
    dest = {};
    return false;
  }
  return true;
}

// Writes the smallest rectangle holding a and b; an empty rectangle adds nothing.
inline bool UnionRect(TRect& dest, const TRect& a, const TRect& b) {
  if (IsRectEmpty(a)) {
    dest = b;
  } else if (IsRectEmpty(b)) {
    dest = a;
  } else {
    dest = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
  }
  if (IsRectEmpty(dest)) {
    dest = {};
    return false;
  }
  return true;
}

inline void OffsetRect(TRect& r, int32_t dx, int32_t dy) {
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
}

inline void InflateRect(TRect& r, int32_t dx, int32_t dy) {
  r.Left -= dx;
  r.Right += dx;
  r.Top -= dy;
  r.Bottom += dy;
}
