// gencards FOLDER [--montage FILE]
// Draws the 52 card faces and the program icon from the pixel art below and
// writes them into FOLDER: card01.bmp to card52.bmp (69 x 93, 24-bit BMP),
// vandrel.png (32 x 32) and vandrel.ico. With --montage it also writes all 52
// faces side by side into FILE, a BMP, for looking them over.
//
// Only integer arithmetic and exact floating-point comparisons are used, so the
// same source gives the same bytes on any machine.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// ---- Colours: the eight pure colours of the faces ----

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 255, 0};

// ---- A picture ----

class Picture {
 public:
  Picture(int width, int height, Rgb ground)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), ground) {}

  int width() const { return width_; }
  int height() const { return height_; }

  Rgb at(int x, int y) const { return pixels_[index(x, y)]; }
  void set(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
      pixels_[index(x, y)] = colour;
    }
  }

  void fillRect(int left, int top, int width, int height, Rgb colour) {
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) {
        set(x, y, colour);
      }
    }
  }

  void outlineRect(int left, int top, int width, int height, Rgb colour) {
    for (int x = left; x < left + width; ++x) {
      set(x, top, colour);
      set(x, top + height - 1, colour);
    }
    for (int y = top; y < top + height; ++y) {
      set(left, y, colour);
      set(left + width - 1, y, colour);
    }
  }

  // Pixels whose centre lies inside the ellipse with centre (cx, cy) and radii rx, ry.
  void fillEllipse(int cx, int cy, int rx, int ry, Rgb colour) {
    for (int y = cy - ry; y <= cy + ry; ++y) {
      for (int x = cx - rx; x <= cx + rx; ++x) {
        const int dx = x - cx;
        const int dy = y - cy;
        if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry) {
          set(x, y, colour);
        }
      }
    }
  }

  void line(int x0, int y0, int x1, int y1, Rgb colour) {
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int dy = y1 > y0 ? y0 - y1 : y1 - y0;
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
      set(x0, y0, colour);
      if (x0 == x1 && y0 == y1) {
        return;
      }
      const int twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        x0 += sx;
      }
      if (twice <= dx) {
        error += dx;
        y0 += sy;
      }
    }
  }

  // Draws every ink pixel of `sprite` at (left, top); turned upside down on request.
  void stamp(const Picture& sprite, int left, int top, bool upsideDown, Rgb ground = kWhite) {
    for (int y = 0; y < sprite.height(); ++y) {
      for (int x = 0; x < sprite.width(); ++x) {
        const Rgb colour = upsideDown ? sprite.at(sprite.width() - 1 - x, sprite.height() - 1 - y)
                                      : sprite.at(x, y);
        if (!(colour == ground)) {
          set(left + x, top + y, colour);
        }
      }
    }
  }

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

// A sprite from rows of text: '#' is ink, anything else ground.
Picture sprite(const std::vector<std::string_view>& rows, Rgb ink) {
  const int height = static_cast<int>(rows.size());
  int width = 0;
  for (const std::string_view row : rows) {
    width = std::max(width, static_cast<int>(row.size()));
  }
  Picture picture(width, height, kWhite);
  for (int y = 0; y < height; ++y) {
    const std::string_view row = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < static_cast<int>(row.size()); ++x) {
      if (row[static_cast<std::size_t>(x)] == '#') {
        picture.set(x, y, ink);
      }
    }
  }
  return picture;
}

// ---- Corner rank signs, 12 pixels high ----

const std::array<std::vector<std::string_view>, 13> kRankSigns{{
    {"..###..", "..###..", ".##.##.", ".##.##.", ".##.##.", "##...##", "##...##", "#######",
     "#######", "##...##", "##...##", "##...##"},
    {".#####.", "##...##", ".....##", ".....##", "....##.", "...##..", "..##...", ".##....",
     "##.....", "##.....", "##...##", "#######"},
    {".#####.", "##...##", ".....##", ".....##", "....##.", "..###..", "....##.", ".....##",
     ".....##", ".....##", "##...##", ".#####."},
    {"....##.", "...###.", "..####.", ".##.##.", "##..##.", "##..##.", "#######", "#######",
     "....##.", "....##.", "....##.", "...####"},
    {"#######", "##.....", "##.....", "##.....", "######.", ".....##", ".....##", ".....##",
     ".....##", ".....##", "##...##", ".#####."},
    {"..####.", ".##....", "##.....", "##.....", "######.", "##...##", "##...##", "##...##",
     "##...##", "##...##", "##...##", ".#####."},
    {"#######", "##...##", ".....##", "....##.", "....##.", "...##..", "...##..", "..##...",
     "..##...", "..##...", "..##...", "..##..."},
    {".#####.", "##...##", "##...##", "##...##", ".##.##.", "..###..", ".##.##.", "##...##",
     "##...##", "##...##", "##...##", ".#####."},
    {".#####.", "##...##", "##...##", "##...##", "##...##", "##...##", ".######", ".....##",
     ".....##", ".....##", "....##.", ".####.."},
    // 10: a narrow 1 and a 0 side by side.
    {".#..####.", "##.##..##", ".#.##..##", ".#.##..##", ".#.##..##", ".#.##..##", ".#.##..##",
     ".#.##..##", ".#.##..##", ".#.##..##", ".#.##..##", "###.####."},
    {"..#####", "....##.", "....##.", "....##.", "....##.", "....##.", "....##.", "....##.",
     "....##.", "##..##.", "##..##.", ".####.."},
    {".#####.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##.#.##",
     "##.####", "##..##.", ".####.#", "......#"},
    {"##...##", "##..##.", "##.##..", "####...", "###....", "###....", "####...", "##.##..",
     "##.##..", "##..##.", "##...##", "##...##"},
}};

// ---- Suits ----

enum class Suit { Spades, Clubs, Hearts, Diamonds };

Rgb suitColour(Suit suit) { return suit == Suit::Spades || suit == Suit::Clubs ? kBlack : kRed; }

// The small signs under the corner rank.
Picture cornerSign(Suit suit) {
  const Rgb ink = suitColour(suit);
  switch (suit) {
    case Suit::Spades:
      return sprite({"....#....", "...###...", "..#####..", ".#######.", "#########", "#########",
                     "#########", ".##.#.##.", "....#....", "..#####.."},
                    ink);
    case Suit::Clubs:
      return sprite(
          {"....###....", "...#####...", "...#####...", "...#####...", ".##.###.##.", "###########",
           "###########", ".##..#..##.", ".....#.....", "....###....", "...#####..."},
          ink);
    case Suit::Hearts:
      return sprite({".##...##.", "####.####", "#########", "#########", "#########", ".#######.",
                     "..#####..", "...###...", "....#...."},
                    ink);
    case Suit::Diamonds:
      return sprite({"...#...", "..###..", "..###..", ".#####.", "#######", ".#####.", "..###..",
                     "..###..", "...#..."},
                    ink);
  }
  return Picture(1, 1, kWhite);
}

// Shapes on a grid of `size` pixels, tested at pixel centres in units of half a
// pixel, so that every test is exact integer arithmetic.
bool insideCircle(int x2, int y2, int cx2, int cy2, int r2) {
  const int dx = x2 - cx2;
  const int dy = y2 - cy2;
  return dx * dx + dy * dy <= r2 * r2;
}

// A heart pointing down, in a box of `size` x `size`, coordinates doubled.
bool insideHeart(int x2, int y2, int size) {
  const int s2 = 2 * size;
  const int lobe = s2 / 4;  // radius of each lobe
  const int lobeY = lobe + 1;
  if (insideCircle(x2, y2, lobe, lobeY, lobe) || insideCircle(x2, y2, s2 - lobe, lobeY, lobe)) {
    return true;
  }
  // The point: a triangle from the lobes' middles down to the bottom centre.
  if (y2 < lobeY || y2 > s2) {
    return false;
  }
  const int half = s2 / 2;
  const int spread = (s2 - y2) * half / (s2 - lobeY);
  return x2 >= half - spread && x2 <= half + spread;
}

Picture heartPip(int size) {
  Picture p(size, size, kWhite);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (insideHeart(2 * x + 1, 2 * y + 1, size)) {
        p.set(x, y, kRed);
      }
    }
  }
  return p;
}

// A spade: a heart turned over for the blade, and a stem that flares into a
// foot, rising into the blade so the two join.
Picture spadePip(int size, Rgb ink) {
  Picture p(size, size, kWhite);
  const int bladeHeight = size * 3 / 4;
  for (int y = 0; y < bladeHeight; ++y) {
    for (int x = 0; x < size; ++x) {
      const int hy2 = (2 * (bladeHeight - y) - 1) * size / bladeHeight;
      if (insideHeart(2 * x + 1, hy2, size)) {
        p.set(x, y, ink);
      }
    }
  }
  const int middle = size / 2;
  const int stemTop = size / 2;
  const int footSpread = size / 5;
  const int rise = size - 1 - stemTop;
  for (int y = stemTop; y < size; ++y) {
    const int t = y - stemTop;
    // Narrow at first, widening fastest near the bottom.
    const int spread = t * t * footSpread / (rise * rise);
    for (int x = middle - spread; x <= middle + spread; ++x) {
      p.set(x, y, ink);
    }
  }
  return p;
}

Picture clubPip(int size) {
  Picture p(size, size, kWhite);
  const int s2 = 2 * size;
  const int r2 = s2 * 9 / 40;  // leaf radius, doubled units
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int x2 = 2 * x + 1;
      const int y2 = 2 * y + 1;
      const bool leaf = insideCircle(x2, y2, s2 / 2, r2 + 1, r2) ||
                        insideCircle(x2, y2, r2 + 1, s2 * 11 / 20, r2) ||
                        insideCircle(x2, y2, s2 - r2 - 1, s2 * 11 / 20, r2);
      const bool centre = insideCircle(x2, y2, s2 / 2, s2 * 9 / 20, r2 * 2 / 3);
      if (leaf || centre) {
        p.set(x, y, kBlack);
      }
    }
  }
  const int middle = size / 2;
  for (int y = size * 3 / 5; y < size; ++y) {
    const int spread = (y - size * 3 / 5) * (size / 5) / (size - size * 3 / 5);
    for (int x = middle - spread; x <= middle + spread; ++x) {
      p.set(x, y, kBlack);
    }
  }
  return p;
}

Picture diamondPip(int width, int height) {
  Picture p(width, height, kWhite);
  const int w2 = width;   // half width, doubled
  const int h2 = height;  // half height, doubled
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int dx = 2 * x + 1 - w2;
      const int dy = 2 * y + 1 - h2;
      if ((dx < 0 ? -dx : dx) * h2 + (dy < 0 ? -dy : dy) * w2 <= w2 * h2) {
        p.set(x, y, kRed);
      }
    }
  }
  return p;
}

constexpr int kPip = 15;
constexpr int kDiamondPipWidth = 13;

Picture pip(Suit suit) {
  switch (suit) {
    case Suit::Spades:
      return spadePip(kPip, kBlack);
    case Suit::Clubs:
      return clubPip(kPip);
    case Suit::Hearts:
      return heartPip(kPip);
    case Suit::Diamonds:
      return diamondPip(kDiamondPipWidth, kPip);
  }
  return Picture(1, 1, kWhite);
}

// ---- The card ----

constexpr int kCardWidth = 69;
constexpr int kCardHeight = 93;

// Bottom-right marks are the top-left ones turned about this point.
constexpr int kTurnX = kCardWidth - 1;
constexpr int kTurnY = 91;

void cornerMarks(Picture& card, int rank, Suit suit) {
  const Picture rankSign = sprite(kRankSigns[static_cast<std::size_t>(rank - 1)], suitColour(suit));
  const Picture suitSign = cornerSign(suit);
  const int rankLeft = 1;
  const int rankTop = 2;
  const int signLeft = 1;
  const int signTop = 16;
  card.stamp(rankSign, rankLeft, rankTop, false);
  card.stamp(suitSign, signLeft, signTop, false);
  card.stamp(rankSign, kTurnX - rankLeft - rankSign.width() + 1,
             kTurnY - rankTop - rankSign.height() + 1, true);
  card.stamp(suitSign, kTurnX - signLeft - suitSign.width() + 1,
             kTurnY - signTop - suitSign.height() + 1, true);
}

// Pip places: the column's left edge and the row's top edge. Rows are in
// 48ths of the span from the top row (y = 8) to the bottom row (y = 69).
constexpr int kLeftColumn = 13;
constexpr int kMiddleColumn = 27;
constexpr int kRightColumn = 40;
constexpr int kTopRow = 8;
constexpr int kBottomRow = 69;

int rowAt(int fortyEighths) { return kTopRow + (kBottomRow - kTopRow) * fortyEighths / 48; }

struct PipPlace {
  int column;
  int row48;
};

std::vector<PipPlace> pipPlaces(int rank, Suit suit) {
  std::vector<PipPlace> places;
  auto outerPair = [&places](int row48) {
    places.push_back({kLeftColumn, row48});
    places.push_back({kRightColumn, row48});
  };
  auto middle = [&places](int row48) { places.push_back({kMiddleColumn, row48}); };
  switch (rank) {
    case 2:
      middle(0);
      middle(48);
      break;
    case 3:
      middle(0);
      middle(24);
      middle(48);
      break;
    case 4:
      outerPair(0);
      outerPair(48);
      break;
    case 5:
      outerPair(0);
      outerPair(48);
      middle(24);
      break;
    case 6:
      outerPair(0);
      outerPair(24);
      outerPair(48);
      break;
    case 7:
      outerPair(0);
      outerPair(24);
      outerPair(48);
      middle(12);
      break;
    case 8:
      if (suit == Suit::Diamonds) {
        outerPair(0);
        outerPair(24);
        outerPair(48);
        middle(12);
        middle(36);
      } else {
        outerPair(0);
        outerPair(16);
        outerPair(32);
        outerPair(48);
      }
      break;
    case 9:
      outerPair(0);
      outerPair(16);
      outerPair(32);
      outerPair(48);
      middle(24);
      break;
    case 10:
      outerPair(0);
      outerPair(16);
      outerPair(32);
      outerPair(48);
      middle(8);
      middle(40);
      break;
    default:
      break;
  }
  return places;
}

// The large ornamented spade of the ace of spades: black, with a white line
// inside its edge and a white lattice whose strands pass over and under each
// other in turn.
Picture largeSpade() {
  constexpr int kSize = 39;
  constexpr int kLattice = 5;
  const Picture outer = spadePip(kSize, kBlack);
  Picture spade = outer;
  auto inkAt = [&outer](int x, int y) {
    return x >= 0 && y >= 0 && x < kSize && y < kSize && outer.at(x, y) == kBlack;
  };
  // Depth of a pixel: the distance to the nearest ground pixel, up to 5.
  auto depth = [&inkAt](int x, int y) {
    for (int d = 1; d <= 4; ++d) {
      for (int dy = -d; dy <= d; ++dy) {
        for (int dx = -d; dx <= d; ++dx) {
          if (!inkAt(x + dx, y + dy)) {
            return d;
          }
        }
      }
    }
    return 5;
  };
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (!inkAt(x, y)) {
        continue;
      }
      const int d = depth(x, y);
      if (d == 2) {
        spade.set(x, y, kWhite);
        continue;
      }
      if (d < 4) {
        continue;
      }
      const int down = x + y;
      const int up = x - y + 4 * kSize;
      const bool onDown = down % kLattice == 0;
      const bool onUp = up % kLattice == 0;
      if (!onDown && !onUp) {
        continue;
      }
      spade.set(x, y, kWhite);
    }
  }
  // Interlacing: beside each crossing, the strand that passes under is broken.
  for (int y = 1; y + 1 < kSize; ++y) {
    for (int x = 1; x + 1 < kSize; ++x) {
      const int down = x + y;
      const int up = x - y + 4 * kSize;
      if (down % kLattice != 0 || up % kLattice != 0 || depth(x, y) < 4) {
        continue;
      }
      // Consecutive crossings along a strand lie 2 * kLattice apart in the other
      // family, so this alternates over and under along every strand.
      if ((down / (2 * kLattice) + up / (2 * kLattice)) % 2 == 0) {
        spade.set(x - 1, y - 1, kBlack);  // the rising strand passes under
        spade.set(x + 1, y + 1, kBlack);
      } else {
        spade.set(x + 1, y - 1, kBlack);  // the falling strand passes under
        spade.set(x - 1, y + 1, kBlack);
      }
    }
  }
  return spade;
}

// ---- Court cards ----

constexpr int kFrameLeft = 11;
constexpr int kFrameTop = 9;
constexpr int kFrameWidth = 47;
constexpr int kFrameHeight = 74;
// The lower half is the upper half turned about the frame's centre.
constexpr int kFrameTurnX = 2 * kFrameLeft + kFrameWidth - 1;
constexpr int kFrameTurnY = 2 * kFrameTop + kFrameHeight - 1;
constexpr int kHalfBottom = kFrameTop + kFrameHeight / 2 - 1;  // last row of the upper half

enum class Court { Jack = 11, Queen = 12, King = 13 };

void face(Picture& p, int cx, int cy) {
  p.fillEllipse(cx, cy, 5, 6, kBlack);
  p.fillEllipse(cx, cy, 4, 5, kWhite);
  p.set(cx - 2, cy - 1, kBlack);
  p.set(cx + 2, cy - 1, kBlack);
  p.set(cx, cy + 1, kBlack);
  p.line(cx - 1, cy + 3, cx + 1, cy + 3, kRed);
}

void robe(Picture& p, int top, Rgb body, Rgb trim) {
  for (int y = top; y <= kHalfBottom; ++y) {
    const int spread = std::min(13, 8 + (y - top) * 2);
    p.line(34 - spread, y, 34 + spread, y, body);
    p.set(34 - spread - 1, y, kBlack);
    p.set(34 + spread + 1, y, kBlack);
  }
  p.line(34 - 8, top - 1, 34 + 8, top - 1, kBlack);
  p.fillRect(33, top, 3, kHalfBottom - top + 1, trim);
}

void drawKing(Picture& p) {
  // Crown with three points and jewels.
  p.fillRect(28, 13, 13, 4, kYellow);
  p.outlineRect(28, 13, 13, 4, kBlack);
  for (const int x : {28, 34, 40}) {
    p.line(x, 10, x, 13, kBlack);
    p.set(x, 11, kYellow);
  }
  p.set(31, 15, kRed);
  p.set(34, 15, kCyan);
  p.set(37, 15, kMagenta);
  // Hair, face, beard.
  p.fillRect(28, 17, 2, 10, kYellow);
  p.fillRect(39, 17, 2, 10, kYellow);
  face(p, 34, 22);
  p.fillEllipse(34, 29, 5, 3, kBlack);
  p.fillEllipse(34, 29, 4, 2, kYellow);
  robe(p, 33, kRed, kYellow);
  p.line(26, 33, 42, 33, kBlue);
  p.set(34, 38, kGreen);
  p.set(34, 42, kMagenta);
  // Sword held upright at the side.
  p.line(47, 14, 47, 40, kBlack);
  p.line(48, 15, 48, 40, kCyan);
  p.line(49, 14, 49, 40, kBlack);
  p.fillRect(45, 36, 7, 2, kYellow);
}

void drawQueen(Picture& p) {
  p.fillEllipse(34, 24, 7, 10, kYellow);  // hair behind the face
  p.fillRect(30, 12, 9, 3, kYellow);
  p.outlineRect(30, 12, 9, 3, kBlack);
  p.set(34, 13, kMagenta);
  face(p, 34, 22);
  robe(p, 33, kRed, kYellow);
  p.line(27, 33, 41, 33, kBlue);
  for (int y = 36; y <= kHalfBottom; y += 4) {
    p.set(30, y, kYellow);
    p.set(38, y, kYellow);
  }
  // A flower held before her.
  p.line(23, 40, 19, 24, kGreen);
  p.set(21, 32, kGreen);
  p.set(22, 32, kGreen);
  p.fillEllipse(19, 22, 2, 2, kMagenta);
  p.set(19, 22, kYellow);
  p.set(26, 40, kCyan);
}

void drawJack(Picture& p) {
  // A cap with a band, and a feather.
  p.fillRect(28, 12, 13, 5, kRed);
  p.outlineRect(28, 12, 13, 5, kBlack);
  p.line(28, 16, 40, 16, kYellow);
  p.line(27, 13, 23, 10, kGreen);
  p.line(27, 14, 23, 11, kGreen);
  p.fillRect(29, 17, 2, 8, kBlack);  // short hair
  p.fillRect(38, 17, 2, 8, kBlack);
  face(p, 34, 22);
  robe(p, 31, kYellow, kRed);
  p.line(27, 31, 41, 31, kBlue);
  for (int y = 34; y <= kHalfBottom; y += 3) {
    p.set(34, y, kCyan);
  }
  // A halberd.
  p.line(22, 14, 22, kHalfBottom, kBlack);
  p.fillRect(18, 14, 4, 5, kCyan);
  p.outlineRect(18, 14, 4, 5, kBlack);
}

void courtFigure(Picture& card, Court court, Suit suit) {
  Picture half(kCardWidth, kCardHeight, kWhite);
  switch (court) {
    case Court::King:
      drawKing(half);
      break;
    case Court::Queen:
      drawQueen(half);
      break;
    case Court::Jack:
      drawJack(half);
      break;
  }
  // The suit sign in a top corner of the frame: left on kings, right otherwise.
  const Picture sign = pip(suit);
  const int boxLeft = court == Court::King ? kFrameLeft + 2 : kFrameLeft + kFrameWidth - 2 - kPip;
  half.fillRect(boxLeft - 1, kFrameTop + 1, kPip + 2, kPip + 2, kWhite);
  half.stamp(sign, boxLeft + (kPip - sign.width()) / 2, kFrameTop + 2, false);
  for (int y = kFrameTop + 1; y <= kHalfBottom; ++y) {
    for (int x = kFrameLeft + 1; x < kFrameLeft + kFrameWidth - 1; ++x) {
      const Rgb colour = half.at(x, y);
      card.set(x, y, colour);
      card.set(kFrameTurnX - x, kFrameTurnY - y, colour);
    }
  }
  card.outlineRect(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight, kBlack);
}

Picture cardFace(int number) {
  const Suit suit = static_cast<Suit>((number - 1) / 13);
  const int rank = (number - 1) % 13 + 1;
  Picture card(kCardWidth, kCardHeight, kWhite);
  if (rank == 1) {
    if (suit == Suit::Spades) {
      card.stamp(largeSpade(), 15, 23, false);
    } else {
      const Picture sign = pip(suit);
      card.stamp(sign, 27 + (kPip - sign.width()) / 2, 39, false);
    }
  } else if (rank <= 10) {
    const Picture sign = pip(suit);
    const int nudge = (kPip - sign.width()) / 2;
    for (const PipPlace place : pipPlaces(rank, suit)) {
      const int top = rowAt(place.row48);
      // Signs whose middle lies below the card's middle are turned upside down.
      const bool lowerHalf = 2 * top + kPip > kCardHeight;
      card.stamp(sign, place.column + nudge, top, lowerHalf);
    }
  } else {
    courtFigure(card, static_cast<Court>(rank), suit);
  }
  cornerMarks(card, rank, suit);
  return card;
}

// ---- The icon: a miniature ace of spades, in black and greys ----

Picture icon() {
  constexpr int kSize = 32;
  constexpr Rgb kGrey{128, 128, 128};
  constexpr Rgb kLightGrey{192, 192, 192};
  Picture p(kSize, kSize, kWhite);
  p.outlineRect(4, 0, 24, 32, kGrey);
  const Picture letter = sprite({".#.", "#.#", "###", "#.#", "#.#"}, kBlack);
  const Picture small = sprite({"..#..", ".###.", "#####", "#.#.#", "..#.."}, kBlack);
  const Picture large =
      sprite({".......##.......", "......####......", ".....######.....", "....########....",
              "...##########...", "..############..", ".##############.", "################",
              "################", "################", ".######..######.", "..####.##.####..",
              ".......##.......", "......####......", ".....######.....", "....########...."},
             kBlack);
  p.stamp(letter, 6, 2, false);
  p.stamp(small, 5, 8, false);
  p.stamp(letter, kSize - 6 - letter.width(), kSize - 2 - letter.height(), true);
  p.stamp(small, kSize - 5 - small.width(), kSize - 8 - small.height(), true);
  p.stamp(large, 8, 8, false);
  // The ornament, hinted by a grey lattice inside the blade.
  for (int y = 12; y < 18; ++y) {
    for (int x = 10; x < 22; ++x) {
      if (p.at(x, y) == kBlack && p.at(x - 1, y) == kBlack && p.at(x + 1, y) == kBlack &&
          ((x + y) % 4 == 0 || (x - y + 32) % 4 == 0)) {
        p.set(x, y, kLightGrey);
      }
    }
  }
  return p;
}

// ---- Files ----

void putLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
  }
}

void putBe(std::string& out, std::uint32_t value) {
  for (int i = 3; i >= 0; --i) {
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
  }
}

// 24-bit uncompressed BMP, bottom-up rows padded to four bytes, 96 dpi.
std::string bmp(const Picture& p) {
  constexpr std::uint32_t kPixelsPerMetre = 3780;
  const int rowBytes = (p.width() * 3 + 3) / 4 * 4;
  const auto dataBytes = static_cast<std::uint32_t>(rowBytes * p.height());
  std::string out;
  out += "BM";
  putLe(out, 54 + dataBytes, 4);
  putLe(out, 0, 4);
  putLe(out, 54, 4);
  putLe(out, 40, 4);
  putLe(out, static_cast<std::uint32_t>(p.width()), 4);
  putLe(out, static_cast<std::uint32_t>(p.height()), 4);
  putLe(out, 1, 2);
  putLe(out, 24, 2);
  putLe(out, 0, 4);
  putLe(out, dataBytes, 4);
  putLe(out, kPixelsPerMetre, 4);
  putLe(out, kPixelsPerMetre, 4);
  putLe(out, 0, 4);
  putLe(out, 0, 4);
  for (int y = p.height() - 1; y >= 0; --y) {
    for (int x = 0; x < p.width(); ++x) {
      const Rgb c = p.at(x, y);
      out.push_back(static_cast<char>(c.b));
      out.push_back(static_cast<char>(c.g));
      out.push_back(static_cast<char>(c.r));
    }
    out.append(static_cast<std::size_t>(rowBytes - p.width() * 3), '\0');
  }
  return out;
}

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFU;
  for (const char ch : bytes) {
    crc ^= static_cast<std::uint8_t>(ch);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1U) ^ (0xEDB88320U & (0U - (crc & 1U)));
    }
  }
  return crc ^ 0xFFFFFFFFU;
}

void pngChunk(std::string& out, std::string_view type, const std::string& data) {
  putBe(out, static_cast<std::uint32_t>(data.size()));
  const std::string body = std::string(type) + data;
  out += body;
  putBe(out, crc32(body));
}

// An opaque RGB PNG, its image data in stored (uncompressed) deflate blocks.
std::string png(const Picture& p) {
  std::string raw;
  for (int y = 0; y < p.height(); ++y) {
    raw.push_back('\0');  // no filter
    for (int x = 0; x < p.width(); ++x) {
      const Rgb c = p.at(x, y);
      raw.push_back(static_cast<char>(c.r));
      raw.push_back(static_cast<char>(c.g));
      raw.push_back(static_cast<char>(c.b));
    }
  }
  std::string zlib{'\x78', '\x01'};
  constexpr std::size_t kBlock = 65535;
  for (std::size_t at = 0; at < raw.size(); at += kBlock) {
    const std::size_t length = std::min(kBlock, raw.size() - at);
    zlib.push_back(at + length == raw.size() ? '\x01' : '\x00');
    putLe(zlib, static_cast<std::uint32_t>(length), 2);
    putLe(zlib, static_cast<std::uint32_t>(~length & 0xFFFFU), 2);
    zlib += raw.substr(at, length);
  }
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const char ch : raw) {
    a = (a + static_cast<std::uint8_t>(ch)) % 65521U;
    b = (b + a) % 65521U;
  }
  putBe(zlib, (b << 16U) | a);

  std::string header;
  putBe(header, static_cast<std::uint32_t>(p.width()));
  putBe(header, static_cast<std::uint32_t>(p.height()));
  header += std::string{'\x08', '\x02', '\x00', '\x00', '\x00'};  // 8-bit RGB
  std::string out = "\x89PNG\r\n\x1a\n";
  pngChunk(out, "IHDR", header);
  pngChunk(out, "IDAT", zlib);
  pngChunk(out, "IEND", "");
  return out;
}

// A Windows icon holding the PNG.
std::string ico(const Picture& p, const std::string& pngBytes) {
  std::string out;
  putLe(out, 0, 2);
  putLe(out, 1, 2);  // an icon
  putLe(out, 1, 2);  // one image
  out.push_back(static_cast<char>(p.width()));
  out.push_back(static_cast<char>(p.height()));
  out.push_back('\0');  // no palette
  out.push_back('\0');
  putLe(out, 1, 2);   // planes
  putLe(out, 24, 2);  // bits per pixel
  putLe(out, static_cast<std::uint32_t>(pngBytes.size()), 4);
  putLe(out, 22, 4);  // offset of the image
  return out + pngBytes;
}

bool write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

Picture montage() {
  constexpr int kGap = 4;
  Picture sheet(13 * (kCardWidth + kGap) + kGap, 4 * (kCardHeight + kGap) + kGap, Rgb{0, 128, 0});
  for (int number = 1; number <= 52; ++number) {
    const int column = (number - 1) % 13;
    const int row = (number - 1) / 13;
    const Picture card = cardFace(number);
    for (int y = 0; y < kCardHeight; ++y) {
      for (int x = 0; x < kCardWidth; ++x) {
        sheet.set(kGap + column * (kCardWidth + kGap) + x, kGap + row * (kCardHeight + kGap) + y,
                  card.at(x, y));
      }
    }
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string_view{argv[2]} == "--montage")) {
    std::fputs("usage: gencards FOLDER [--montage FILE]\n", stderr);
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = true;
  for (int number = 1; number <= 52; ++number) {
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "card%02d.bmp", number);
    ok = write(folder + "/" + name.data(), bmp(cardFace(number))) && ok;
  }
  const Picture programIcon = icon();
  const std::string iconPng = png(programIcon);
  ok = write(folder + "/vandrel.png", iconPng) && ok;
  ok = write(folder + "/vandrel.ico", ico(programIcon, iconPng)) && ok;
  if (argc == 4) {
    ok = write(argv[3], bmp(montage())) && ok;
  }
  return ok ? 0 : 1;
}
