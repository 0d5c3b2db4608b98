// The deal shown card by card. The card games deal in one of three styles,
// taken in turn: the pack slides in from the right and the cards fly to the
// hands one by one, alternately; the pack grows out of its place and each
// hand gets its cards in a row; or the cards grow in their places. Then the
// trump card rises from under the pack, the pack thickens over it and the
// player's hand turns up. The patience games, Hearts and Memory fly their
// cards into the layout. The grid already holds the deal; only the pictures
// move. While the deal runs the window only copies BackBuffer.
#include <QPainter>
#include <algorithm>

#include "commentary/sound.h"
#include "table/layout.h"
#include "ui/artwork/artwork.h"
#include "ui/card_animator.h"

namespace {

constexpr int kSidewaysW = 96;
constexpr int kSidewaysH = 71;

int CardsPerHand(const Game& g) {
  switch (g.kind()) {
    case Kind::Eights:
    case Kind::Nine:
      return 18;
    case Kind::PiledDurak:
    case Kind::RoadDurak:
      return g.program.PackSize / 2;
    case Kind::CzechDurak: {
      const int f = g.t.FormG;
      if (f == 3 || f == 4 || f == 5 || f == 7 || f == 9) return 5;
      return f == 8 ? 4 : 6;
    }
    default:
      return 6;
  }
}

// A card flying into a patience layout: its picture and its place.
struct DealtCard {
  const QPixmap* picture = nullptr;
  CardPoint to;
  bool level = false;  // flies in along its own row
};

}  // namespace

// The deal of one game, drawn on the animator's pictures.
class DealAnimation {
 public:
  explicit DealAnimation(CardAnimator& a) : a_(a), t_(a.g_.t), p_(a.p_) {}

  void CardGame(int style);
  void SoloGame();

 private:
  int W() const { return p_.BackBuffer.deviceIndependentSize().toSize().width(); }
  int H() const { return p_.BackBuffer.deviceIndependentSize().toSize().height(); }
  const QPixmap& Face(int row, int slot) const { return a_.Face(t_.ImageIndexAt(row, slot)); }
  void StartFromBareTable();
  void SlidePackIn(int px, int py);
  void GrowPack(int px, int py);
  void DealOneByOne(int style, int n, int px, int py);
  void GrowCardsInPlace(int n, int px, int py);
  void GrowCard(int x, int y, bool paced);
  void AfterTheDeal(int px, int py);
  void RaiseTrump(int px, int py);
  // Patience: the stock as three backs, laid on the window and the scene.
  void LayStock();
  void Lay(const QPixmap& picture, int x, int y, bool onScene = true);
  void Fly(const std::vector<DealtCard>& cards, CardPoint from, bool keepStart = false);
  CardPoint Place(int r, int s) const { return {t_.CardX[r][s], t_.CardY[r][s]}; }
  CardPoint Stock() const { return Place(0, 0); }
  CardPoint Centre(int y) const { return {W() / 2 - 35, y}; }

  CardAnimator& a_;
  const TTableState& t_;
  TablePictures& p_;
};

void DealAnimation::StartFromBareTable() {
  p_.BackBuffer = p_.TableBackground.copy();
  p_.ScratchPicture = p_.TableBackground.copy();
  a_.ShowAll();
  // Let the window show the bare table before the first card moves.
  a_.clock_.Pause(0);
}

void DealAnimation::CardGame(int style) {
  const int n = CardsPerHand(a_.g_);
  StartFromBareTable();
  // The deal lays the pack one pixel right of and below the layout's place,
  // where the repaint draws its first back.
  const int px = t_.PackX + 1;
  const int py = t_.PackY + 1;
  if (style == 2) {
    GrowCardsInPlace(n, px, py);
  } else {
    if (style == 0) {
      SlidePackIn(px, py);
    } else {
      GrowPack(px, py);
    }
    a_.StepCard(p_.TableBackground, px, py, StepDir::InPlace, a_.SidewaysBack());
    p_.ScratchPicture = p_.BackBuffer.copy();
    DealOneByOne(style, n, px, py);
  }
  AfterTheDeal(px, py);
}

void DealAnimation::SlidePackIn(int px, int py) {
  const QPixmap& pack = a_.SidewaysBack();
  for (int x = W() + 10; x >= px; --x) {
    a_.StepCard(p_.TableBackground, x, py, StepDir::Left, pack);
    if (x % 5 == 0) a_.clock_.Ticks(1);
  }
}

void DealAnimation::GrowPack(int px, int py) {
  const QPoint centre(px + 48, py + 36);
  const QPixmap& pack = a_.SidewaysBack();
  int hw = 0, hh = 0;
  for (int frame = 0; frame < 49; ++frame) {
    hh = std::min(hh + 1, 35);
    hw = std::min(hw + 1, 48);
    const QRect to(centre.x() - hw, centre.y() - hh, 2 * hw, 2 * hh);
    {
      QPainter painter(&p_.BackBuffer);
      painter.drawPixmap(to, pack);
    }
    a_.Show(to);
    if (hh < 35) a_.clock_.Ticks(1);
  }
}

void DealAnimation::DealOneByOne(int style, int n, int px, int py) {
  const Kind kind = a_.g_.kind();
  const bool packUsedUp = kind == Kind::PiledDurak || kind == Kind::RoadDurak;
  const bool packGoes = packUsedUp || kind == Kind::Eights || kind == Kind::Nine;
  const THandGeometry fan = HandFan(t_, n);
  const QPixmap& sideways = a_.SidewaysBack();
  const QPixmap& back = a_.Back();
  int x = fan.x0;
  for (int k = 0; k < 2 * n; ++k) {
    const bool last = k == 2 * n - 1;
    SoundAndVoice(a_.g_, kEffectPack, -1);
    if (last && packUsedUp) p_.ScratchPicture = p_.TableBackground.copy();
    a_.FlyCard(p_.ScratchPicture, {px, py}, {x, py}, sideways);
    a_.CopyArea(p_.BackBuffer, p_.ScratchPicture, QRect(x, py, kSidewaysW, kSidewaysH));
    if (last && packGoes) {
      a_.CopyArea(p_.BackBuffer, p_.ScratchPicture, QRect(px, py, kSidewaysW, kSidewaysH));
    }
    const bool toComputer = style == 0 ? k % 2 == 0 : k < n;
    const CardPoint from{x, toComputer ? py - 25 : py};
    const CardPoint to{x, toComputer ? t_.ComputerHandY : t_.PlayerHandY};
    a_.FlyCard(p_.ScratchPicture, from, to, back);
    a_.DrawOn(p_.ScratchPicture, back, to.x, to.y);
    if (style == 0) {
      if (!toComputer) x += fan.step;
    } else {
      x = k == n - 1 ? fan.x0 : x + fan.step;
    }
  }
}

void DealAnimation::GrowCardsInPlace(int n, int px, int py) {
  const Kind kind = a_.g_.kind();
  const bool paced = !(kind == Kind::PiledDurak || kind == Kind::RoadDurak ||
                       kind == Kind::Eights || kind == Kind::Nine);
  const THandGeometry fan = HandFan(t_, n);
  for (int y : {t_.ComputerHandY, t_.PlayerHandY}) {
    for (int i = 0; i < n; ++i) {
      SoundAndVoice(a_.g_, kEffectPack, -1);
      GrowCard(fan.x0 + i * fan.step, y, paced);
    }
  }
  {
    QPainter painter(&p_.BackBuffer);
    for (int y : {t_.ComputerHandY, t_.PlayerHandY}) {
      for (int i = 0; i < n; ++i) painter.drawPixmap(fan.x0 + i * fan.step, y, a_.Back());
    }
  }
  a_.DrawOn(p_.BackBuffer, a_.SidewaysBack(), px, py);
}

void DealAnimation::GrowCard(int x, int y, bool paced) {
  const QPixmap& back = a_.Back();
  const QPoint centre(x + 35, y + 48);
  int hw = 0, hh = 0;
  for (int frame = 0; frame < 37; ++frame) {
    hw = std::min(hw + 1, 36);
    hh += hh < 36 ? 2 : 1;
    if (2 * hw < kCardWidth && 2 * hh < kCardHeight) {
      const QRect to(centre.x() - hw, centre.y() - hh, 2 * hw, 2 * hh);
      QPainter painter(&p_.BackBuffer);
      painter.drawPixmap(to, back);
      a_.Show(to);
    } else {
      a_.DrawOn(p_.BackBuffer, back, x, y);
    }
    if (paced && frame % 2 == 0) a_.clock_.Ticks(1);
    if (hw == 36) break;
  }
}

void DealAnimation::RaiseTrump(int px, int py) {
  p_.ScratchPicture = p_.BackBuffer.copy();
  const QPixmap& trump = Face(4, 0);
  for (int v = py; v >= t_.TrumpY; --v) {
    const int rows = py - v + 1;
    const QRect to(t_.TrumpX, v, kCardWidth, rows);
    {
      QPainter painter(&p_.BackBuffer);
      painter.setClipRect(to);
      painter.drawPixmap(t_.TrumpX, v, trump);
    }
    a_.Show(to);
    a_.clock_.Ticks(2);
  }
  SoundAndVoice(a_.g_, kEffectPack, -1);
  const int c = std::max(t_.RowCount[5], 0);
  for (int k = 2; k <= std::min(c, 30); k += 2) {
    a_.clock_.Ticks(2);
    a_.DrawOn(p_.BackBuffer, a_.SidewaysBack(), px + k, py + k);
  }
}

void DealAnimation::AfterTheDeal(int px, int py) {
  const Kind kind = a_.g_.kind();
  if (kind == Kind::SimpleDurak || kind == Kind::JapaneseDurak || kind == Kind::ReverseDurak) {
    RaiseTrump(px, py);
  } else if (kind == Kind::CzechDurak) {
    a_.FlyCard(p_.TableBackground, {px, py}, {t_.SidePackX, py}, a_.SidewaysBack());
    a_.CopyArea(p_.BackBuffer, p_.ScratchPicture, QRect(t_.SidePackX, py, kSidewaysW, kSidewaysH));
    const int c = std::max(t_.RowCount[5], 0);
    for (int k = 1; k <= std::min(c, 30); k += 2) {
      SoundAndVoice(a_.g_, kEffectPack, -1);
      a_.clock_.Ticks(2);
      a_.DrawOn(p_.BackBuffer, a_.Back(), t_.SidePackX + k, t_.AttackY + k);
    }
  } else {
    // The pack is all dealt (Piled and Road durak) or lies elsewhere.
    a_.CopyArea(p_.BackBuffer, p_.TableBackground, QRect(px, py, W() - px, kSidewaysH));
    if (kind == Kind::Nine) {
      for (int row = 0; row < 4; ++row) a_.clock_.Pause(50);
    } else {
      a_.DrawOn(p_.BackBuffer, a_.art_.SuitIcon(t_.TrumpSuit), t_.TrumpIconX, t_.TrumpIconY);
    }
  }
  a_.FlipHand(kind == Kind::ReverseDurak ? 0 : 1);
}

void DealAnimation::LayStock() {
  for (int i = 0; i < 3; ++i) Lay(a_.Back(), Stock().x + 2 * i, Stock().y + 2 * i);
}

void DealAnimation::Lay(const QPixmap& picture, int x, int y, bool onScene) {
  a_.DrawOn(p_.BackBuffer, picture, x, y);
  if (onScene) a_.DrawOn(p_.ScratchPicture, picture, x, y);
}

void DealAnimation::Fly(const std::vector<DealtCard>& cards, CardPoint from, bool keepStart) {
  for (const DealtCard& c : cards) {
    SoundAndVoice(a_.g_, kEffectPack, -1);
    a_.DrawOn(p_.ScratchPicture, *c.picture, c.to.x, c.to.y);
    const CardPoint start = keepStart ? from : CardPoint{from.x, c.level ? c.to.y : from.y};
    a_.FlyCard(p_.ScratchPicture, start, c.to, *c.picture);
  }
}

void DealAnimation::SoloGame() {
  StartFromBareTable();
  const Kind kind = a_.g_.kind();
  const QPixmap& back = a_.Back();
  const auto& pile = t_.PileCount;
  std::vector<DealtCard> cards;
  auto face = [&](int r, int s) { cards.push_back({&Face(r, s), Place(r, s)}); };
  auto present = [&](int r, int s) { return t_.IsPresent(r, s); };
  CardPoint from = Stock();
  switch (kind) {
    case Kind::Scarf:
      LayStock();
      for (int r = 3; r <= 6; ++r) Lay(a_.art_.EmptyPlace(), Place(r, 0).x, Place(r, 0).y);
      for (int r = 13; r >= 7; --r) {
        const int count = std::clamp(pile[r], 0, kSlots);
        for (int j = 0; j < count; ++j) {
          const QPixmap* pic = j == count - 1 ? &Face(r, j) : &back;
          cards.push_back({pic, {Place(r, 0).x, Place(r, 0).y + 3 * j}});
        }
      }
      break;
    case Kind::Solitaire:
      for (int k = 0; k < 4; ++k) Lay(a_.art_.EmptyPlace(), Place(0, 0).x + 72 * k, Place(0, k).y);
      for (int r = 1; r <= 4; ++r) Lay(a_.art_.EmptyPlace(), Place(r, 0).x, Place(r, 0).y);
      for (int r = 5; r <= 12; ++r) {
        for (int s = 0; s < std::min(pile[r], kSlots); ++s) {
          cards.push_back({&Face(r, s), {Place(r, 0).x, Place(r, s).y}});
        }
      }
      from = Centre(-100);
      break;
    case Kind::Kerchief:
      for (int r = 0; r <= 9; ++r)
        for (int s = 0; s < std::min(pile[r], kSlots); ++s) face(r, s);
      from = Centre(H() + 100);
      break;
    case Kind::Pairs:
      for (int r = 0; r <= 8; ++r) cards.push_back({&back, Place(r, 0)});
      from = Centre(H() + 100);
      break;
    case Kind::Bard:
      for (int s = 0; s < kSlots; ++s)
        if (present(0, s)) face(0, s);
      from = Centre(H() + 100);
      break;
    case Kind::Piramida:
      LayStock();
      for (int s = 0; s <= 27; ++s)
        if (present(3, s)) face(3, s);
      break;
    case Kind::Prisoner:
      LayStock();
      for (int r = 1; r <= 12; ++r)
        if (present(r, 0)) face(r, 0);
      break;
    case Kind::TwoByTwo:
      LayStock();
      for (int r = 1; r <= 4; ++r)
        if (present(r, 0)) face(r, 0);
      break;
    case Kind::OldFriend:
      LayStock();
      Lay(a_.art_.EmptyPlace(), Place(3, 0).x, Place(3, 0).y);
      for (int r = 4; r <= 7; ++r)
        for (int s = 0; s <= 4; ++s)
          if (present(r, s)) face(r, s);
      break;
    case Kind::Clock:
      Lay(back, Stock().x, Stock().y);
      for (int s = 0; s <= 3; ++s)
        for (int r = 0; r <= 12; ++r) cards.push_back({&back, Place(r, s)});
      break;
    case Kind::Joker:
      Lay(a_.art_.EmptyPlace(), Place(10, 0).x, Place(10, 0).y, false);
      Lay(a_.art_.EmptyPlace(), Place(11, 0).x, Place(11, 0).y, false);
      for (int r = 0; r <= 9; ++r) {
        for (int s = 0; s <= 4; ++s) {
          if (!present(r, s)) continue;
          const QPixmap* pic = t_.RankAt(r, s) == 4 ? &a_.art_.Joker() : &Face(r, s);
          cards.push_back({pic, Place(r, s)});
        }
      }
      from = Centre(H() + 100);
      break;
    case Kind::Paganini:
      for (int r = 0; r <= 3; ++r) {
        for (int s = 0; s <= 9; ++s) {
          if (present(r, s)) {
            cards.push_back({&Face(r, s), Place(r, s), true});
          } else {
            Lay(a_.art_.EmptyPlace(), Place(r, s).x, Place(r, s).y, false);
          }
        }
      }
      from = {W() + 72, 0};
      break;
    case Kind::CrossRoads: {
      const int top = std::clamp(pile[0] - 1, 0, kSlots - 1);
      for (int i = 0; i < 3; ++i) Lay(Face(0, top), Stock().x + 2 * i, Stock().y + 2 * i);
      for (int r = 1; r <= 5; ++r)
        if (present(r, 0)) face(r, 0);
      break;
    }
    case Kind::FirTrees:
      LayStock();
      for (int r = 2; r <= 3; ++r)
        for (int s = 0; s <= 12; ++s)
          if (present(r, s)) face(r, s);
      break;
    case Kind::Street:
      for (int r = 0; r <= 3; ++r) Lay(a_.art_.EmptyPlace(), Place(r, 0).x, Place(r, 0).y);
      for (int r = 4; r <= 11; ++r)
        for (int s = 0; s <= 6; ++s)
          if (present(r, s)) face(r, s);
      from = Centre(H() - 100);
      break;
    case Kind::Hearts:
      from = {t_.CardX[4][0], t_.CardY[4][0] - 50};
      Lay(back, from.x, from.y);
      for (int s = 0; s <= 12; ++s)
        for (int r = 0; r <= 3; ++r) cards.push_back({r == 0 ? &Face(r, s) : &back, Place(r, s)});
      break;
    default:  // Memory
      for (int s = 0; s < kSlots; ++s)
        if (present(0, s)) cards.push_back({&back, Place(0, s)});
      from = Centre(H() + 100);
      break;
  }
  Fly(cards, from, kind != Kind::Paganini);
  if (kind == Kind::Clock) Lay(Face(0, 3), Place(0, 3).x, Place(0, 3).y);
}

void CardAnimator::AnimateDeal() {
  const Kind kind = g_.kind();
  AnimationScope scope(*this);
  if (dealStyle_ > 2) dealStyle_ = 0;
  if (MovesOff() || kind == Kind::None) {
    ComposeBackBuffer();
    ShowAll();
    ++dealStyle_;
    return;
  }
  DealAnimation deal(*this);
  if (IsCardGame(kind)) {
    deal.CardGame(dealStyle_);
    ++dealStyle_;
  } else {
    deal.SoloGame();
  }
  // The table as the game has it, in case a picture of the deal differs.
  ComposeBackBuffer();
  ShowAll();
}
