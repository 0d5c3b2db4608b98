// The window's side of the call-outs: what the engine asks to be shown,
// waited for or closed, carried out on the main window's pictures and
// controls.
#pragma once

#include <functional>
#include <memory>

#include "core/callouts.h"

class CardAnimator;
class TForm1;

class WindowCallouts final : public ICallouts {
 public:
  explicit WindowCallouts(TForm1& form);
  ~WindowCallouts() override;

  // A screenshot run has nobody watching or listening: message boxes are
  // taken as acknowledged without being shown, and nothing is played or
  // waited for.
  void SetUnattended(bool on) { unattended_ = on; }
  // Tests play unattended (no boxes, no sound) but with the cards moving.
  void AnimateWhenUnattended(bool on) { animateUnattended_ = on; }
  // Called with every game message box as it is about to be shown, shown or
  // not (tests look at the table behind it).
  void SetMessageObserver(std::function<void(const GameMessageBox&)> observer) {
    messageObserver_ = std::move(observer);
  }

  void RepaintTable(bool show) override;
  void Pause(int milliseconds) override;
  bool ShowGameMessage(const GameMessageBox& box) override;
  void SaveUndo() override;
  void AnimateDeal() override;
  void ShowTableControls() override;
  void UpdateStatusBar() override;
  void SetCaption(const std::string& text) override;
  void SetApplicationTitle(const std::string& text) override;
  void SetHelpFile(const std::string& file) override;
  void AttachMenu(int lang) override;
  void ShowCurrentComment() override;
  void LayoutTable() override;
  void PlaceControls() override;
  void FlipHand(int row) override;
  void ApplyBackground(int backGr) override;
  void BlinkCard(int kind, int slot) override;
  WindowRect MainWindowRect() const override;
  WindowRect TableWindowRect() const override;
  void ProcessPendingEvents() override;
  void CloseMainWindow() override;
  void ClearTalkArea() override;
  void RefreshMenuState() override;
  void ShowCommentary(const CommentaryView& view) override;
  int CommentaryTextWidth(const std::string& text) const override;
  void PlayWav(const std::string& path, bool synchronous) override;
  void ShowStatusBarPanels(const StatusBarView& view) override;
  void ShowClock(const std::string& text) override;
  void ApplyTableControls(const TableControlsView& view) override;
  // The network session (window_network.cpp).
  void SendMove(int value, int code) override;
  void NetRoundEnded() override;
  void RequestNewDeal() override;
  void ShowChatLine(const std::string& text) override;
  bool PartnerConnected() const override;
  void CloseIdleServerSocket() override;

  // The moving cards and the mouse's marks (window_animation_callouts.cpp).
  void AnimateMove(const CardFlight& flight) override;
  void AnimateDiscard() override;
  void AnimateTake(bool toPlayer) override;
  void AnimateDrawFromPack(bool toPlayer, int fanSize, int packSlot, int handSlot) override;
  void AnimateSpreadHand(int row, int fanSize, bool throwAway) override;
  void AnimateTrumpExchange(int row, int slot, bool toHand) override;
  void AnimateDrawFromSidePack(bool toPlayer) override;
  void BlinkSuitIcon() override;
  void EnableTrumpLabel(bool enabled) override;
  void EnableMoveButton(bool enabled) override;
  void WinCelebration() override;
  void ShowLowestTrump(int row, int slot, int place) override;
  void TurnMemoryCard(int slot) override;
  void SetHandPointer(bool hand) override;
  void ShowHandHover(const HandHoverView& view) override;
  void CaptureDragPicture(const TRect& from, const TRect& into) override;
  void ShowDragStep(const DragStepView& view) override;
  void PressCardBacks(const CardBackPressView& view) override;
  void ReleaseCardBacks(const CardBackReleaseView& view) override;

  // Made on first use, once the window's pictures exist.
  CardAnimator& Animator();
  bool Animating() const;
  // A pause, a box or a pass of the event loop asked for by the engine is
  // running: the engine is in the middle of something.
  bool Waiting() const { return waitDepth_ > 0; }

 private:
  void HideTableControls();
  // Cards are about to move: the comment and the Move button step aside
  // and come back when the cards have stopped.
  void ClearTalkForMovingCards();
  // The Move button comes back with the next commentary after the table
  // talk was cleared for moving cards.
  void RestoreMoveButton();

  TForm1& form_;
  bool unattended_ = false;
  bool animateUnattended_ = false;
  std::unique_ptr<CardAnimator> animator_;
  bool moveButtonCleared_ = false;
  bool commentCleared_ = false;  // the comment was hidden while cards moved
  bool moveButtonHadFocus_ = false;
  // A result was announced: the Move button stays away until the table
  // controls are shown for the next game, and a comment only comes back
  // when the game has a new one to say.
  bool talkHeldAway_ = false;
  int waitDepth_ = 0;
  std::function<void(const GameMessageBox&)> messageObserver_;
};
