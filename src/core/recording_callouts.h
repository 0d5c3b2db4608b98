// A call-out implementation that writes down every call, for tests that
// check what the engine asked the window to do.
#pragma once

#include <string>
#include <vector>

#include "core/callouts.h"

class RecordingCallouts : public ICallouts {
 public:
  std::vector<std::string> calls;  // one short line per call, in order
  std::vector<CardFlight> flights;
  std::vector<GameMessageBox> messages;
  bool messageAnswer = true;  // what ShowGameMessage answers

  void RepaintTable(bool show) override { calls.push_back(show ? "repaint" : "compose"); }
  void AnimateMove(const CardFlight& f) override {
    flights.push_back(f);
    calls.push_back("fly");
  }
  void Pause(int ms) override { calls.push_back("pause " + std::to_string(ms)); }
  bool ShowGameMessage(const GameMessageBox& box) override {
    messages.push_back(box);
    calls.push_back("message");
    return messageAnswer;
  }
  void SaveUndo() override { calls.push_back("undo point"); }
  void SendMove(int value, int code) override {
    calls.push_back("send " + std::to_string(value) + " " + std::to_string(code));
  }
  void AnimateDeal() override { calls.push_back("animate deal"); }
  void ShowTableControls() override { calls.push_back("table controls"); }
  void ShowLowestTrump(int row, int slot, int place) override {
    calls.push_back("lowest trump " + std::to_string(row) + " " + std::to_string(slot) + " " +
                    std::to_string(place));
  }
  void UpdateStatusBar() override { calls.push_back("status bar"); }
  void SetCaption(const std::string& text) override { calls.push_back("caption " + text); }
  void SetApplicationTitle(const std::string& text) override { calls.push_back("title " + text); }
  void SetHelpFile(const std::string& file) override { calls.push_back("help " + file); }
  void AttachMenu(int lang) override { calls.push_back("menu " + std::to_string(lang)); }
  void ShowCurrentComment() override { calls.push_back("current comment"); }
  void LayoutTable() override { calls.push_back("layout"); }
  void PlaceControls() override { calls.push_back("place controls"); }
  void FlipHand(int row) override { calls.push_back("flip " + std::to_string(row)); }
  void ApplyBackground(int backGr) override {
    calls.push_back("background " + std::to_string(backGr));
  }
  void RequestNewDeal() override { calls.push_back("request new deal"); }
  void AnimateDiscard() override { calls.push_back("discard"); }
  void AnimateTake(bool toPlayer) override {
    calls.push_back(std::string("take ") + (toPlayer ? "player" : "computer"));
  }
  void AnimateDrawFromPack(bool toPlayer, int fanSize, int packSlot, int handSlot) override {
    calls.push_back(std::string("draw ") + (toPlayer ? "player " : "computer ") +
                    std::to_string(fanSize) + " " + std::to_string(packSlot) + " " +
                    std::to_string(handSlot));
  }
  void AnimateSpreadHand(int row, int fanSize, bool throwAway) override {
    calls.push_back("spread " + std::to_string(row) + " " + std::to_string(fanSize) +
                    (throwAway ? " away" : ""));
  }
  void BlinkCard(int kind, int slot) override {
    calls.push_back("blink " + std::to_string(kind) + " " + std::to_string(slot));
  }
  void AnimateTrumpExchange(int row, int slot, bool toHand) override {
    calls.push_back("exchange " + std::to_string(row) + " " + std::to_string(slot) +
                    (toHand ? " to hand" : " to trump"));
  }
  void AnimateDrawFromSidePack(bool toPlayer) override {
    calls.push_back(std::string("side draw ") + (toPlayer ? "player" : "computer"));
  }
  void BlinkSuitIcon() override { calls.push_back("blink suit"); }
  void EnableTrumpLabel(bool enabled) override {
    calls.push_back(enabled ? "suit order on" : "suit order off");
  }
  void TurnMemoryCard(int slot) override { calls.push_back("turn " + std::to_string(slot)); }
  void EnableMoveButton(bool enabled) override {
    calls.push_back(enabled ? "move button on" : "move button off");
  }
  void WinCelebration() override { calls.push_back("celebrate"); }
  WindowRect window;  // what MainWindowRect answers
  WindowRect MainWindowRect() const override { return window; }
  void ProcessPendingEvents() override { calls.push_back("process events"); }
  void CloseMainWindow() override { calls.push_back("close window"); }
  void ClearTalkArea() override { calls.push_back("clear talk"); }
  void RefreshMenuState() override { calls.push_back("menu state"); }
  std::vector<CommentaryView> commentaries;
  void ShowCommentary(const CommentaryView& view) override {
    commentaries.push_back(view);
    calls.push_back("comment " + std::to_string(view.commentId) + " " +
                    std::to_string(view.captionId));
  }
  int commentaryTextWidth = 0;  // what CommentaryTextWidth answers
  int CommentaryTextWidth(const std::string&) const override { return commentaryTextWidth; }
  void PlayWav(const std::string& path, bool synchronous) override {
    calls.push_back("wav " + path + (synchronous ? " sync" : " async"));
  }
  std::vector<StatusBarView> statusBars;
  void ShowStatusBarPanels(const StatusBarView& view) override {
    statusBars.push_back(view);
    calls.push_back("status panels");
  }
  void ShowClock(const std::string& text) override { calls.push_back("clock" + text); }
  std::vector<TableControlsView> tableControls;
  void ApplyTableControls(const TableControlsView& view) override {
    tableControls.push_back(view);
    calls.push_back("apply table controls");
  }
  void SetHandPointer(bool hand) override {
    calls.push_back(hand ? "pointer hand" : "pointer arrow");
  }
  std::vector<HandHoverView> hovers;
  void ShowHandHover(const HandHoverView& view) override {
    hovers.push_back(view);
    calls.push_back("hover");
  }
  std::vector<TRect> dragCaptures;
  void CaptureDragPicture(const TRect& from, const TRect&) override {
    dragCaptures.push_back(from);
    calls.push_back("capture drag");
  }
  std::vector<DragStepView> dragSteps;
  void ShowDragStep(const DragStepView& view) override {
    dragSteps.push_back(view);
    calls.push_back("drag step");
  }
  std::vector<CardBackPressView> backPresses;
  void PressCardBacks(const CardBackPressView& view) override {
    backPresses.push_back(view);
    calls.push_back("press backs");
  }
  void ReleaseCardBacks(const CardBackReleaseView& view) override {
    calls.push_back("release backs " + std::to_string(view.image));
  }
  bool partnerConnected = true;  // what PartnerConnected answers
  bool PartnerConnected() const override { return partnerConnected; }
  void CloseIdleServerSocket() override { calls.push_back("close idle server"); }

  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }
};
