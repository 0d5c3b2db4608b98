#include "durak/player_bot.h"

#include <utility>

#include "core/hand_order.h"
#include "durak/beats.h"
#include "durak/computer_player.h"
#include "durak/endgame_tables.h"
#include "durak/trick_moves.h"

namespace {

// Exchanges the seats for the length of one question, so that the choice
// functions, which always play row 0, play the player's hand; everything
// they may touch is put back afterwards.
class MirroredSeats {
 public:
  MirroredSeats(Game& g, const BotStyle& bot) : g_(g), saved_(Save(g)) {
    TTableState& t = g.t;
    std::swap(t.CardGrid[0], t.CardGrid[1]);
    if (t.WhoseTurn == 0 || t.WhoseTurn == 1) t.WhoseTurn = 1 - t.WhoseTurn;
    t.Options.Style = bot.style;
    t.Options.Level = bot.level;
    t.Options.Search = bot.search;
    std::swap(g.seen.takenUp[0], g.seen.takenUp[1]);  // what each side has shown
    std::swap(t.RowCount[0], t.RowCount[1]);
    t.RowCount[0] = OrderRow(g, 0);  // the player's hand in the computer's order
    t.RowCount[1] = OrderRow(g, 1);
  }
  ~MirroredSeats() { Restore(); }
  MirroredSeats(const MirroredSeats&) = delete;
  MirroredSeats& operator=(const MirroredSeats&) = delete;

  // The card the bot's hand (row 0 while mirrored) holds at the slot.
  TCard CardAt(int slot) const { return g_.t.CardGrid[0][slot]; }

 private:
  struct Saved {
    std::array<TCard, kSlots> row0, row1, row3;
    std::array<int32_t, 6> rowCount;
    int32_t whoseTurn, coverIndex, swindleCount, leadInProgress;
    TOptions options;
    std::array<TCard, 5> swindleCards;
  };
  static Saved Save(const Game& g) {
    const TTableState& t = g.t;
    return {t.CardGrid[0], t.CardGrid[1],  t.CardGrid[3],    t.RowCount, t.WhoseTurn,
            t.CoverIndex,  t.SwindleCount, t.LeadInProgress, t.Options,  t.SwindleCards};
  }
  void Restore() {
    TTableState& t = g_.t;
    t.CardGrid[0] = saved_.row0;
    t.CardGrid[1] = saved_.row1;
    t.CardGrid[3] = saved_.row3;
    t.RowCount = saved_.rowCount;
    t.WhoseTurn = saved_.whoseTurn;
    t.CoverIndex = saved_.coverIndex;
    t.SwindleCount = saved_.swindleCount;
    t.LeadInProgress = saved_.leadInProgress;
    t.Options = saved_.options;
    t.SwindleCards = saved_.swindleCards;
    std::swap(g_.seen.takenUp[0], g_.seen.takenUp[1]);
  }

  Game& g_;
  Saved saved_;
};

int PlayerSlotOf(const Game& g, const TCard& c) {
  for (int s = 0; s < g.t.RowCount[1] && s < kSlots; ++s) {
    if (g.t.IsPresent(1, s) && SameCard(g.t.CardGrid[1][s], c)) return s;
  }
  return -1;
}

enum class Question { Lead, Cover, Add, Transfer };

// Asks the computer player's question for the player's hand; the answer is
// a slot of the player's row, or -1.
int AskForPlayer(Game& g, const BotStyle& bot, Question q) {
  TCard card;
  {
    MirroredSeats mirror(g, bot);
    int slot = -1;
    switch (q) {
      case Question::Lead:
        slot = TrumpCardLies(g) ? -1 : EndgameChoice(g);
        if (slot < 0) slot = LeadChoice(g);
        break;
      case Question::Cover:
        slot = CoverChoice(g, 2, g.t.CoverIndex);
        break;
      case Question::Add:
        slot = AddChoice(g);
        break;
      case Question::Transfer:
        slot = TransferChoice(g);
        break;
    }
    if (slot < 0 || slot >= kSlots) return -1;
    card = mirror.CardAt(slot);
  }
  return PlayerSlotOf(g, card);
}

BotAction Click(int slot, MouseButton button = MouseButton::Left) {
  return {BotAction::Click, slot, button};
}

// Sometimes the bot leads several cards of one rank at once (right button).
bool WantsSeveralCardLead(Game& g, int slot) {
  const TTableState& t = g.t;
  return t.FormG != 0 && MayLead(g, slot) && t.RowCount[1] > 1 && t.RowCount[2] < t.RowCount[0] &&
         RandomBelow(g, 4) == 0;
}

BotAction Attack(Game& g, const BotStyle& bot) {
  const TTableState& t = g.t;
  if (t.LeadInProgress == 1) {
    for (int s = 0; s < t.RowCount[1]; ++s) {
      if (t.RankAt(1, s) == t.RankAt(2, 0) && MayLead(g, s) && t.RowCount[2] < t.RowCount[0])
        return Click(s, MouseButton::Right);
    }
    return {};
  }
  if (t.RowCount[2] == 0) {
    // Now and then a person leads a card of his own fancy; it also breaks
    // the endless rounds two fixed strategies can fall into (each taking
    // and transferring the same kings back and forth).
    const int lead = RandomBelow(g, 6) == 0 ? RandomBelow(g, t.RowCount[1])
                                            : AskForPlayer(g, bot, Question::Lead);
    if (lead >= 0 && WantsSeveralCardLead(g, lead)) return Click(lead, MouseButton::Right);
    return Click(lead);
  }
  if (t.FormG == 0) return {};
  if (t.RowCount[3] == t.RowCount[2]) {
    const int add = AskForPlayer(g, bot, Question::Add);
    return add >= 0 ? Click(add) : BotAction{};
  }
  // The computer is taking: load it with the lowest card that may join.
  for (int s = t.RowCount[1] - 1; s >= 0; --s) {
    if (MayAdd(g, t.CardGrid[1][s]) && RandomBelow(g, 2) == 0) return Click(s);
  }
  return {};
}

BotAction Defend(Game& g, const BotStyle& bot) {
  const TTableState& t = g.t;
  if (t.RowCount[3] >= t.RowCount[2]) return {};  // Reverse durak: end the trick
  const bool nothingCovered = t.RowCount[3] == 0;
  if (t.FormG == 2 && nothingCovered) {
    const int transfer = AskForPlayer(g, bot, Question::Transfer);
    if (transfer >= 0) return Click(transfer);
  }
  const int cover = AskForPlayer(g, bot, Question::Cover);
  if (cover < 0) return {};
  // A card of the lead's rank would transfer on the left button.
  const bool leadRank = t.RankAt(1, cover) == t.RankAt(2, 0);
  return Click(cover,
               t.FormG == 2 && nothingCovered && leadRank ? MouseButton::Right : MouseButton::Left);
}

}  // namespace

BotAction ChooseBotAction(Game& g, const BotStyle& bot) {
  const TTableState& t = g.t;
  if (t.GuessMode == 1) return Click(RandomBelow(g, t.RowCount[1]));
  if (t.WhoseTurn == 1) return Attack(g, bot);
  if (t.WhoseTurn == 0) return Defend(g, bot);
  return {};
}
