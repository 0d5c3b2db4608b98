// The engine's one way out to the window: everything a game does to the
// table happens in the engine, and whatever has to be seen, heard, waited
// for, written or sent goes through this interface. Every call has a
// do-nothing default, so the base class itself is the no-op implementation
// that the headless tool uses.
#pragma once

#include <string>

// A card flying from one grid place to another (the move of MoveCard).
struct CardFlight {
  int fromRow = 0, fromSlot = 0, toRow = 0, toSlot = 0;
};

// The game message box: the text, its top-left screen position, and whether
// it asks a question (OK / Cancel) instead of just informing.
struct GameMessageBox {
  std::string text;
  int left = 0;
  int top = 0;
  bool question = false;
};

class ICallouts {
 public:
  virtual ~ICallouts() = default;

  virtual void RepaintTable(bool /*show*/) {}
  virtual void AnimateMove(const CardFlight& /*flight*/) {}
  virtual void PlaySound(int /*effect*/, int /*voice*/) {}
  virtual void Pause(int /*milliseconds*/) {}
  // Returns true for OK, false for Cancel of the question form.
  virtual bool ShowGameMessage(const GameMessageBox& /*box*/) { return true; }
  virtual void SaveUndo() {}
  virtual void SendMove(int /*value*/, int /*code*/) {}
  // The deal is in the grid: show it and open play.
  virtual void DealAndStart() {}
  virtual void UpdateStatusBar() {}
  virtual void ShowComment(int /*commentId*/, int /*captionId*/) {}
};

// What the headless tool uses: nothing is shown, played or waited for.
class NullCallouts final : public ICallouts {};
