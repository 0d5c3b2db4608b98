// The moves of the card games as the player sees them: a card played from
// a hand, the hand closing up, the trick swept off or taken, cards drawn from
// the pack, a hand spread or thrown away, the blinks, the trump exchange and
// the glimpse of the lowest trump. Each is called before the engine changes
// the grid, so the table state still shows where everything starts.
#include <QPainter>
#include <algorithm>

#include "commentary/sound.h"
#include "table/layout.h"
#include "ui/artwork/artwork.h"
#include "ui/card_animator.h"

namespace {

constexpr int kOffTable = -72;
constexpr int kTrumpRow = 4;
constexpr int kStockRow = 5;

bool IsPiledOrRoad(Kind k) {
  return k == Kind::PiledDurak || k == Kind::RoadDurak;
}

}  // namespace

QPoint CardAnimator::SuitIconPlace() const {
  const QRect panel = trumpPanel_();
  const int top = g_.t.TopLineY;
  return {panel.left() + panel.width() / 2 - 9, (panel.top() - top) / 2 + top - 9};
}

void CardAnimator::FlyBetweenPlaces(const CardFlight& f) {
  const TTableState& t = g_.t;
  if (MovesOff() || !t.IsPresent(f.fromRow, f.fromSlot)) return;
  // The commentary under the player's hand stays: no card flies over it.
  AnimationScope scope(*this);
  TTableState s = t;
  s.CardGrid[f.fromRow][f.fromSlot].Present = 0;
  Compose(p_.ScratchPicture, s);
  const CardPoint from{t.CardX[f.fromRow][f.fromSlot], t.CardY[f.fromRow][f.fromSlot]};
  const CardPoint to{t.CardX[f.toRow][f.toSlot], t.CardY[f.toRow][f.toSlot]};
  FlyCard(p_.ScratchPicture, from, to, Face(t.ImageIndexAt(f.fromRow, f.fromSlot)));
}

void CardAnimator::AnimatePlay(const CardFlight& f) {
  const Kind kind = g_.kind();
  if (kind == Kind::Hearts) return FlyBetweenPlaces(f);
  if (MovesOff() || !IsCardGame(kind) || (f.fromRow != 0 && f.fromRow != 1)) return;
  const int n = CardsIn(f.fromRow);
  if (n == 0 || f.fromSlot < 0 || f.fromSlot >= n) return;
  AnimationScope scope(*this);
  if (f.fromRow == 1) ClearTalk();

  TTableState s = g_.t;
  int attackCount = s.RowCount[2];
  if (TableClosesUpForPlay(g_, f)) {
    // The attack cards close up to the spacing they will have with this one.
    attackCount += 1;
    s.RowCount[2] = attackCount;
  } else if (RoadLineGrowsForPlay(g_, f)) {
    s.RowCount[2] += 1;
    attackCount = s.RowCount[2];
  }
  Compose(p_.BackBuffer, s);
  if (s.RowCount[2] != g_.t.RowCount[2]) ShowAll();
  s.RowCount[2] = g_.t.RowCount[2];

  // A card from the computer's covered hand leaves from any of its places,
  // so that the flight does not tell where it lay.
  int start = f.fromSlot;
  if (f.fromRow == 0 && kind != Kind::ReverseDurak) {
    ReseedRandom(g_);
    start = RandomBelow(g_, n);
  }
  const CardPoint from{HandCardX(g_.t, n, start), HandTop(g_.t, f.fromRow)};
  const CardPoint to = PlayTarget(g_, f, attackCount);

  s.CardGrid[f.fromRow][start].Present = 0;
  Compose(p_.ScratchPicture, s);
  FlyCard(p_.ScratchPicture, from, to, Face(g_.t.ImageIndexAt(f.fromRow, f.fromSlot)));
  AnimateCloseGap(f.fromRow, start, 0);
}

// The hand closes up over the place the card left: an overlapping fan is
// simply laid again, a spread one slides card by card.
void CardAnimator::AnimateCloseGap(int row, int slot, int /*flownTo*/) {
  const int n = CardsIn(row);
  ClearTalk();
  if (n <= 1) return;
  const int y = HandTop(g_.t, row);
  const THandGeometry now = HandFan(g_.t, n);
  const THandGeometry next = HandFan(g_.t, n - 1);
  std::vector<CardPoint> from, to;
  for (int i = 0; i < n; ++i) {
    const int j = i < slot ? i : i - 1;
    from.push_back({now.x0 + i * now.step, y});
    to.push_back({i == slot ? from.back().x : next.x0 + j * next.step, y});
  }
  if (now.step < kCardWidth) {
    std::vector<PlacedPicture> hand;
    for (int i = 0; i < n; ++i) {
      if (i != slot) hand.push_back({&HandPicture(row, i), to[i].x, y});
    }
    ComposeWith(p_.ScratchPicture, WithoutHand(row), hand);
    CopyArea(p_.BackBuffer, p_.ScratchPicture,
             QRect(0, y, p_.BackBuffer.deviceIndependentSize().toSize().width(), kCardHeight));
    return;
  }
  SlideHand(row, from, to, slot);
}

// Slides the cards of a hand one by one from `from` to `to`: first those that
// move left, from the leftmost, then those that move right, from the
// rightmost, each over the table with the other cards where they lie now.
void CardAnimator::SlideHand(int row, const std::vector<CardPoint>& from,
                             const std::vector<CardPoint>& to, int leaveOut) {
  const int n = static_cast<int>(from.size());
  std::vector<CardPoint> at = from;
  std::vector<int> order;
  for (int i = 0; i < n; ++i) {
    if (i != leaveOut && to[i].x < from[i].x) order.push_back(i);
  }
  for (int i = n - 1; i >= 0; --i) {
    if (i != leaveOut && to[i].x > from[i].x) order.push_back(i);
  }
  const TTableState bare = WithoutHand(row);
  for (int i : order) {
    std::vector<PlacedPicture> others;
    for (int j = 0; j < n; ++j) {
      if (j != i && j != leaveOut) others.push_back({&HandPicture(row, j), at[j].x, at[j].y});
    }
    ComposeWith(p_.ScratchPicture, bare, others);
    Slide(p_.ScratchPicture, at[i], to[i], HandPicture(row, i));
    at[i] = to[i];
  }
}

void CardAnimator::AnimateDiscard() {
  const Kind kind = g_.kind();
  if (MovesOff() || !IsCardGame(kind)) return;
  AnimationScope scope(*this);
  ClearTalk();
  ComposeBackBuffer();
  const TTableState& t = g_.t;
  const bool guessing = t.GuessMode != 0;
  const std::vector<PlacedCard> places = TrickPlaces(t, kind);
  std::vector<PlacedCard> order;
  auto find = [&](int row, int slot) -> const PlacedCard* {
    for (const PlacedCard& p : places) {
      if (p.row == row && p.slot == slot) return &p;
    }
    return nullptr;
  };
  const int attacks = std::clamp(t.RowCount[2], 0, kSlots);
  int offX = kOffTable;
  if (kind == Kind::RoadDurak && !guessing) {
    order.assign(places.rbegin(), places.rend());
  } else if (attacks <= 6 || guessing) {
    for (int k = 0; k < attacks; ++k) {
      if (!guessing) {
        if (const PlacedCard* d = find(3, k)) order.push_back(*d);
      }
      if (const PlacedCard* a = find(2, k)) order.push_back(*a);
    }
  } else {
    offX = kOffTable + 1;
    for (int k = attacks - 1; k >= 0; --k) {
      if (const PlacedCard* a = find(2, k)) order.push_back(*a);
      if (const PlacedCard* d = find(3, k)) order.push_back(*d);
    }
  }
  TTableState s = t;
  for (const PlacedCard& c : order) {
    SoundAndVoice(g_, kEffectSweep, -1);
    s.CardGrid[c.row][c.slot].Present = 0;
    Compose(p_.ScratchPicture, s);
    Slide(p_.ScratchPicture, c.at, {offX, c.at.y}, Face(t.ImageIndexAt(c.row, c.slot)));
  }
}

void CardAnimator::AnimateTake(bool toPlayer) {
  const Kind kind = g_.kind();
  if (MovesOff() || !IsCardGame(kind)) return;
  AnimationScope scope(*this);
  ClearTalk();
  ComposeBackBuffer();
  const TTableState& t = g_.t;
  const std::vector<PlacedCard> places = TrickPlaces(t, kind);
  std::vector<PlacedCard> attack, defence, order;
  for (const PlacedCard& p : places) (p.row == 2 ? attack : defence).push_back(p);
  if (kind == Kind::RoadDurak && t.GuessMode == 0) {
    order.assign(places.rbegin(), places.rend());
  } else if (toPlayer) {
    order.assign(attack.rbegin(), attack.rend());
    order.insert(order.end(), defence.begin(), defence.end());
  } else {
    order.assign(defence.rbegin(), defence.rend());
    order.insert(order.end(), attack.begin(), attack.end());
  }
  const int handY = toPlayer ? t.PlayerHandY : t.ComputerHandY;
  TTableState s = t;
  std::vector<PlacedPicture> taken;
  for (const PlacedCard& c : order) {
    s.CardGrid[c.row][c.slot].Present = 0;
    ComposeWith(p_.ScratchPicture, s, taken);
    const QPixmap& face = Face(t.ImageIndexAt(c.row, c.slot));
    Slide(p_.ScratchPicture, c.at, {c.at.x, handY}, face);
    taken.push_back({&face, c.at.x, handY});
  }
}

void CardAnimator::AnimateDrawFromPack(bool toPlayer, int fanSize, int packSlot, int handSlot) {
  const TTableState& t = g_.t;
  if (MovesOff() || !IsDurak(g_.kind()) || !t.IsPresent(kTrumpRow, 0)) return;
  if (packSlot >= kSlots || handSlot < 0 || handSlot >= kSlots) return;
  AnimationScope scope(*this);
  ClearTalk();
  const int row = toPlayer ? 1 : 0;
  const int fan = std::max(DrawFanSize(t, row, fanSize), handSlot + 1);
  const THandGeometry geometry = HandFan(t, fan);
  const int targetX = geometry.x0 + handSlot * geometry.step;
  const int handY = HandTop(t, row);

  // The table without the card on its way, the hand laid in its new fan.
  TTableState s = WithoutHand(row);
  const bool fromStock = packSlot >= 0;
  if (fromStock) {
    s.CardGrid[kStockRow][packSlot].Present = 0;
    s.RowCount[kStockRow] = std::max(0, s.RowCount[kStockRow] - 1);
  } else {
    s.CardGrid[kTrumpRow][0].Present = 0;
  }
  std::vector<PlacedPicture> hand;
  for (int i = 0; i < CardsIn(row); ++i) {
    hand.push_back({&HandPicture(row, i), geometry.x0 + i * geometry.step, handY});
  }
  ComposeWith(p_.ScratchPicture, s, hand);
  ComposeWith(p_.BackBuffer, s, hand);
  {
    // The pack as it was, the card still on it.
    TTableState before = WithoutHand(row);
    Compose(p_.DragPicture, before);
  }
  const QRect packArea(t.PackX, t.TrumpY, 140, kCardHeight + 40);
  CopyArea(p_.BackBuffer, p_.DragPicture, packArea);

  if (fromStock) {
    const int c = std::max(t.RowCount[kStockRow], 0);
    const QPixmap& sideways = SidewaysBack();
    Slide(p_.ScratchPicture, {t.PackX + c, t.PackY + c}, {targetX, t.PackY + c}, sideways);
    CopyArea(p_.BackBuffer, p_.ScratchPicture, QRect(targetX, t.PackY + c, 96, 71));
    const QPixmap& seen = HandFaceUp(row) ? Face(t.ImageIndexAt(kStockRow, packSlot)) : Back();
    const int startY = toPlayer ? t.PackY + c : t.PackY - c - 25;
    Slide(p_.ScratchPicture, {targetX, startY}, {targetX, handY}, seen);
  } else {
    const QPixmap& trump = Face(t.ImageIndexAt(kTrumpRow, 0));
    Slide(p_.ScratchPicture, {t.TrumpX, t.TrumpY}, {targetX, t.TrumpY}, trump);
    Slide(p_.ScratchPicture, {targetX, t.TrumpY}, {targetX, handY}, trump);
  }
}

void CardAnimator::AnimateSpreadHand(int row, int fanSize, bool throwAway) {
  if (row != 0 && row != 1) return;
  if (throwAway) return ThrowHandAway(row);
  const TTableState& t = g_.t;
  if (MovesOff() || !IsDurak(g_.kind()) || !t.IsPresent(kTrumpRow, 0)) return;
  const int n = CardsIn(row);
  const int fan = fanSize == -1 ? DrawFanSize(t, row, -1) : std::clamp(fanSize, 0, kSlots);
  if (n >= 6 || fan <= n || n == 0) return;
  AnimationScope scope(*this);
  ComposeBackBuffer();
  const int y = HandTop(t, row);
  const THandGeometry now = HandFan(t, n);
  const THandGeometry wide = HandFan(t, fan);
  std::vector<CardPoint> from, to;
  for (int i = 0; i < n; ++i) {
    from.push_back({now.x0 + i * now.step, y});
    to.push_back({wide.x0 + i * wide.step, y});
  }
  SlideHand(row, from, to, -1);
}

// The loser's hand leaves the table card by card, face up, from the last.
void CardAnimator::ThrowHandAway(int row) {
  if (MovesOff() || !IsCardGame(g_.kind())) return;
  const int n = CardsIn(row);
  if (n == 0) return;
  AnimationScope scope(*this);
  ComposeBackBuffer();
  const THandGeometry fan = HandFan(g_.t, n);
  const int y = HandTop(g_.t, row);
  const TTableState bare = WithoutHand(row);
  for (int i = n - 1; i >= 0; --i) {
    SoundAndVoice(g_, kEffectSweep, -1);
    std::vector<PlacedPicture> before;
    for (int j = 0; j < i; ++j) before.push_back({&HandPicture(row, j), fan.x0 + j * fan.step, y});
    ComposeWith(p_.ScratchPicture, bare, before);
    Slide(p_.ScratchPicture, {fan.x0 + i * fan.step, y}, {kOffTable, y},
          Face(g_.t.ImageIndexAt(row, i)));
  }
}

void CardAnimator::AnimateDrawFromSidePack(bool toPlayer) {
  const TTableState& t = g_.t;
  const int c = std::max(t.RowCount[kStockRow], 0);
  if (MovesOff() || c == 0) return;
  AnimationScope scope(*this);
  ComposeBackBuffer();
  TTableState s = t;
  s.RowCount[kStockRow] = c - 1;
  Compose(p_.ScratchPicture, s);
  CopyArea(p_.BackBuffer, p_.ScratchPicture, QRect(t.SidePackX, t.AttackY, 111, 136));
  const int row = toPlayer ? 1 : 0;
  Slide(p_.ScratchPicture, {t.SidePackX + c, t.AttackY + c}, {t.SidePackX + c, HandTop(t, row)},
        Back());
}

void CardAnimator::BlinkCard(int kind, int slot) {
  if (instant_ || kind < 0 || kind > 2 || slot < 0 || slot >= kSlots) return;
  AnimationScope scope(*this);
  ComposeBackBuffer();
  const TTableState& t = g_.t;
  const int row = kind;
  const bool onTable = kind == 2;
  const int x = onTable ? AttackCardX(t, t.RowCount[2], slot) : HandCardX(t, CardsIn(row), slot);
  const int y = onTable ? t.AttackY : HandTop(t, row);
  const QPixmap& face = Face(t.ImageIndexAt(row, slot));
  for (int phase = 0; phase < 6; ++phase) {
    DrawOn(p_.BackBuffer, phase % 2 == 0 ? Back() : face, x, y);
    clock_.Pause(200);
  }
}

void CardAnimator::BlinkSuitIcon() {
  if (instant_) return;
  AnimationScope scope(*this);
  SoundAndVoice(g_, kEffectFind, -1);
  const QPoint at = SuitIconPlace();
  const QRect icon(at, QSize(18, 18));
  for (int phase = 0; phase < 8; ++phase) {
    if (phase % 2 == 0) {
      CopyArea(p_.BackBuffer, p_.TableBackground, icon);
    } else {
      DrawOn(p_.BackBuffer, art_.SuitIcon(g_.t.TrumpSuit), at.x(), at.y());
    }
    clock_.Pause(150);
  }
}

// The trump six (two) goes under the pack (toHand false: the grid still
// holds it in the hand), then the former trump card comes to its place
// (toHand true: the six already lies under the pack).
void CardAnimator::AnimateTrumpExchange(int row, int slot, bool toHand) {
  if (instant_ || (row != 0 && row != 1) || slot < 0 || slot >= kSlots) return;
  AnimationScope scope(*this);
  const TTableState& t = g_.t;
  const int n = CardsIn(row);
  const CardPoint place{HandCardX(t, n, slot), HandTop(t, row)};
  const CardPoint trump{t.TrumpX, t.TrumpY};
  if (!toHand) {
    exchangeTrumpImage_ = t.ImageIndexAt(kTrumpRow, 0);
    ComposeBackBuffer();
    TTableState s = t;
    s.CardGrid[row][slot].Present = 0;
    Compose(p_.ScratchPicture, s);
    FlyCard(p_.ScratchPicture, place, trump, Face(t.ImageIndexAt(row, slot)));
    // The pack is laid again over the card.
    s.CardGrid[kTrumpRow][0] = t.CardGrid[row][slot];
    Compose(p_.BackBuffer, s);
    ShowAll();
    return;
  }
  if (exchangeTrumpImage_ < 0) return;
  Compose(p_.ScratchPicture, t);
  FlyCard(p_.ScratchPicture, trump, place, Face(exchangeTrumpImage_));
  exchangeTrumpImage_ = -1;
}

// A glimpse of the lowest trump of a covered hand, at one of its first six
// places: the card turns up and down again (grows out of its place in Piled
// and Road durak).
void CardAnimator::ShowLowestTrump(int row, int slot, int place) {
  const int n = CardsIn(row);
  if (instant_ || (row != 0 && row != 1) || n == 0 || slot < 0 || slot >= kSlots) return;
  AnimationScope scope(*this);
  ComposeBackBuffer();
  const TTableState& t = g_.t;
  const int p = std::clamp(place, 0, n - 1);
  const int x = HandCardX(t, n, p);
  const int y = HandTop(t, row);
  const QImage shown = p_.BackBuffer.copy();
  p_.ScratchPicture = shown.copy();
  {
    QPainter painter(&p_.ScratchPicture);
    painter.drawPixmap(x, y, Face(t.ImageIndexAt(row, slot)));
  }
  if (!IsPiledOrRoad(g_.kind())) {
    TTableState s = t;
    s.CardGrid[row][p].Present = 0;
    Compose(p_.DragPicture, s);
    FlipCards(p_.DragPicture, p_.ScratchPicture, shown, x, y, -1);
    SoundAndVoice(g_, kEffectPack, -1);
    clock_.Pause(1000);
    FlipCards(p_.DragPicture, shown, p_.ScratchPicture, x, y, -1);
    SoundAndVoice(g_, kEffectPack, -1);
    clock_.Pause(1000);
    return;
  }
  SoundAndVoice(g_, kEffectPack, -1);
  for (int i = 0; i <= kCardWidth; ++i) {
    CopyArea(p_.BackBuffer, p_.ScratchPicture, QRect(x, y, i, kCardHeight));
    clock_.Tick();
  }
  SoundAndVoice(g_, kEffectPack, -1);
  clock_.Pause(1000);
  for (int i = kCardWidth; i >= 0; --i) {
    CopyArea(p_.BackBuffer, shown, QRect(x + i, y, kCardWidth - i, kCardHeight));
    clock_.Tick();
  }
}

// Memory: the card narrows to nothing on one side and widens on the other.
void CardAnimator::TurnMemoryCard(int slot) {
  const TTableState& t = g_.t;
  if (instant_ || slot < 0 || slot >= kSlots || !t.IsPresent(0, slot)) return;
  AnimationScope scope(*this);
  TTableState before = t;
  before.Opened[0][slot] = t.Opened[0][slot] != 0 ? 0 : 1;
  QImage old = p_.BackBuffer.copy();
  Compose(old, before);
  ComposeBackBuffer();
  p_.ScratchPicture = p_.BackBuffer.copy();
  TTableState bare = t;
  bare.CardGrid[0][slot].Present = 0;
  Compose(p_.DragPicture, bare);
  FlipCards(p_.DragPicture, p_.ScratchPicture, old, t.CardX[0][slot], t.CardY[0][slot], -1);
}
