// The call-outs that move cards and answer the mouse, handed to the card
// animator. A screenshot run has nobody watching: nothing moves there and the
// table is simply shown as the game has it.
#include <QCursor>
#include <QLabel>
#include <QPushButton>

#include "ui/card_animator.h"
#include "ui/main_window.h"
#include "ui/table_view.h"
#include "ui/window_callouts.h"

WindowCallouts::WindowCallouts(TForm1& form) : form_(form) {}

WindowCallouts::~WindowCallouts() = default;

CardAnimator& WindowCallouts::Animator() {
  if (!animator_) {
    animator_ =
        std::make_unique<CardAnimator>(form_.pictures_, *form_.art_, *form_.table_, form_.game_,
                                       [this] { return form_.TrumpPanelRect(); });
    animator_->SetTalkClearer([this] { ClearTalkForMovingCards(); });
    animator_->Clock().SetViewMapping(
        [this](const QRect& area) { return form_.tableScale().ToView(area); });
    // The Move button is back as soon as the cards have stopped.
    animator_->SetSettledHandler([this] { RestoreMoveButton(); });
  }
  animator_->SetInstant(unattended_ && !animateUnattended_);
  return *animator_;
}

bool WindowCallouts::Animating() const {
  return animator_ && animator_->Animating();
}

void WindowCallouts::Pause(int milliseconds) {
  if (unattended_ || milliseconds <= 0) return;
  ++waitDepth_;
  Animator().Clock().Pause(milliseconds);
  --waitDepth_;
}

// The controls are put away while the cards are dealt; play brings them back.
void WindowCallouts::AnimateDeal() {
  HideTableControls();
  Animator().AnimateDeal();
}

void WindowCallouts::FlipHand(int row) {
  Animator().FlipHand(row);
}

void WindowCallouts::BlinkCard(int kind, int slot) {
  Animator().BlinkCard(kind, slot);
}

// The comment and the Move button disappear while cards move and come back
// when the cards have stopped (or with the next comment).
void WindowCallouts::ClearTalkForMovingCards() {
  if (form_.Label1->isVisible()) {
    commentCleared_ = true;
    form_.Label1->hide();
  }
  QPushButton* button = form_.MoveButton;
  if (!button->isVisible()) return;
  moveButtonCleared_ = true;
  moveButtonHadFocus_ = button->hasFocus();
  button->hide();
}

// Before a result is announced: the comment and the Move button go, and
// nothing that moves afterwards (the cards thrown off the table, a blinking
// guess) brings them back. The next game shows its own controls.
void WindowCallouts::ClearTalkArea() {
  form_.Label1->hide();
  form_.MoveButton->hide();
  commentCleared_ = false;
  moveButtonCleared_ = false;
  talkHeldAway_ = true;
}

void WindowCallouts::RestoreMoveButton() {
  if (commentCleared_) form_.Label1->show();
  commentCleared_ = false;
  if (!moveButtonCleared_ || talkHeldAway_) {
    moveButtonCleared_ = false;
    return;
  }
  moveButtonCleared_ = false;
  form_.MoveButton->show();
  if (moveButtonHadFocus_) form_.MoveButton->setFocus();
}

void WindowCallouts::AnimateMove(const CardFlight& flight) {
  Animator().AnimatePlay(flight);
}

void WindowCallouts::AnimateDiscard() {
  Animator().AnimateDiscard();
}

void WindowCallouts::AnimateTake(bool toPlayer) {
  Animator().AnimateTake(toPlayer);
}

void WindowCallouts::AnimateDrawFromPack(bool toPlayer, int fanSize, int packSlot, int handSlot) {
  Animator().AnimateDrawFromPack(toPlayer, fanSize, packSlot, handSlot);
}

void WindowCallouts::AnimateSpreadHand(int row, int fanSize, bool throwAway) {
  Animator().AnimateSpreadHand(row, fanSize, throwAway);
}

void WindowCallouts::AnimateTrumpExchange(int row, int slot, bool toHand) {
  Animator().AnimateTrumpExchange(row, slot, toHand);
}

void WindowCallouts::AnimateDrawFromSidePack(bool toPlayer) {
  Animator().AnimateDrawFromSidePack(toPlayer);
}

void WindowCallouts::BlinkSuitIcon() {
  Animator().BlinkSuitIcon();
}

void WindowCallouts::WinCelebration() {
  Animator().WinCelebration();
}

void WindowCallouts::TurnMemoryCard(int slot) {
  Animator().TurnMemoryCard(slot);
}

void WindowCallouts::ShowLowestTrump(int row, int slot, int place) {
  Animator().ShowLowestTrump(row, slot, place);
}

void WindowCallouts::SetHandPointer(bool hand) {
  form_.table_->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void WindowCallouts::ShowHandHover(const HandHoverView& view) {
  Animator().ShowHandHover(view);
}

void WindowCallouts::CaptureDragPicture(const TRect& from, const TRect& into) {
  Animator().CaptureDragPicture(from, into);
}

void WindowCallouts::ShowDragStep(const DragStepView& view) {
  Animator().ShowDragStep(view);
}

void WindowCallouts::PressCardBacks(const CardBackPressView& view) {
  Animator().PressCardBacks(view);
}

void WindowCallouts::ReleaseCardBacks(const CardBackReleaseView& view) {
  Animator().ReleaseCardBacks(view);
}
