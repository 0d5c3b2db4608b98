// The 14 table textures, grown from fixed seeds so the table looks the same
// on every start. Every texture is a seamless tile: its noise repeats with the
// tile, its threads and wood rings fit a whole number of times.
//
// Textures 8 (slate) and 10 (parchment) also give the separator lines their
// pattern: slate on the light tables, parchment on the dark ones.
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ui/artwork/painting.h"

namespace artwork {

namespace {

// ---- Seamless noise ------------------------------------------------------------------

uint32_t Hash(uint32_t seed, int x, int y) {
  uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA77u ^
               static_cast<uint32_t>(y) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

float Unit(uint32_t h) {
  return static_cast<float>(h >> 8) * (1.0f / 16777216.0f);
}

int Wrap(int i, int period) {
  return ((i % period) + period) % period;
}

float Smooth(float t) {
  return t * t * (3 - 2 * t);
}

// sin(2 pi turns), close enough for shading and much quicker than the
// library sine, which dominated the wood and marble.
float SineOfTurns(float turns) {
  float x = turns - std::floor(turns);  // 0..1
  x = x < 0.5f ? x : x - 1.0f;          // -0.5..0.5
  const float y = 8.0f * x - 16.0f * x * std::abs(x);
  return 0.225f * (y * std::abs(y) - y) + y;
}

// Value noise on a lattice of cellsX x cellsY random values spread over the
// tile; s and t run over the tile from 0 to 1 and the lattice wraps at the
// edges, so the noise repeats with the tile.
class Lattice {
 public:
  Lattice(uint32_t seed, int cellsX, int cellsY)
      : cellsX_(std::max(1, cellsX)), cellsY_(std::max(1, cellsY)) {
    values_.reserve(static_cast<size_t>(cellsX_) * cellsY_);
    for (int y = 0; y < cellsY_; ++y) {
      for (int x = 0; x < cellsX_; ++x) values_.push_back(Unit(Hash(seed, x, y)));
    }
  }

  float At(float s, float t) const {
    const float u = s * cellsX_;
    const float v = t * cellsY_;
    const int x0 = std::min(static_cast<int>(u), cellsX_ - 1);
    const int y0 = std::min(static_cast<int>(v), cellsY_ - 1);
    const float fx = Smooth(u - x0);
    const float fy = Smooth(v - y0);
    const int x1 = x0 + 1 == cellsX_ ? 0 : x0 + 1;
    const float* row0 = &values_[static_cast<size_t>(y0) * cellsX_];
    const float* row1 = &values_[static_cast<size_t>(y0 + 1 == cellsY_ ? 0 : y0 + 1) * cellsX_];
    const float top = row0[x0] + (row0[x1] - row0[x0]) * fx;
    const float bottom = row1[x0] + (row1[x1] - row1[x0]) * fx;
    return top + (bottom - top) * fy;
  }

 private:
  int cellsX_;
  int cellsY_;
  std::vector<float> values_;
};

// Several octaves of noise, each with twice the cells and half the weight.
// Plain, it gives 0..1 around 0.5; folded (each octave |2n - 1|), sharp
// creases as in the veins of marble.
class Fractal {
 public:
  Fractal(uint32_t seed, int cellsX, int cellsY, int octaves, bool folded = false)
      : folded_(folded) {
    float amplitude = 1;
    for (int k = 0; k < octaves; ++k) {
      octaves_.emplace_back(seed + 101 * k, cellsX << k, cellsY << k);
      amplitudes_.push_back(amplitude);
      weight_ += amplitude;
      amplitude *= 0.5f;
    }
  }

  float At(float s, float t) const {
    float sum = 0;
    for (size_t k = 0; k < octaves_.size(); ++k) {
      const float n = octaves_[k].At(s, t);
      sum += amplitudes_[k] * (folded_ ? std::abs(2 * n - 1) : n);
    }
    return folded_ ? sum : sum / weight_;
  }

 private:
  bool folded_;
  float weight_ = 0;
  std::vector<Lattice> octaves_;
  std::vector<float> amplitudes_;
};

struct Rgb {
  float r, g, b;
};

Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, float k) {
  return {c.r * k, c.g * k, c.b * k};
}

QRgb ToPixel(Rgb c) {
  auto channel = [](float v) { return std::clamp(static_cast<int>(v + 0.5f), 0, 255); };
  return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

// ---- The texture kinds ------------------------------------------------------------------

// Where a pixel lies: s, t over the tile (0..1), x, y in logical pixels, and
// the device pixel for grain finer than a logical pixel.
struct Spot {
  float s, t, x, y;
  int px, py;
};

// Each kind of texture prepares its noise for the tile size once and then
// shades one pixel at a time.

class Felt {
 public:
  Felt(Rgb base, uint32_t seed, QSize size)
      : base_(base),
        seed_(seed),
        cloud_(seed, std::max(2, size.width() / 24), std::max(2, size.height() / 24), 2),
        nap_(seed + 7, size.width() / 3, size.height() / 3, 2) {}

  Rgb operator()(const Spot& at) const {
    const float fibre = Unit(Hash(seed_ + 13, at.px, at.py));
    return Scale(
        base_, 0.86f + 0.12f * cloud_.At(at.s, at.t) + 0.16f * nap_.At(at.s, at.t) + 0.06f * fibre);
  }

 private:
  Rgb base_;
  uint32_t seed_;
  Fractal cloud_;
  Fractal nap_;
};

// Threads crossing over and under; the tile holds a whole number of repeats.
class Weave {
 public:
  Weave(Rgb warp, Rgb weft, float thread, bool twill, uint32_t seed, QSize size)
      : warp_(warp),
        weft_(weft),
        thread_(thread),
        twill_(twill),
        seed_(seed),
        dirt_(seed + 3, std::max(2, size.width() / 16), std::max(2, size.height() / 16), 2) {}

  Rgb operator()(const Spot& at) const {
    const int tx = static_cast<int>(at.x / thread_);
    const int ty = static_cast<int>(at.y / thread_);
    const float fx = at.x / thread_ - tx;
    const float fy = at.y / thread_ - ty;
    // Plain weave goes over one, under one; twill over two, under one, one
    // thread further along on each row, which makes the diagonal rib.
    const bool warpOnTop = twill_ ? Wrap(tx - ty, 3) < 2 : (tx + ty) % 2 == 0;
    // Each thread is rounded across and a little uneven from thread to thread.
    const float across = SineOfTurns(0.5f * (warpOnTop ? fx : fy));
    const float slub = Unit(Hash(seed_, warpOnTop ? tx : ty, warpOnTop ? 0 : 1));
    const Rgb yarn = warpOnTop ? warp_ : weft_;
    return Scale(yarn, 0.62f + 0.34f * across + 0.08f * slub + 0.08f * dirt_.At(at.s, at.t));
  }

 private:
  Rgb warp_;
  Rgb weft_;
  float thread_;  // logical pixels
  bool twill_;
  uint32_t seed_;
  Fractal dirt_;
};

// Planks with the grain running across; a whole number of rings fits the
// tile height.
class Wood {
 public:
  Wood(Rgb light, Rgb dark, int rings, uint32_t seed)
      : light_(light),
        dark_(dark),
        rings_(rings),
        seed_(seed),
        warp_(seed, 2, 3, 3),
        fibre_(seed + 11, 4, 48, 2) {}

  Rgb operator()(const Spot& at) const {
    const float ring = at.t * rings_ + 0.9f * warp_.At(at.s, at.t);
    const float band = 0.5f + 0.5f * SineOfTurns(ring);
    const float band2 = band * band;
    const float late = band2 * band2 * band2;  // the dark late wood of each ring
    const float pore = Unit(Hash(seed_ + 17, at.px / 3, at.py));
    const float amount = 0.25f * band + 0.45f * late + 0.30f * fibre_.At(at.s, at.t) + 0.08f * pore;
    return Mix(light_, dark_, std::clamp(amount, 0.0f, 1.0f));
  }

 private:
  Rgb light_;
  Rgb dark_;
  int rings_;
  uint32_t seed_;
  Fractal warp_;
  Fractal fibre_;
};

// Veins that run slantX times across and slantY times down the tile.
class Marble {
 public:
  Marble(Rgb base, Rgb vein, int slantX, int slantY, uint32_t seed)
      : base_(base),
        vein_(vein),
        slantX_(slantX),
        slantY_(slantY),
        turbulence_(seed, 2, 2, 4, true),
        cloud_(seed + 5, 4, 4, 3) {}

  Rgb operator()(const Spot& at) const {
    const float turns = at.s * slantX_ + at.t * slantY_ + 0.6f * turbulence_.At(at.s, at.t);
    const float near = 1 - std::abs(SineOfTurns(turns));
    const float near2 = near * near;
    const float near4 = near2 * near2;
    const float vein = near4 * near2;
    const Rgb ground = Scale(base_, 0.93f + 0.10f * cloud_.At(at.s, at.t));
    return Mix(ground, vein_, 0.55f * vein);
  }

 private:
  Rgb base_;
  Rgb vein_;
  int slantX_;
  int slantY_;
  Fractal turbulence_;
  Fractal cloud_;
};

class Slate {
 public:
  Slate(Rgb base, uint32_t seed)
      : base_(base), seed_(seed), layers_(seed, 2, 8, 4), cleave_(seed + 9, 6, 24, 2) {}

  Rgb operator()(const Spot& at) const {
    const float grit = Unit(Hash(seed_ + 21, at.px, at.py));
    return Scale(base_, 0.72f + 0.45f * layers_.At(at.s, at.t) + 0.18f * cleave_.At(at.s, at.t) +
                            0.07f * grit);
  }

 private:
  Rgb base_;
  uint32_t seed_;
  Fractal layers_;
  Fractal cleave_;
};

// A light ground with dark and pink grains.
class Granite {
 public:
  Granite(Rgb ground, Rgb dark, Rgb pink, uint32_t seed, QSize size)
      : ground_(ground),
        dark_(dark),
        pink_(pink),
        seed_(seed),
        grains_(seed, size.width() / 2, size.height() / 2, 2),
        cloud_(seed + 3, 4, 4, 2) {}

  Rgb operator()(const Spot& at) const {
    const float grains = grains_.At(at.s, at.t);
    const float sparkle = Unit(Hash(seed_ + 7, at.px, at.py));
    Rgb c = Scale(ground_, 0.92f + 0.12f * cloud_.At(at.s, at.t) + 0.05f * sparkle);
    if (grains < 0.36f) c = Mix(c, dark_, std::min(1.0f, (0.36f - grains) * 9));
    if (grains > 0.64f) c = Mix(c, pink_, std::min(1.0f, (grains - 0.64f) * 7));
    return c;
  }

 private:
  Rgb ground_;
  Rgb dark_;
  Rgb pink_;
  uint32_t seed_;
  Fractal grains_;
  Fractal cloud_;
};

class Parchment {
 public:
  Parchment(Rgb base, uint32_t seed)
      : base_(base), seed_(seed), blotch_(seed, 3, 3, 4), fibre_(seed + 2, 20, 5, 2) {}

  Rgb operator()(const Spot& at) const {
    const float fleck = Unit(Hash(seed_ + 4, at.px, at.py));
    float shade =
        0.84f + 0.22f * blotch_.At(at.s, at.t) + 0.05f * fibre_.At(at.s, at.t) + 0.03f * fleck;
    if (fleck > 0.997f) shade -= 0.25f;
    return Scale(base_, shade);
  }

 private:
  Rgb base_;
  uint32_t seed_;
  Fractal blotch_;
  Fractal fibre_;
};

template <typename Shader>
QImage Grow(const Shader& shade, QSize size, qreal ratio) {
  const int width = qRound(size.width() * ratio);
  const int height = qRound(size.height() * ratio);
  QImage image(width, height, QImage::Format_RGB32);
  for (int py = 0; py < height; ++py) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(py));
    for (int px = 0; px < width; ++px) {
      const float s = (px + 0.5f) / width;
      const float t = (py + 0.5f) / height;
      const Spot at{s, t, s * size.width(), t * size.height(), px, py};
      line[px] = ToPixel(shade(at));
    }
  }
  image.setDevicePixelRatio(ratio);
  return image;
}

constexpr std::array<QSize, 14> kSizes = {
    QSize(128, 96),  QSize(96, 96), QSize(112, 112), QSize(64, 64), QSize(157, 118),
    QSize(118, 118), QSize(80, 80), QSize(150, 100), QSize(96, 64), QSize(48, 48),
    QSize(100, 100), QSize(32, 32), QSize(72, 72),   QSize(64, 96)};

}  // namespace

QSize TextureSize(int i) {
  return kSizes[std::clamp(i, 0, 13)];
}

QImage MakeTexture(int i, qreal ratio) {
  const QSize size = TextureSize(i);
  switch (i) {
    case 0:  // the classic green cloth
      return Grow(Felt({60, 150, 84}, 1001, size), size, ratio);
    case 1:  // dark green baize
      return Grow(Felt({20, 82, 44}, 1002, size), size, ratio);
    case 2:  // navy felt
      return Grow(Felt({28, 50, 110}, 1003, size), size, ratio);
    case 3:  // sand-coloured linen
      return Grow(Weave({222, 204, 164}, {206, 188, 148}, 2, false, 1004, size), size, ratio);
    case 4:  // light oak
      return Grow(Wood({226, 190, 138}, {168, 118, 64}, 7, 1005), size, ratio);
    case 5:  // white marble
      return Grow(Marble({236, 234, 228}, {120, 122, 130}, 1, 2, 1006), size, ratio);
    case 6:  // burgundy felt
      return Grow(Felt({116, 24, 40}, 1007, size), size, ratio);
    case 7:  // walnut
      return Grow(Wood({118, 76, 44}, {58, 32, 18}, 9, 1008), size, ratio);
    case 8:  // dark slate
      return Grow(Slate({44, 50, 58}, 1009), size, ratio);
    case 9:  // denim twill
      return Grow(Weave({40, 66, 124}, {170, 176, 192}, 2, true, 1010, size), size, ratio);
    case 10:  // parchment
      return Grow(Parchment({236, 222, 186}, 1011), size, ratio);
    case 11:  // light canvas
      return Grow(Weave({184, 198, 212}, {168, 182, 198}, 2, false, 1012, size), size, ratio);
    case 12:  // light granite
      return Grow(Granite({198, 196, 190}, {70, 70, 74}, {206, 160, 148}, 1013, size), size, ratio);
    default:  // teal felt
      return Grow(Felt({18, 90, 96}, 1014, size), size, ratio);
  }
}

}  // namespace artwork
