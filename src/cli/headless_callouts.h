// The window stand-in of `kalvenar-cli play`: nothing is drawn, moved, heard
// or waited for, but the table is laid out for a window of a given size (so
// the hit test sees the cards where a player would), every game message
// shown is noted, and a question is answered as the command line says.
#pragma once

#include <vector>

#include "core/callouts.h"
#include "table/layout.h"

class Game;

class HeadlessCallouts final : public ICallouts {
 public:
  void Attach(Game& g) { game_ = &g; }
  void SetWindow(const WindowGeometry& window) { window_ = window; }
  const WindowGeometry& Window() const { return window_; }
  // The answer to a question box: true OK / Yes, false Cancel / No.
  void SetAnswer(bool yes) { answer_ = yes; }

  const std::vector<int>& MessagesShown() const { return messages_; }
  // Cancel in a question box closed the program.
  bool Closed() const { return closed_; }

  bool ShowGameMessage(const GameMessageBox& box) override;
  // The undo point goes to the game's save file, as the window's does.
  void SaveUndo() override;
  void LayoutTable() override;
  WindowRect MainWindowRect() const override;
  void CloseMainWindow() override { closed_ = true; }

 private:
  Game* game_ = nullptr;
  WindowGeometry window_;
  bool answer_ = true;
  bool closed_ = false;
  std::vector<int> messages_;
};
