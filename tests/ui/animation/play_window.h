// The main window as a test plays it: dealt from a seed, nobody to answer
// message boxes or listen, but with the cards moving and every pause cut to
// nothing so that a whole game takes a moment.
#pragma once

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "patience/hit_test.h"
#include "ui/card_animator.h"
#include "ui/main_window.h"

struct PlaySetup {
  int64_t seed = 1;
  int vidg = 0;
  int formg = 1;
  int animation = 1;
  int width = 800, height = 600;
  int scaleCards = 0;
};

class PlayWindow {
 public:
  explicit PlayWindow(const PlaySetup& s) {
    StartOptions o;
    o.screenshot = true;  // no boxes to answer, no sound
    o.file = "unused.png";
    o.game = std::make_pair(s.vidg, s.formg);
    o.seed = s.seed;
    o.size = std::make_pair(s.width, s.height);
    o.sets = {
        {"Animation", s.animation}, {"Speed", 90}, {"SpecEffect", 1}, {"ScaleCards", s.scaleCards}};
    window = std::make_unique<TForm1>(Edition285(), o);
    window->callouts().AnimateWhenUnattended(true);
    AnimationClock& clock = window->callouts().Animator().Clock();
    clock.SetScale(0);
    clock.SetFrameObserver([this] { ++frames; });
  }

  void Start() { window->ShowAndStart(); }
  // After the first deal the game reseeds from the wall clock; a test that
  // plays on into later deals holds the clock still so they come the same.
  void HoldClock(int64_t seconds) {
    heldClock.Set(seconds);
    window->game().clock = &heldClock;
  }
  TTableState& t() { return window->game().t; }
  QWidget* table() { return window->centralWidget(); }
  QPushButton* moveButton() { return window->findChild<QPushButton*>("MoveButton"); }

  // The middle of the part of card `slot` of the player's hand that shows,
  // on the table view (magnified with the cards when they are scaled).
  QPoint HandCardPoint(int slot) {
    const TRect box = HandCardBox(t(), t().RowCount[1], slot);
    return window->TableToView({box.Left + box.Width() / 2, box.Top + 48});
  }
  void ClickHandCard(int slot, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(table(), button, {}, HandCardPoint(slot));
  }
  // What the window shows now (BackBuffer), and the table as the game state
  // composes it.
  QImage Shown() { return window->pictures().BackBuffer.copy(); }
  QImage Composed() {
    window->RepaintTable(false);
    return window->pictures().BackBuffer.copy();
  }

  FixedClock heldClock{0};  // outlives the window that may point to it
  std::unique_ptr<TForm1> window;
  int frames = 0;
};
