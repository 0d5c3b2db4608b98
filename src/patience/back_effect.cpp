#include "patience/back_effect.h"

#include <algorithm>

#include "table/layout.h"

namespace {

using Op = BackPaintStep::Op;

// The sideways pictures of the designs lie 52 places lower in their list.
constexpr int kSidewaysOffset = 52;

BackPaintStep Step(Op op) {
  BackPaintStep s;
  s.op = op;
  return s;
}

BackPaintStep Back(int image) {
  BackPaintStep s = Step(Op::DrawBack);
  s.image = image;
  return s;
}

BackPaintStep Sideways(int design, int x, int y) {
  BackPaintStep s = Step(Op::DrawSideways);
  s.image = design - kSidewaysOffset;
  s.x = x;
  s.y = y;
  return s;
}

BackPaintStep Fill(TRect area, int red, int green, int blue) {
  BackPaintStep s = Step(Op::Fill);
  s.red = red;
  s.green = green;
  s.blue = blue;
  s.from = area;
  return s;
}

BackPaintStep Copy(TRect from, TRect to) {
  BackPaintStep s = Step(Op::Copy);
  s.from = from;
  s.to = to;
  return s;
}
BackPaintStep Copy(TRect area) {
  return Copy(area, area);
}

constexpr TRect kWholeCard{0, 0, 71, 96};
constexpr TRect kCardInside{4, 4, 67, 92};

std::vector<BackPaintStep> Design59(int stock) {
  std::vector<BackPaintStep> s{Back(59)};
  if (stock < 10) s.push_back(Copy({59, 24, 68, 35}, {56, 24, 65, 35}));
  if (stock == 0) {
    s.push_back(Copy({34, 77, 68, 94}, {33, 77, 67, 94}));
    s.push_back(Copy({32, 49, 36, 53}, {35, 36, 39, 40}));
  }
  s.push_back(Copy({40, 21, 49, 26}, {26, 22, 35, 27}));
  return s;
}

std::vector<BackPaintStep> Design62(int stock) {
  std::vector<BackPaintStep> s{Back(62)};
  if (stock < 10) s.push_back(Copy({4, 11, 31, 40}, {4, 10, 31, 42}));
  if (stock == 0) s.push_back(Copy({13, 57, 66, 66}, {13, 55, 66, 64}));
  s.push_back(Copy({36, 4, 66, 21}, {32, 4, 62, 21}));
  return s;
}

std::vector<BackPaintStep> Design65(int stock) {
  const BackPaintStep upper = Copy({5, 12, 65, 21}, {5, 13, 65, 22});
  std::vector<BackPaintStep> s{Back(65), Copy({5, 75, 65, 83}, {5, 74, 65, 82}), upper};
  if (stock < 16) {
    s.push_back(Fill({14, 27, 56, 69}, 255, 255, 0));
    s.push_back(Copy({14, 27, 56, 69}));
    s.push_back(Sideways(65, -12, 13));
    s.push_back(Copy({9, 28, 62, 70}));
  } else {
    s.push_back(upper);
  }
  return s;
}

// Design 75 draws the picture of design 80, and what moves depends on how
// far the game has gone.
std::vector<BackPaintStep> Design75(int stock, int computerCount) {
  std::vector<BackPaintStep> s{Back(80)};
  if (stock >= 1 && stock <= 9) {
    s.push_back(Copy({23, 31, 41, 49}, {24, 31, 42, 49}));
  } else if (stock == 0 && computerCount == 1) {
    s.push_back(Copy({18, 27, 54, 84}));
  } else if (stock == 0) {
    s.push_back(Copy({23, 27, 49, 55}));
  }
  return s;
}

}  // namespace

std::optional<std::vector<BackPaintStep>> CardBackSteps(int design, int stockCount,
                                                        int computerCount) {
  switch (design) {
    case 59:
      return Design59(stockCount);
    case 60:
      return std::vector{Fill(kWholeCard, 0, 0, 255), Copy(kCardInside), Sideways(60, -11, 19),
                         Copy({9, 23, 62, 86}, {9, 17, 62, 80})};
    case 61:
      return std::vector{Back(61), Copy({5, 5, 40, 57}, {5, 10, 40, 62}),
                         Copy({38, 50, 67, 75}, {38, 56, 67, 81})};
    case 62:
      return Design62(stockCount);
    case 63:
      return std::vector{Sideways(63, -25, 0), Copy({55, 3, 62, 25}, {48, 4, 55, 26})};
    case 64:
      return std::vector{Fill(kWholeCard, 0, 128, 0), Copy(kCardInside), Sideways(64, -12, 19),
                         Copy({9, 23, 62, 84}, {9, 19, 62, 80})};
    case 65:
      return Design65(stockCount);
    case 67:
      return std::vector{Back(67), Copy({5, 2, 66, 44}, {5, 6, 66, 48}),
                         Copy({5, 51, 65, 94}, {5, 46, 65, 89})};
    case 74:
      return std::vector{Sideways(74, -11, 12), Copy({26, 38, 44, 56})};
    case 75:
      return Design75(stockCount, computerCount);
    case 77:
      return std::vector{Sideways(77, -12, 12), Copy({25, 42, 46, 54})};
    case 78:
      return std::vector{Back(78), Copy({27, 20, 43, 33}, {27, 71, 43, 84}),
                         Copy({28, 71, 44, 83}, {27, 20, 43, 32})};
    default:
      return std::nullopt;
  }
}

namespace {

// The backs start only with special effects on, in the games whose computer
// hand shows backs, while that hand lies without overlapping and the player
// presses (or releases) over one of his cards.
bool BacksMayMove(const Game& g) {
  const TTableState& t = g.t;
  const Kind kind = g.kind();
  if (!IsCardGame(kind) || kind == Kind::ReverseDurak) return false;
  if (t.Options.SpecEffect == 0 || t.HitIndex == -1) return false;
  return HandFan(t, t.RowCount[0]).step >= kCardWidth;
}

std::vector<int> ComputerCardLefts(const TTableState& t) {
  const int n = std::clamp(t.RowCount[0], 0, kSlots);
  std::vector<int> lefts;
  for (int c = 0; c < n; ++c) lefts.push_back(HandCardX(t, n, c));
  return lefts;
}

}  // namespace

void PressBackEffect(Game& g) {
  if (!BacksMayMove(g)) return;
  const TTableState& t = g.t;
  auto steps = CardBackSteps(t.Options.CardBack, t.RowCount[5], t.RowCount[0]);
  if (!steps) return;
  g.out->PressCardBacks({t.ComputerHandY, ComputerCardLefts(t), std::move(*steps)});
}

void ReleaseBackEffect(Game& g) {
  if (!BacksMayMove(g)) return;
  const TTableState& t = g.t;
  if (!CardBackSteps(t.Options.CardBack, t.RowCount[5], t.RowCount[0])) return;
  g.out->ReleaseCardBacks({t.ComputerHandY, ComputerCardLefts(t), t.Options.CardBack});
}
