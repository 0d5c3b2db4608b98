// The engine's one way out to the window: everything a game does to the
// table happens in the engine, and whatever has to be seen, heard, waited
// for, written or sent goes through this interface. Every call has a
// do-nothing default, so the base class itself is the no-op implementation
// that the headless tool uses.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/pointer_views.h"

// A card flying from one grid place to another (the move of MoveCard).
struct CardFlight {
  int fromRow = 0, fromSlot = 0, toRow = 0, toSlot = 0;
};

// The game message box: the text, its top-left screen position, and whether
// it asks a question (OK / Cancel) instead of just informing.
struct GameMessageBox {
  int code = -1;  // which of the coded messages it shows
  std::string text;
  int left = 0;
  int top = 0;
  bool question = false;
  int centreX = 0;  // the point the box's offset is measured from
};

// Where a box of this width stands: at its own left edge while it is no
// wider than the box the offset was made for (twice the offset), else
// centred on the same point, so that a wider box (a long game title in its
// caption) grows to both sides instead of to the right.
inline int GameMessageLeft(const GameMessageBox& box, int width) {
  const int half = box.centreX - box.left;
  return width > 2 * half ? box.centreX - width / 2 : box.left;
}

// The main window's outer position and size on the screen.
struct WindowRect {
  int left = 0, top = 0, width = 635, height = 475;
};

// The commentary line (Label1) with its text and top-left corner.
struct CommentaryLabel {
  std::string text;
  int left = 0, top = 0;
};

// The captions of the suit-order panel and the points panel of Czech durak.
struct PanelCaptions {
  std::string trumpLabel, pointsLabel, compLabel, playLabel;
};

// What one Comment call shows. An absent part stays on screen as it is,
// except the pack counter (LabelPack), which is hidden when absent.
struct CommentaryView {
  int commentId = -1, captionId = -1;
  std::optional<CommentaryLabel> comment;
  std::optional<std::string> caption;  // the Move button
  std::optional<PanelCaptions> panels;
  std::optional<std::string> packCounter;
};

// The status bar (StatusBar1): panel texts and widths, and the chat field
// laid over panel 0 in a network game (offsets from the bar's top-left).
struct StatusBarView {
  bool visible = true;
  std::string whoPlays;              // panel 0
  std::optional<std::string> score;  // panel 1; absent: it keeps its text
  std::array<int, 3> widths{};
  bool chatVisible = false;
  std::string chatText;
  int chatLeft = 4, chatTop = 4, chatWidth = 0;
  int chatButtonLeft = 0, chatButtonTop = 4;
};

// The controls a game needs on the table after its deal.
struct TableControlsView {
  bool trumpPanelVisible = false;
  bool trumpLabelEnabled = false;
  bool pointsPanelVisible = false;
  std::optional<PanelCaptions> panels;
  bool hideCommentary = false;       // Label1 hidden
  bool zeroCommentaryWidth = false;  // ... and shrunk to nothing (Nine)
  bool moveButtonVisible = false;    // enabled, shown and focused; else hidden
};

class ICallouts {
 public:
  virtual ~ICallouts() = default;

  virtual void RepaintTable(bool /*show*/) {}
  virtual void AnimateMove(const CardFlight& /*flight*/) {}
  virtual void Pause(int /*milliseconds*/) {}
  // Returns true for OK, false for Cancel of the question form.
  virtual bool ShowGameMessage(const GameMessageBox& /*box*/) { return true; }
  virtual void SaveUndo() {}
  virtual void SendMove(int /*value*/, int /*code*/) {}
  // The deal is in the grid: show it card by card (or just repaint when
  // movement is off). Play is opened by the engine afterwards.
  virtual void AnimateDeal() {}
  // Shows the Move button and the panels the game uses.
  virtual void ShowTableControls() {}
  // Briefly shows the lowest trump of a face-down hand at one of its first
  // six places (row 0 the computer's hand, 1 the player's).
  virtual void ShowLowestTrump(int /*row*/, int /*slot*/, int /*place*/) {}
  virtual void UpdateStatusBar() {}
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
  // A round of a network game has ended on this side and its result is
  // counted: the session deals the next one or waits for it.
  virtual void NetRoundEnded() {}
  // A partner's chat line for the chat edit field.
  virtual void ShowChatLine(const std::string& /*text*/) {}
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
  // Czech durak and Eights: a back from the side pack to a hand; the suit
  // in force flashing above the suit-order panel.
  virtual void AnimateDrawFromSidePack(bool /*toPlayer*/) {}
  virtual void BlinkSuitIcon() {}
  // Czech durak and Eights: whether the suit buttons take an order now
  // (TrumpLabel enabled).
  virtual void EnableTrumpLabel(bool /*enabled*/) {}
  // Whether the Move button takes a press (Nine: only while no card fits).
  virtual void EnableMoveButton(bool /*enabled*/) {}
  // Memory: the card in slot `slot` of row 0 has just been turned (its
  // Opened flag tells which side is up now); the window shows it turning.
  virtual void TurnMemoryCard(int /*slot*/) {}
  // A won patience: a shower of cards over the table, then the table again.
  virtual void WinCelebration() {}
  // The game message box needs the window's place; the box lets pending
  // window events through before and after it is shown.
  virtual WindowRect MainWindowRect() const { return {}; }
  // The window the table is laid out for: the main window, or the smallest
  // window when the cards grow with the window (its size only; the table's
  // own texts are placed by it).
  virtual WindowRect TableWindowRect() const { return MainWindowRect(); }
  virtual void ProcessPendingEvents() {}
  // Closes the main window by its normal close path (Cancel in the question form).
  virtual void CloseMainWindow() {}
  // Hides the commentary line and the Move button (before a result is
  // announced); they stay away until play brings them back.
  virtual void ClearTalkArea() {}
  // The commands open to the player have changed (the guessing game began or
  // ended): the menus show it at once, not only when one is opened.
  virtual void RefreshMenuState() {}
  // Commentary, sound and status: the engine decides the texts and places,
  // the window only shows them.
  virtual void ShowCommentary(const CommentaryView& /*view*/) {}
  // The width in pixels of a commentary text in Label1's font.
  virtual int CommentaryTextWidth(const std::string& /*text*/) const { return 0; }
  // path is relative ("Voices/skoloda.wav"); synchronous returns when the
  // sound has ended. A missing file or no audio device plays nothing.
  virtual void PlayWav(const std::string& /*path*/, bool /*synchronous*/) {}
  virtual void ShowStatusBarPanels(const StatusBarView& /*view*/) {}
  virtual void ShowClock(const std::string& /*text*/) {}  // panel 2
  virtual void ApplyTableControls(const TableControlsView& /*view*/) {}
  // Mouse play: the pointer shape (the hand over what can be taken, else the
  // arrow), the hand under the pointer, the Scarf drag and the card backs.
  virtual void SetHandPointer(bool /*hand*/) {}
  virtual void ShowHandHover(const HandHoverView& /*view*/) {}
  // Copies the window area `from` into the drag picture at `into`.
  virtual void CaptureDragPicture(const TRect& /*from*/, const TRect& /*into*/) {}
  virtual void ShowDragStep(const DragStepView& /*view*/) {}
  virtual void PressCardBacks(const CardBackPressView& /*view*/) {}
  virtual void ReleaseCardBacks(const CardBackReleaseView& /*view*/) {}
  // The network server: whether a partner has connected.
  virtual bool PartnerConnected() const { return true; }
  // Switches the server socket off when it is still listening though no
  // network game is set up (the partner has gone).
  virtual void CloseIdleServerSocket() {}
};

// What the headless tool uses: nothing is shown, played or waited for.
class NullCallouts final : public ICallouts {};
