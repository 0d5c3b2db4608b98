// Where everything lies on the table. Nothing has a fixed place: every
// position is worked out from the window's size and the game being played,
// and the repaint, the animations, the hit test and the commentary line read
// the results from the table state. Nothing here draws.
//
// Sizes are the outer window (frame, caption and menu included) and the
// height of its client area, as the window system reports them. Coordinates
// are client pixels of the top-left corner of a card; a card is 71 x 96, the
// sideways pack 96 x 71. Every quotient truncates toward zero.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include "core/edition.h"
#include "core/game.h"
#include "core/table_state.h"

constexpr int32_t kCardWidth = 71;
constexpr int32_t kCardHeight = 96;

// The window never gets smaller than this (outer size).
constexpr int32_t kMinOuterWidth = 635;
constexpr int32_t kMinOuterHeight = 475;
// Window coordinates are 16-bit on the window systems we run on; larger
// sizes would only overflow the scaled products.
constexpr int32_t kMaxWindowSize = 32767;

struct WindowGeometry {
  int32_t outerWidth = kMinOuterWidth;    // W
  int32_t outerHeight = kMinOuterHeight;  // H
  int32_t clientHeight = 429;             // CH
};

// The size the layout works with: a window below the minimum is taken at the
// minimum (its client area grows by as much as the outer height does).
WindowGeometry EffectiveWindow(const WindowGeometry& w);

// What a layout wrote. Entries it did not write keep what an earlier layout
// left there, and the game does not use them.
struct LayoutWritten {
  // HandGeometry, TableStep, RoadStep and every anchor of the card games.
  bool cardGameAnchors = false;
  // NineCenterX, NineLeftX, NineRightX, NineRowY, NineRowStep.
  bool ninePlaces = false;
  // CardX/CardY entries, by row and slot.
  std::array<std::bitset<kSlots>, kRows> cardPlaces{};
};

// Recomputes every position of the game `kind` for the window into `t`.
// Reads only the window, the kind, row 0 of the grid and PassSlots (Hearts).
LayoutWritten LayoutTable(TTableState& t, Kind kind, const WindowGeometry& window);
// The same for the game being played.
LayoutWritten LayoutTable(Game& g, const WindowGeometry& window);

struct OuterSize {
  int32_t width = kMinOuterWidth;
  int32_t height = kMinOuterHeight;
};
// The smallest window (outer size) in which the game's layout shows every
// place it lays out. Most games fit the smallest window; Kerchief, Bard and
// Paganini lie in ten columns a card wide, and Memory of 52 cards crowds
// into fixed rows and columns below 735 x 660.
OuterSize LayoutFitSize(Kind kind);

struct ControlPoint {
  int32_t left = 0;
  int32_t top = 0;
};

struct ControlRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// Where the window puts its controls on the table.
struct ControlPlaces {
  ControlRect moveButton;
  ControlPoint trumpPanel;   // suit-order panel of Czech durak and Eights
  ControlPoint pointsPanel;  // points of Czech durak
  // The pack counter; only the card games move it.
  std::optional<ControlPoint> labelPack;
};

// Reads the layout already made for `kind` (LayoutTable first).
ControlPlaces PlaceControls(const TTableState& t, Kind kind, const WindowGeometry& window,
                            int32_t pointsPanelWidth);

// Fan of a hand of n cards (n outside 0..52 is taken as the nearest end).
THandGeometry HandFan(const TTableState& t, int n);
// Left edge of card c of a hand of n cards.
int32_t HandCardX(const TTableState& t, int n, int c);
// Left edge of attack card k (defence card k) while n attack cards lie.
int32_t AttackCardX(const TTableState& t, int n, int k);
int32_t DefenceCardX(const TTableState& t, int n, int k);

// Nine: top of suit row i (0..3) and left edge of a slot (0..8) in a suit row.
int32_t NineSuitRowY(const TTableState& t, int i);
int32_t NineSlotX(const TTableState& t, int slot);
