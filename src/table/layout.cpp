// The table of the card games (durak kinds, Czech durak, Eights, Nine): the
// two hands with the separator lines between them and the table, the attack
// and defence lines, the pack and the trump; and the controls on the table.
#include "table/layout.h"

#include <algorithm>

#include "table/layout_places.h"

using layout_detail::Scaled;

namespace {

// Divisors of the hand fans: x0 = W*1000/D1[n], step = W*1000/D2[n]. Up to
// eight cards a hand lies with gaps; from nine on the cards overlap more and
// more and the hand starts further left.
constexpr std::array<int32_t, 53> kHandStartDivisor = {
    2343,  2343,  2727,  3333,  4285,  5454,  8333,  17142, 70000, 70000, 70000,
    70000, 70000, 70000, 70000, 70000, 70000, 80000, 80000, 80000, 80000, 80000,
    80000, 80000, 80000, 80000, 80000, 80000, 80000, 80000, 80000, 80000, 60000,
    60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000,
    60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000, 60000};
constexpr std::array<int32_t, 53> kHandStepDivisor = {
    7500,  7500,  7500,  7500,  7500,  8000,  8000,  8000,  8500,  10000, 11000,
    12500, 13500, 15000, 16000, 17000, 18500, 20000, 21000, 22000, 24000, 25000,
    26000, 27000, 28000, 29000, 31000, 32000, 32000, 34000, 34000, 36000, 37600,
    38000, 40800, 40800, 43000, 44000, 46000, 47000, 48000, 49000, 50000, 51000,
    53000, 53000, 53000, 54000, 58000, 59000, 59000, 60000, 60000};

// Attack cards from the seventh on (n = 7..26) close up.
constexpr std::array<int32_t, 20> kTableStepDivisor = {
    9500,  11000, 12500, 14000, 15500, 17300, 18700, 20000, 21900, 23600,
    25400, 26900, 28000, 29000, 31000, 32000, 34000, 36000, 37000, 38000};
// Road durak lays attack and defence cards along one line.
constexpr std::array<int32_t, 20> kRoadStepDivisor = {
    18000, 21000, 23000, 26000, 29000, 32000, 35000, 38000, 40000, 43000,
    46000, 48000, 50000, 53000, 55000, 58000, 61000, 65000, 68000, 70000};

// Bands of the window size.
int32_t HandAdjustment(int32_t h) {
  return h < 600 ? 2 : 0;
}

int32_t PackDivisor(int32_t h) {
  if (h < 600) return 3121;
  if (h <= 747) return 2900;
  if (h <= 863) return 2890;
  if (h <= 1023) return 2900;
  if (h <= 1279) return 2950;
  return 3000;
}

int32_t TableDivisor(int32_t w) {
  if (w < 800) return 60;
  if (w <= 1023) return 40;
  if (w <= 1151) return 30;
  return 25;
}

void LayoutSteps(TTableState& t, int32_t w) {
  for (int n = 0; n <= 52; ++n)
    t.HandGeometry[n] = {Scaled(w, 1000, kHandStartDivisor[n]),
                         Scaled(w, 1000, kHandStepDivisor[n])};
  for (int n = 0; n <= 26; ++n) {
    t.TableStep[n] = n <= 6 ? w / 8 : Scaled(w, 1000, kTableStepDivisor[n - 7]);
    t.RoadStep[n] = n <= 6 ? t.HandGeometry[13].step : Scaled(w, 1000, kRoadStepDivisor[n - 7]);
  }
}

void LayoutCardTable(TTableState& t, const WindowGeometry& win) {
  const int32_t w = win.outerWidth;
  const int32_t h = win.outerHeight;
  LayoutSteps(t, w);
  t.TopLineY = Scaled(h, 1000, 4284);
  t.BottomLineY = Scaled(h, 1000, 1624);
  t.ComputerHandY = (t.TopLineY - kCardHeight) / 2;
  t.PlayerHandY = (win.clientHeight - t.BottomLineY - 115) / 3 + t.BottomLineY + HandAdjustment(h);
  t.AttackY = t.TopLineY + (t.BottomLineY - t.TopLineY - 144) / 4;
  t.TrumpY = t.AttackY;
  t.DefenceY = t.AttackY + 48;
  t.AttackX = w / TableDivisor(w);
  t.DefenceX = t.AttackX + 3;
  t.PackX = Scaled(w, 10000, 12711);
  t.PackY = Scaled(h, 1000, PackDivisor(h));
  // Czech durak and Eights keep their pack beside the discard pile.
  t.SidePackX = t.HandGeometry[4].x0 + 2 * t.HandGeometry[4].step + 13;
  t.TrumpX = t.PackX + 13;
  t.TrumpIconX = t.PackX + 40;
  t.TrumpIconY = t.AttackY + 40;
}

// Nine has no attack line: its hands go to the edges and the four suit rows
// share the space between them.
void LayoutNinePlaces(TTableState& t, const WindowGeometry& win) {
  t.ComputerHandY = 5;
  t.PlayerHandY = win.clientHeight - 121;
  const int32_t free = t.PlayerHandY - (t.ComputerHandY + kCardHeight);
  t.NineRowY = t.ComputerHandY + 101;
  t.NineRowStep = (free - 106) / 3;
  if (free - 10 > 390) {
    // Room enough: four rows two pixels apart, centred.
    t.NineRowY = (free - 378) / 2 + t.ComputerHandY + kCardHeight;
    t.NineRowStep = 98;
  }
  t.NineCenterX = t.HandGeometry[3].x0;
  t.NineLeftX = t.NineCenterX - 91;
  t.NineRightX = t.NineCenterX + 91;
}

bool IsCardGameKind(Kind k) {
  return k >= Kind::SimpleDurak && k <= Kind::Nine;
}

}  // namespace

WindowGeometry EffectiveWindow(const WindowGeometry& w) {
  WindowGeometry e = w;
  e.outerWidth = std::clamp(w.outerWidth, kMinOuterWidth, kMaxWindowSize);
  e.outerHeight = std::clamp(w.outerHeight, kMinOuterHeight, kMaxWindowSize);
  // The window system enlarges the client area with the window.
  const int64_t client =
      static_cast<int64_t>(w.clientHeight) + e.outerHeight - std::min(w.outerHeight, e.outerHeight);
  e.clientHeight = static_cast<int32_t>(std::clamp<int64_t>(client, 0, kMaxWindowSize));
  return e;
}

LayoutWritten LayoutTable(TTableState& t, Kind kind, const WindowGeometry& window) {
  const WindowGeometry w = EffectiveWindow(window);
  LayoutWritten written;
  if (IsCardGameKind(kind)) {
    LayoutCardTable(t, w);
    written.cardGameAnchors = true;
    if (kind == Kind::Nine) {
      LayoutNinePlaces(t, w);
      written.ninePlaces = true;
    }
    return written;
  }
  layout_detail::CardPlacer placer(t, written);
  layout_detail::LayoutSoloGame(placer, kind, w);
  return written;
}

LayoutWritten LayoutTable(Game& g, const WindowGeometry& window) {
  return LayoutTable(g.t, g.kind(), window);
}

OuterSize LayoutFitSize(Kind kind) {
  constexpr int32_t kTenColumns = 10 * kCardWidth;
  switch (kind) {
    case Kind::Kerchief:
    case Kind::Bard:
    case Kind::Paganini:
      return {kTenColumns, kMinOuterHeight};
    case Kind::Memory52:
      return {735, 660};
    default:
      return {};
  }
}

ControlPlaces PlaceControls(const TTableState& t, Kind kind, const WindowGeometry& window,
                            int32_t pointsPanelWidth) {
  const WindowGeometry win = EffectiveWindow(window);
  const int32_t w = win.outerWidth;
  const int32_t h = win.outerHeight;
  ControlPlaces c;
  c.trumpPanel = {Scaled(w, 10000, 14000), Scaled(h, 100, 190) - 70};
  // Centred between the window's left edge and the discard pile.
  const THandGeometry& four = t.HandGeometry[4];
  c.pointsPanel = {(four.x0 + four.step - pointsPanelWidth - 13) / 2, t.AttackY};
  // Hearts: in the corner above the left hand, clear of the player's cards.
  if (kind == Kind::Hearts) c.pointsPanel = {8, 8};
  if (kind == Kind::CzechDurak || kind == Kind::Eights)
    c.moveButton = {Scaled(w, 10000, 14000), Scaled(h, 100, 190), 121, 30};
  else if (kind == Kind::Hearts)
    c.moveButton = {t.CardX[0][5], Scaled(h, 100, 190), 120, 30};
  else
    c.moveButton = {Scaled(w, 10000, 12711), Scaled(h, 100, 182), 91, 27};
  if (IsCardGameKind(kind)) c.labelPack = ControlPoint{t.PackX + 95, t.AttackY + 5};
  return c;
}

THandGeometry HandFan(const TTableState& t, int n) {
  return t.HandGeometry[std::clamp(n, 0, 52)];
}

int32_t HandCardX(const TTableState& t, int n, int c) {
  const THandGeometry fan = HandFan(t, n);
  return fan.x0 + c * fan.step;
}

int32_t AttackCardX(const TTableState& t, int n, int k) {
  return t.AttackX + k * t.TableStep[std::clamp(n, 0, 26)];
}

int32_t DefenceCardX(const TTableState& t, int n, int k) {
  return t.DefenceX + k * t.TableStep[std::clamp(n, 0, 26)];
}

int32_t NineSuitRowY(const TTableState& t, int i) {
  return t.NineRowY + i * t.NineRowStep;
}

// The nine lies in the centre column; the lower ranks fan out to the left of
// the left column, the higher ones to the right of the right column.
int32_t NineSlotX(const TTableState& t, int slot) {
  if (slot == 3) return t.NineCenterX;
  if (slot < 3) return t.NineLeftX - 35 * (2 - slot);
  return t.NineRightX + 35 * (slot - 4);
}
