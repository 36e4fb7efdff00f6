#pragma once

namespace yorvane {

// Every screen, window and control measure in the program assumes 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Left, top, width, height in the unit of the owning container (twips or pixels).
struct Rect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A rectangle of whole pixels: left, top, width, height.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace yorvane
