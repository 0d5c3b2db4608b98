// What the window draws for the mouse: the highlighted hand under the
// pointer, the dragged run of Scarf and the little lift of the computer's
// card backs while the player presses a card. The engine decides where and
// what; the window only copies pictures.
#pragma once

#include <vector>

#include "core/rect.h"

// One card of the player's hand redrawn under the pointer: the card picture
// goes into the drag picture at (0, 0) - over a light fill (red 245, green
// 250, blue 250) and drawn transparently when highlighted - and its visible
// strip, `width` pixels, is copied to the window at (left, top).
struct HandHoverCard {
  int left = 0;
  int width = 0;
  int image = 0;  // card image index
  bool highlighted = false;
};

struct HandHoverView {
  int top = 0;                       // the player's hand
  std::vector<HandHoverCard> cards;  // left to right
};

// One step of a Scarf drag: the strips the moved picture uncovered are
// restored from the composed table (BackBuffer), then the part `picture` of
// the drag picture is drawn at `at`.
struct DragStepView {
  std::vector<TRect> uncovered;
  TRect picture;
  TRect at;
};

// A step of the card-back lift, in pixels relative to the top-left corner of
// one card of the computer's hand. All drawing goes into the scratch picture
// (first covered with the bare table picture); Copy copies an area of the
// scratch onto an area of the window, stretching when the sizes differ.
struct BackPaintStep {
  enum class Op { DrawBack, Fill, Copy, DrawSideways };
  Op op = Op::Copy;
  int image = 0;  // DrawBack: IList image at (0, 0); DrawSideways: IList1 image at (x, y)
  int x = 0, y = 0;
  int red = 0, green = 0, blue = 0;  // Fill colour
  TRect from;                        // Fill: the area; Copy: the scratch area
  TRect to;                          // Copy: the window area
};

// The press: for every card of the computer's hand (left edges, all at
// `top`) the same steps.
struct CardBackPressView {
  int top = 0;
  std::vector<int> cardLefts;
  std::vector<BackPaintStep> steps;
};

// The release: the back picture `image` drawn straight on the window at
// every card, which undoes the press.
struct CardBackReleaseView {
  int top = 0;
  std::vector<int> cardLefts;
  int image = 0;
};
