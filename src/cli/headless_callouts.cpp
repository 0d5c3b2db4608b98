#include "cli/headless_callouts.h"

#include "core/game.h"
#include "play/save_restore.h"

bool HeadlessCallouts::ShowGameMessage(const GameMessageBox& box) {
  messages_.push_back(box.code);
  return box.question ? answer_ : true;
}

void HeadlessCallouts::SaveUndo() {
  if (game_ != nullptr) ::SaveUndo(*game_);
}

void HeadlessCallouts::LayoutTable() {
  if (game_ != nullptr) ::LayoutTable(*game_, window_);
}

WindowRect HeadlessCallouts::MainWindowRect() const {
  return {0, 0, window_.outerWidth, window_.outerHeight};
}
