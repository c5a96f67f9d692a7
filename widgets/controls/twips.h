#pragma once

#include <QPoint>
#include <QRect>

// Window layouts are given in twips, 1/1440 inch; at 96 dots per inch 15 twips
// make one pixel, and every stored position is a whole number of pixels.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

constexpr QRect toPixels(TwipsRect r) {
  return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
          twipsToPixels(r.height)};
}

constexpr QPoint toPixels(QPoint twips) {
  return {twipsToPixels(twips.x()), twipsToPixels(twips.y())};
}
