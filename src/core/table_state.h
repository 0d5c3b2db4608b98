// The one state object of the card table: the 14 x 52 card grid with its
// per-slot flags, the source pack, which game is played, the turn state of
// the card games, the options the rules read, the result counters and the
// geometry of the table. Every game gives the rows its own meaning; the
// durak kinds use them so:
//   row 0  the computer's hand          row 3  defence cards (slot i covers row 2 slot i)
//   row 1  the player's hand            row 4  slot 0: the trump card under the stock
//   row 2  attack cards, in play order  row 5  the stock, face down
// Removing a card only clears its Present flag: the record stays in its slot
// until it is overwritten (the sharper's swindle relies on that).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/card.h"
#include "core/rect.h"

constexpr int kRows = 14;
constexpr int kSlots = 52;

// The options the rules and the window read; each mirrors the settings-store
// value named in the comment.
struct TOptions {
  int32_t Style = 5;              // "Style": 0 child .. 4 sharper, 5 professional
  int32_t Level = 1;              // "Level": 0 low .. 3 super
  int32_t LevelS = 0;             // "LevelS": the sharper's swindle level
  int32_t CheckS = 1;             // "CheckS": the player may catch the sharper
  int32_t TrLeftRight = 0;        // "Tr_Left_Right": trumps left (0) or right (1)
  int32_t TrSuitOld = 1;          // "Tr_Suit_Old": by suits (0) or by seniority (1)
  int32_t Speed = 30;             // "Speed"
  int32_t Animation = 1;          // "Animation"
  int32_t SpecEffect = 1;         // "SpecEffect"
  int32_t ShowCountPack = 0;      // "ShowCountPack"
  int32_t Stat = 1;               // "Stat"
  int32_t StatSeparate = 0;       // "StatSeparate"
  int32_t NumberOrPercent = 0;    // "NumberOrPercent"
  int32_t SizeWindow = 1;         // "SizeWindow"
  int32_t Pos = 0;                // "Pos"
  int32_t SizeStateWindow = 0;    // "SizeStateWindow"
  int32_t Left = 0;               // "Left"
  int32_t Top = 0;                // "Top"
  int32_t Height = 475;           // "Height"
  int32_t Width = 635;            // "Width"
  int32_t SaveOnExit = 0;         // "Save"
  int32_t StBar = 1;              // "StBar"
  int32_t CardBack = 52;          // "Suit": image index of the card back
  int32_t BackGr = 0;             // "BackGr": table background picture
  int32_t PropPage = 0;           // "PropPage"
  int32_t Sound = 0;              // "Sound"
  int32_t V_Sex = 0;              // "V_Sex"
  int32_t V_Old = 0;              // "V_Old"
  int32_t Mess = 1;               // "Mess"
  int32_t CallNewGame = 1;        // "CallNewGame"
  int32_t FirstMove = 0;          // "1_Move": 0 traditionally, 1 lower trump, 2 player, 3 computer
  int32_t LastCards = 0;          // "LastCards"
  int32_t DiscardTransfer1 = 0;   // "1_DiscardTransfer"
  int32_t ChangeTr = 0;           // "ChangeTr": 0 nobody, 1 player, 2 computer, 3 both
  int32_t ThrowUpMore6Cards = 0;  // "ThrowUpMore6Cards"
  int32_t LastCardGame = 0;       // "LastCardGame"
  int32_t Chat = 0;               // "Chat"
  int32_t ConfNewgame = 0;        // "ConfNewgame"
  int32_t MinOnEscape = 1;        // "MinOnEscape"
  int32_t Search = 0;             // "Search": the professional searches (1) or not (0)
  int32_t ScaleCards = 0;         // "ScaleCards": 1 the table grows with the window

  int32_t BackIndex() const { return CardBack - 52; }  // card back number
};

struct TResult {
  int32_t Wins = 0;    // the player's wins (Memory: the running score)
  int32_t Losses = 0;  // the computer's wins (Memory: the record)
  int32_t Draws = 0;
};

struct THandGeometry {
  int32_t x0 = 0;
  int32_t step = 0;
};

struct TTableState {
  // Grid and pack.
  std::array<std::array<TCard, kSlots>, kRows> CardGrid{};
  std::array<std::array<uint8_t, kSlots>, kRows> Opened{};
  TPack Pack{};
  std::array<int32_t, 6> RowCount{};  // rows 0, 1, 2, 3 and 5; [4] is unused

  // Game identity.
  int32_t VidG = 0;
  int32_t FormG = 0;

  // Turn and trick state of the card games.
  int32_t TrumpSuit = 0;
  int32_t WhoseTurn = 2;  // 1 the player leads, 0 the computer, 2 not decided
  int32_t CoverIndex = 0;
  int32_t FirstDiscardDone = 0;
  int32_t LeadInProgress = 0;
  int32_t DefendByCover = 1;
  int32_t GameDecided = 0;
  int32_t RevealHands = 0;
  int32_t GuessMode = 0;
  int32_t GuessLossPending = 0;  // the loss that began the guessing game is not counted yet
  std::array<TCard, 5> SwindleCards{};
  int32_t SwindleCount = 0;
  int32_t CommentId = 0;
  int32_t ButtonCaptionId = 0;

  TOptions Options{};

  // Results.
  std::array<TResult, 26> Stats{};
  int32_t NetWins = 0, NetLosses = 0, NetDraws = 0;
  int32_t PatienceResult = -1;  // -1 card game, 0 patience in progress, 1 just won

  // Geometry of the table (computed by the layout).
  int32_t AttackX = 0, DefenceX = 0, AttackY = 0, DefenceY = 0;
  int32_t ComputerHandY = 0, PlayerHandY = 0;
  int32_t PackX = 0, PackY = 0, SidePackX = 0;
  int32_t TrumpX = 0, TrumpY = 0, TrumpIconX = 0, TrumpIconY = 0;
  int32_t TopLineY = 0, BottomLineY = 0;
  int32_t NineCenterX = 0, NineLeftX = 0, NineRightX = 0, NineRowY = 0, NineRowStep = 0;
  std::array<std::array<int32_t, kSlots>, kRows> CardX{};
  std::array<std::array<int32_t, kSlots>, kRows> CardY{};
  std::array<THandGeometry, 53> HandGeometry{};
  std::array<int32_t, 27> TableStep{};
  std::array<int32_t, 27> RoadStep{};

  // Presentation and pointer state.
  int32_t Dealing = 0;
  std::string ChatLine;
  int32_t HitIndex = -1, HitRow = -1, HitSlot = -1;
  int32_t SourceRow = -1, SourceSlot = -1;
  uint8_t Picked = 0;
  int32_t DragLastX = 0, DragLastY = 0;
  TRect PickedRect{};        // Scarf: what a drag from the hit card would lift
  TRect DragRect{};          // where the dragged picture is shown now
  TRect DragImageRect{};     // the part of the drag picture that holds the run
  int32_t PickedColour = 0;  // colour of the picked or lifted card: 0 black, 1 red
  std::array<int32_t, kRows> PileCount{};
  int32_t SecondSlot = -1;

  // Other games and keyboard / network latches.
  int32_t CzechPointsComputer = 0, CzechPointsPlayer = 0;
  int32_t AceOrderPending = 0;
  int32_t NineRowEnd = 6;
  std::array<int32_t, 3> PassSlots{-1, -1, -1};
  int32_t CtrlLatch = 0;
  int32_t DealLatch = -1;

  // Grid accessors.
  bool IsPresent(int row, int slot) const { return CardGrid[row][slot].Present == 1; }
  int SuitAt(int row, int slot) const { return CardGrid[row][slot].Suit; }
  int RankAt(int row, int slot) const { return CardGrid[row][slot].Rank; }
  int ImageIndexAt(int row, int slot) const { return ImageIndex(CardGrid[row][slot]); }
  // Stores the card and marks the slot present, whatever the copy carried.
  void PutCard(int row, int slot, const TCard& card);
  // Draws the next card of the pack into the slot.
  void PutCard(int row, int slot) { PutCard(row, slot, DrawCard(Pack)); }
  // An empty slot gives nothing and is left as it was.
  std::optional<TCard> TakeCard(int row, int slot);
  void SwapSlots(int row, int a, int b);
};
