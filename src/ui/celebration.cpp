// A won patience ends in a shower of cards over the whole window: waves of
// cards rolling along sine curves, or cards scattered everywhere, the two by
// turns. The ace of hearts never falls.
#include <QPainter>
#include <cmath>

#include "ui/artwork/artwork.h"
#include "ui/card_animator.h"

namespace {

constexpr int kWaves = 27;
// Faces 0 to 50: every face but the ace of hearts.
constexpr int kShownFaces = 51;

}  // namespace

void CardAnimator::WinCelebration() {
  if (!instant_) {
    AnimationScope scope(*this);
    if (celebrationShow_ == 0) {
      CelebrateWaves();
    } else {
      CelebrateScatter();
    }
  }
  celebrationShow_ = 1 - celebrationShow_;
  ComposeBackBuffer();
  ShowAll();
  clock_.Present();
}

void CardAnimator::CelebrateWaves() {
  const QSize size = p_.BackBuffer.deviceIndependentSize().toSize();
  const int w = size.width();
  const int h = size.height();
  for (int wave = 0; wave < kWaves; ++wave) {
    const int a = RandomBelow(g_, std::max(1, 2 * h));
    const int n = RandomBelow(g_, std::max(1, w + w / 2));
    for (int x = 0; x < n; x += 4) {
      const double curve = std::sin(4.0 * x * 3.14 / (n + 1)) + 1.0;
      const int y = static_cast<int>(std::trunc(a - curve * a * 0.5));
      DrawOn(p_.BackBuffer, Face(RandomBelow(g_, kShownFaces)), x, y);
      if (x % 15 == 0) clock_.Tick();
    }
  }
}

void CardAnimator::CelebrateScatter() {
  const QSize size = p_.BackBuffer.deviceIndependentSize().toSize();
  const int cards = size.width() + 300;
  for (int i = 0; i < cards; ++i) {
    const int image = RandomBelow(g_, kShownFaces);
    const int x = RandomBelow(g_, size.width() + 100);
    const int y = RandomBelow(g_, size.height() + 100);
    DrawOn(p_.BackBuffer, Face(image), x, y);
    if (i % 5 == 0) clock_.Tick();
  }
}
