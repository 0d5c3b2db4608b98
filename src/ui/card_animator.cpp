#include "ui/card_animator.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "commentary/sound.h"
#include "table/layout.h"
#include "ui/artwork/artwork.h"
#include "ui/table_renderer.h"

namespace {

QSize LogicalSize(const QPixmap& picture) {
  return picture.deviceIndependentSize().toSize();
}

QRectF DeviceRect(const QImage& image, const QRect& logical) {
  const qreal r = image.devicePixelRatio();
  return QRectF(logical.x() * r, logical.y() * r, logical.width() * r, logical.height() * r);
}

// The one-pixel line a step uncovered, behind a card of size w x h at (x, y),
// together with the card's own edge next to it. On a magnified table a
// table pixel is not a whole number of screen pixels, and the card's edge
// and the line may round a screen pixel apart: taking the edge too leaves
// nothing of the card behind. The card is drawn over its edge afterwards.
QRect TrailingLine(int x, int y, int w, int h, StepDir dir) {
  switch (dir) {
    case StepDir::Left:
      return {x + w - 1, y, 2, h + 1};
    case StepDir::Right:
      return {x - 1, y, 2, h};
    case StepDir::Up:
      return {x, y + h - 1, w, 2};
    case StepDir::Down:
      return {x, y - 1, w, 2};
    case StepDir::InPlace:
      break;
  }
  return {};
}

// The steps of a flight drawn in the screen pixels of the picture. On a
// magnified table a table pixel is a fractional number of screen pixels;
// drawing whole screen pixels keeps every copy a plain copy (as fast as on a
// table shown as it is) and lays the card's picture down pixel for pixel.
class StepPainter {
 public:
  StepPainter(QImage& into, const QPixmap& card)
      : ratio_(into.devicePixelRatio()),
        cardPicture_(card.toImage()),
        card_(ScreenPixels(cardPicture_)),
        into_(into.bits(), into.width(), into.height(), into.bytesPerLine(), into.format()),
        painter_(&into_) {}

  // The card at (x, y): first the line it uncovered and, unless it is only
  // laid down, the scene under it (its rounded corners let the scene show,
  // not its last step), then the card.
  void Step(const QImage& scene, int x, int y, const QRect& line, bool sceneUnder) {
    const QImage pixels = ScreenPixels(scene);
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    if (!line.isEmpty()) Copy(pixels, OnScreen(line));
    const QRect card(OnScreen(QPoint(x, y)), card_.size());
    if (sceneUnder) Copy(pixels, card);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.drawImage(card.topLeft(), card_);
  }

 private:
  QPoint OnScreen(QPoint p) const { return {qRound(p.x() * ratio_), qRound(p.y() * ratio_)}; }
  QRect OnScreen(const QRect& r) const {
    const QPoint farCorner = OnScreen(r.topLeft() + QPoint(r.width(), r.height()));
    return QRect(OnScreen(r.topLeft()), farCorner - QPoint(1, 1));
  }
  void Copy(const QImage& scene, const QRect& area) {
    painter_.drawImage(QRectF(area), scene, QRectF(area));
  }
  // The same pixels seen as a picture of density 1, so that a copy of them
  // is taken pixel for pixel (no copy of the pixels is made).
  static QImage ScreenPixels(const QImage& picture) {
    return QImage(picture.constBits(), picture.width(), picture.height(), picture.bytesPerLine(),
                  picture.format());
  }

  qreal ratio_;
  QImage cardPicture_;
  QImage card_;
  QImage into_;  // the picture's own pixels, drawn on without a copy
  QPainter painter_;
};

}  // namespace

AnimationScope::AnimationScope(CardAnimator& a, bool settle) : a_(a), settle_(settle) {
  ++a_.depth_;
}

AnimationScope::~AnimationScope() {
  // Shown while still running: the grid may not have caught up with the
  // picture yet, and a paint outside an animation composes from the grid.
  if (a_.depth_ == 1) a_.clock_.Present();
  if (--a_.depth_ > 0) return;
  // Once the engine has finished its move the table state is the truth.
  if (settle_) a_.view_.update();
  if (a_.settled_) a_.settled_();
}

CardAnimator::CardAnimator(TablePictures& pictures, const Artwork& art, QWidget& view, Game& game,
                           std::function<QRect()> trumpPanel)
    : p_(pictures),
      art_(art),
      view_(view),
      g_(game),
      trumpPanel_(std::move(trumpPanel)),
      clock_(view) {}

bool CardAnimator::MovesOff() const {
  return instant_ || g_.t.Options.Animation == 0;
}

const QPixmap& CardAnimator::Face(int image) const {
  return art_.Card(image);
}

const QPixmap& CardAnimator::Back() const {
  return art_.Back(g_.t.Options.CardBack);
}

const QPixmap& CardAnimator::SidewaysBack() const {
  return art_.SidewaysBack(g_.t.Options.BackIndex());
}

// The player sees his own cards and not the computer's, the other way round
// in Reverse durak; the guessing game and the end of a game show them all.
bool CardAnimator::HandFaceUp(int row) const {
  const TTableState& t = g_.t;
  const bool reverse = g_.kind() == Kind::ReverseDurak;
  if (g_.kind() == Kind::Nine) return row == 1;
  if (row == 0) return reverse || t.RevealHands != 0;
  return !reverse || t.GuessMode != 0;
}

const QPixmap& CardAnimator::HandPicture(int row, int slot) const {
  if (!HandFaceUp(row)) return Back();
  return Face(g_.t.ImageIndexAt(row, std::clamp(slot, 0, kSlots - 1)));
}

int CardAnimator::CardsIn(int row) const {
  return std::clamp(g_.t.RowCount[row], 0, kSlots);
}

void CardAnimator::Compose(QImage& into, const TTableState& s) const {
  ComposeTable(into, p_.TableBackground, art_, s, g_.kind(), {trumpPanel_()});
}

void CardAnimator::ComposeWith(QImage& into, const TTableState& s,
                               const std::vector<PlacedPicture>& extra) const {
  Compose(into, s);
  QPainter painter(&into);
  for (const PlacedPicture& e : extra) {
    if (e.picture != nullptr) painter.drawPixmap(e.x, e.y, *e.picture);
  }
}

TTableState CardAnimator::WithoutHand(int row) const {
  TTableState s = g_.t;
  for (TCard& c : s.CardGrid[row]) c.Present = 0;
  return s;
}

void CardAnimator::ComposeBackBuffer() {
  Compose(p_.BackBuffer, g_.t);
}

void CardAnimator::ShowAll() {
  Show(QRect(QPoint(0, 0), p_.BackBuffer.deviceIndependentSize().toSize()));
}

void CardAnimator::DrawOn(QImage& into, const QPixmap& picture, int x, int y) {
  QPainter painter(&into);
  painter.drawPixmap(x, y, picture);
  if (&into == &p_.BackBuffer) Show(QRect(QPoint(x, y), LogicalSize(picture)));
}

void CardAnimator::CopyArea(QImage& into, const QImage& from, const QRect& area) {
  CopyScaled(into, area, from, area);
}

void CardAnimator::CopyScaled(QImage& into, const QRect& to, const QImage& from,
                              const QRect& fromArea) {
  if (to.isEmpty() || fromArea.isEmpty()) return;
  QPainter painter(&into);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QRectF(to), from, DeviceRect(from, fromArea));
  if (&into == &p_.BackBuffer) Show(to);
}

// One pixel of travel: the card is drawn at its new place and the line it
// has just uncovered is taken back from the scene.
void CardAnimator::StepCard(const QImage& scene, int x, int y, StepDir dir,
                            const QPixmap& picture) {
  const QSize size = LogicalSize(picture);
  {
    StepPainter painter(p_.BackBuffer, picture);
    const QRect line = TrailingLine(x, y, size.width(), size.height(), dir);
    painter.Step(scene, x, y, line, dir != StepDir::InPlace);
  }
  Show(QRect(x - 1, y - 1, size.width() + 2, size.height() + 2));
}

void CardAnimator::FlyCard(const QImage& scene, CardPoint from, CardPoint to,
                           const QPixmap& picture) {
  AnimationScope scope(*this);
  const QSize size = LogicalSize(picture);
  const std::vector<FlightEvent> path = FlightPath(from.x, from.y, to.x, to.y);
  FlightPacer pacer(g_.t.Options.Speed);
  auto painter = std::make_unique<StepPainter>(p_.BackBuffer, picture);
  QRect touched;
  for (const FlightEvent& e : path) {
    if (e.kind == FlightEvent::Kind::Drop) {
      pacer.Drop();
      continue;
    }
    if (e.kind == FlightEvent::Kind::Point) {
      if (!pacer.Point()) continue;
      // Nothing may stay open on the pictures while the window paints.
      painter.reset();
      Show(touched);
      touched = QRect();
      clock_.Tick();
      painter = std::make_unique<StepPainter>(p_.BackBuffer, picture);
      continue;
    }
    const QRect line = TrailingLine(e.x, e.y, size.width(), size.height(), e.dir);
    painter->Step(scene, e.x, e.y, line, true);
    touched |= QRect(e.x - 1, e.y - 1, size.width() + 2, size.height() + 2);
  }
  painter.reset();
  Show(touched);
}

// A card leaving along one row or column (off the table, or to a hand).
void CardAnimator::Slide(const QImage& scene, CardPoint from, CardPoint to,
                         const QPixmap& picture) {
  FlyCard(scene, from, to, picture);
}

void CardAnimator::FlipCards(const QImage& background, const QImage& newPicture,
                             const QImage& oldPicture, int x, int y, int count) {
  AnimationScope scope(*this);
  const int n = count < 0 ? 1 : count;
  const int step = count < 0 ? 0 : HandFan(g_.t, count).step;
  // The old look is read while the window is drawn over, so keep a copy.
  const QImage old = oldPicture.copy();
  const int speed = ClampSpeed(g_.t.Options.Speed);
  FlightPacer pacer(speed, speed / 2);
  for (const FlipFrame& f : FlipFrames(kFlipHalf, kFlipHalf)) {
    for (int k = 0; k < n; ++k) {
      const int cx = x + k * step;
      const QRect card(cx, y, kCardWidth, kCardHeight);
      const QRect to(cx + f.inset, y, kCardWidth - 2 * f.inset, kCardHeight);
      if (f.growing) {
        CopyScaled(p_.BackBuffer, to, newPicture, card);
      } else {
        CopyScaled(p_.BackBuffer, to, old, card);
        CopyArea(p_.BackBuffer, background, QRect(cx + f.inset - 1, y, 1, kCardHeight));
        CopyArea(p_.BackBuffer, background, QRect(cx + kCardWidth - f.inset, y, 1, kCardHeight));
      }
      if (pacer.Point()) clock_.Tick();
    }
    pacer.Drop();
  }
}

// The visible strip of an overlapped card turns from its left edge.
void CardAnimator::FlipStrip(const QImage& background, const QImage& newPicture,
                             const QImage& oldPicture, int x, int y, int width) {
  const int speed = ClampSpeed(g_.t.Options.Speed);
  FlightPacer pacer(speed, speed / 2);
  const QRect strip(x, y, width, kCardHeight);
  for (const FlipFrame& f : FlipFrames(width - 1, width)) {
    const QRect to(x + f.inset, y, width - f.inset, kCardHeight);
    if (f.growing) {
      CopyScaled(p_.BackBuffer, to, newPicture, strip);
    } else {
      CopyScaled(p_.BackBuffer, to, oldPicture, strip);
      CopyArea(p_.BackBuffer, background, QRect(x + f.inset - 1, y, 1, kCardHeight));
    }
    if (pacer.Point()) clock_.Tick();
  }
}

// Turns a whole hand to the side it is seen from.
void CardAnimator::FlipHand(int row) {
  if (instant_ || (row != 0 && row != 1) || !IsCardGame(g_.kind())) return;
  AnimationScope scope(*this);
  const int n = CardsIn(row);
  if (n == 0) return;
  const THandGeometry fan = HandFan(g_.t, n);
  const int y = HandTop(g_.t, row);
  std::vector<PlacedPicture> hand;
  for (int c = 0; c < n; ++c) hand.push_back({&HandPicture(row, c), fan.x0 + c * fan.step, y});
  // The new look of the whole hand, and the old one as the window shows it.
  p_.ScratchPicture = p_.TableBackground.copy();
  {
    QPainter painter(&p_.ScratchPicture);
    for (const PlacedPicture& h : hand) painter.drawPixmap(h.x, h.y, *h.picture);
  }
  const QImage old = p_.BackBuffer.copy();
  if (fan.step < kCardWidth) {
    for (int c = 0; c < n; ++c) {
      std::vector<PlacedPicture> others = hand;
      others.erase(others.begin() + c);
      p_.DragPicture = p_.TableBackground.copy();
      {
        QPainter painter(&p_.DragPicture);
        for (const PlacedPicture& h : others) painter.drawPixmap(h.x, h.y, *h.picture);
      }
      SoundAndVoice(g_, kEffectPack, -1);
      const int x = fan.x0 + c * fan.step;
      if (c == n - 1) {
        FlipCards(p_.DragPicture, p_.ScratchPicture, old, x, y, -1);
      } else {
        FlipStrip(p_.DragPicture, p_.ScratchPicture, old, x, y, fan.step);
      }
    }
  } else if (flipStyle_ == 0) {
    for (int c = 0; c < n; ++c) {
      SoundAndVoice(g_, kEffectPack, -1);
      FlipCards(p_.TableBackground, p_.ScratchPicture, old, fan.x0 + c * fan.step, y, -1);
    }
  } else {
    FlipCards(p_.TableBackground, p_.ScratchPicture, old, fan.x0, y, n);
    SoundAndVoice(g_, kEffectPack, -1);
  }
  if (fan.step >= kCardWidth) flipStyle_ = 1 - flipStyle_;
}
