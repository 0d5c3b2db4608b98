// The moving cards of the table. Every animation draws into BackBuffer (what
// the window shows) over a scene - a picture of the table as it must look
// where the card has just been - and the animation clock shows the drawing
// at each pause. The engine says what moves; this class only draws it.
//
// While an animation runs the window's paint event only copies BackBuffer;
// when the last one ends the window is asked to paint once more from the
// table state, so what the screen shows always settles on the game.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <functional>
#include <vector>

#include "core/callouts.h"
#include "core/game.h"
#include "table/flight_path.h"
#include "table/move_places.h"
#include "ui/animation_clock.h"
#include "ui/table_pictures.h"

class Artwork;
class QPainter;
class QWidget;

// A picture laid on a scene at a point.
struct PlacedPicture {
  const QPixmap* picture = nullptr;
  int x = 0, y = 0;
};

class CardAnimator {
 public:
  CardAnimator(TablePictures& pictures, const Artwork& art, QWidget& view, Game& game,
               std::function<QRect()> trumpPanel);

  AnimationClock& Clock() { return clock_; }
  // Puts the commentary and the Move button away while cards move.
  void SetTalkClearer(std::function<void()> clear) { clearTalk_ = std::move(clear); }
  // Called when the last running animation has ended.
  void SetSettledHandler(std::function<void()> settled) { settled_ = std::move(settled); }
  // Nobody watches (a screenshot run): nothing is animated, the table is
  // only repainted.
  void SetInstant(bool on) { instant_ = on; }
  bool Animating() const { return depth_ > 0; }

  // Primitives.
  void StepCard(const QImage& scene, int x, int y, StepDir dir, const QPixmap& picture);
  void FlyCard(const QImage& scene, CardPoint from, CardPoint to, const QPixmap& picture);
  // Turns one card (count -1) or a hand fan of `count` cards at (x, y) from
  // its look in oldPicture to its look in newPicture.
  void FlipCards(const QImage& background, const QImage& newPicture, const QImage& oldPicture,
                 int x, int y, int count);
  void FlipHand(int row);

  // The moves of the card games.
  void AnimatePlay(const CardFlight& flight);
  void AnimateDiscard();
  void AnimateTake(bool toPlayer);
  void AnimateDrawFromPack(bool toPlayer, int fanSize, int packSlot, int handSlot);
  void AnimateSpreadHand(int row, int fanSize, bool throwAway);
  void AnimateDrawFromSidePack(bool toPlayer);
  void BlinkCard(int kind, int slot);
  void BlinkSuitIcon();
  void AnimateTrumpExchange(int row, int slot, bool toHand);
  void ShowLowestTrump(int row, int slot, int place);
  // Memory: the card of row 0 turns over to the side its Opened flag shows.
  void TurnMemoryCard(int slot);
  void WinCelebration();
  // The deal (deal_animation.cpp).
  void AnimateDeal();

  // The mouse's marks on the table (pointer_effects.cpp): the hand under the
  // pointer, the dragged run of Scarf and the start of the computer's backs.
  void ShowHandHover(const HandHoverView& view);
  void CaptureDragPicture(const TRect& from, const TRect& into);
  void ShowDragStep(const DragStepView& view);
  // Draws the dragged run over the table while a Scarf drag is under way.
  void PaintDragOverlay(QPainter& painter) const;
  void PressCardBacks(const CardBackPressView& view);
  void ReleaseCardBacks(const CardBackReleaseView& view);

 private:
  friend class AnimationScope;
  friend class DealAnimation;

  bool MovesOff() const;
  // Pictures.
  const QPixmap& Face(int image) const;
  const QPixmap& Back() const;
  const QPixmap& SidewaysBack() const;
  bool HandFaceUp(int row) const;
  const QPixmap& HandPicture(int row, int slot) const;
  int CardsIn(int row) const;

  // Scenes: the table composed from a copy of the table state, with extra
  // pictures laid over it.
  void Compose(QImage& into, const TTableState& s) const;
  void ComposeWith(QImage& into, const TTableState& s,
                   const std::vector<PlacedPicture>& extra) const;
  // The state with a hand taken off the table (to be drawn by hand).
  TTableState WithoutHand(int row) const;
  void ComposeBackBuffer();
  void ShowAll();
  void Show(const QRect& area) { clock_.Touch(area); }
  void DrawOn(QImage& into, const QPixmap& picture, int x, int y);
  void CopyArea(QImage& into, const QImage& from, const QRect& area);
  void CopyScaled(QImage& into, const QRect& to, const QImage& from, const QRect& fromArea);

  void ClearTalk() {
    if (clearTalk_) clearTalk_();
  }
  void Slide(const QImage& scene, CardPoint from, CardPoint to, const QPixmap& picture);
  QPoint SuitIconPlace() const;
  void AnimateCloseGap(int row, int slot, int flownTo);
  // Hearts: a card flies from its place straight to another place of the
  // table (a hand to the trick, the trick to the hand that took it).
  void FlyBetweenPlaces(const CardFlight& flight);
  void SlideHand(int row, const std::vector<CardPoint>& from, const std::vector<CardPoint>& to,
                 int leaveOut);
  void ThrowHandAway(int row);
  void FlipStrip(const QImage& background, const QImage& newPicture, const QImage& oldPicture,
                 int x, int y, int width);
  void CelebrateWaves();
  void CelebrateScatter();

  TablePictures& p_;
  const Artwork& art_;
  QWidget& view_;
  Game& g_;
  std::function<QRect()> trumpPanel_;
  std::function<void()> clearTalk_;
  std::function<void()> settled_;
  AnimationClock clock_;
  bool instant_ = false;
  int depth_ = 0;
  int flipStyle_ = 0;        // FlipHand: card by card, then all at once, by turns
  int celebrationShow_ = 0;  // WinCelebration: waves, then scatter, by turns
  int dealStyle_ = 0;        // the card-game deal: 0 pack slides in, 1 grows, 2 cards grow
  int exchangeTrumpImage_ = -1;
};

// Marks an animation as running; when the outermost one ends, what was drawn
// is shown and the window paints once more from the table state.
class AnimationScope {
 public:
  // `settle`: repaint the table from its state once the last animation ends
  // (the pointer effects draw on the shown table and keep what they drew).
  explicit AnimationScope(CardAnimator& a, bool settle = true);
  ~AnimationScope();
  AnimationScope(const AnimationScope&) = delete;
  AnimationScope& operator=(const AnimationScope&) = delete;

 private:
  CardAnimator& a_;
  bool settle_;
};
