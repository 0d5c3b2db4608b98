// The window's side of the call-outs: what the engine asks to be shown,
// waited for or closed, carried out on the main window's pictures and
// controls.
#pragma once

#include "core/callouts.h"

class TForm1;

class WindowCallouts final : public ICallouts {
 public:
  explicit WindowCallouts(TForm1& form) : form_(form) {}

  // A screenshot run has nobody watching or listening: message boxes are
  // taken as acknowledged without being shown, and nothing is played or
  // waited for.
  void SetUnattended(bool on) { unattended_ = on; }

  void RepaintTable(bool show) override;
  void Pause(int milliseconds) override;
  bool ShowGameMessage(const GameMessageBox& box) override;
  void AnimateDeal() override;
  void ShowTableControls() override;
  void UpdateStatusBar() override;
  void SetCaption(const std::string& text) override;
  void ShowCurrentComment() override;
  void LayoutTable() override;
  void PlaceControls() override;
  void FlipHand(int row) override;
  void ApplyBackground(int backGr) override;
  void BlinkCard(int kind, int slot) override;
  WindowRect MainWindowRect() const override;
  void ProcessPendingEvents() override;
  void CloseMainWindow() override;
  void ClearTalkArea() override;
  void ShowCommentary(const CommentaryView& view) override;
  int CommentaryTextWidth(const std::string& text) const override;
  void PlayWav(const std::string& path, bool synchronous) override;
  void ShowStatusBarPanels(const StatusBarView& view) override;
  void ShowClock(const std::string& text) override;
  void ApplyTableControls(const TableControlsView& view) override;

 private:
  void HideTableControls();

  TForm1& form_;
  bool unattended_ = false;
};
