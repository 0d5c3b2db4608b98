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

// The main window's outer position and size on the screen.
struct WindowRect {
  int left = 0, top = 0, width = 635, height = 475;
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
  // Game switching and settings.
  virtual void SetCaption(const std::string& /*text*/) {}
  virtual void SetApplicationTitle(const std::string& /*text*/) {}
  virtual void SetHelpFile(const std::string& /*file*/) {}
  virtual void AttachMenu(int /*lang*/) {}  // MainMenu (0) or MainMenu1 (1)
  virtual void ShowCurrentComment() {}
  virtual void LayoutTable() {}
  virtual void PlaceControls() {}
  virtual void FlipHand(int /*row*/) {}
  virtual void ApplyBackground(int /*backGr*/) {}
  // The network server asks for a new deal of the current game.
  virtual void RequestNewDeal() {}
  // Durak: the trick leaving the table, taken into a hand, and the hands
  // refilled from the stock. packSlot is the stock slot drawn (-1: the trump
  // card of row 4); fanSize -1 means "as many as the hand will hold".
  virtual void AnimateDiscard() {}
  virtual void AnimateTake(bool /*toPlayer*/) {}
  virtual void AnimateDrawFromPack(bool /*toPlayer*/, int /*fanSize*/, int /*packSlot*/,
                                   int /*handSlot*/) {}
  virtual void AnimateSpreadHand(int /*row*/, int /*fanSize*/, bool /*throwAway*/) {}
  // One card's face and back shown by turns (kind 0 computer's hand, 1
  // player's hand, 2 attack row).
  virtual void BlinkCard(int /*kind*/, int /*slot*/) {}
  // The trump exchange: the six (two) flies from the hand's slot under the
  // stock (toHand false), then the former trump card into that slot (true).
  virtual void AnimateTrumpExchange(int /*row*/, int /*slot*/, bool /*toHand*/) {}
  // The game message box needs the window's place; the box lets pending
  // window events through before and after it is shown.
  virtual WindowRect MainWindowRect() const { return {}; }
  virtual void ProcessPendingEvents() {}
  // Closes the main window by its normal close path (Cancel in the question form).
  virtual void CloseMainWindow() {}
  // Hides the commentary line and the Move button (before a result is announced).
  virtual void ClearTalkArea() {}
};

// What the headless tool uses: nothing is shown, played or waited for.
class NullCallouts final : public ICallouts {};
