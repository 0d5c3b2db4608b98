#include "play/net_player_bot.h"

#include "games/eights_bot.h"
#include "games/nine_bot.h"
#include "play/buttons.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"
#include "play/self_play_durak.h"

namespace {

// What an action can change in Eights and Nine.
struct Glance {
  int whoseTurn, trumpSuit, caption;
  std::array<int32_t, 6> rows;
  bool operator==(const Glance&) const = default;
};

Glance GlanceAt(const Game& g) {
  return {g.t.WhoseTurn, g.t.TrumpSuit, g.t.ButtonCaptionId, g.t.RowCount};
}

void ActInEights(Game& g, const BotStyle& bot) {
  const EightsBotAction a = ChooseEightsAction(g, bot);
  switch (a.type) {
    case EightsBotAction::Card:
      RunCardMove(g, a.value, PointerButton::Left);
      DealScheduledGame(g);
      return;
    case EightsBotAction::Suit:
      return PressSuitButton(g, a.value);
    case EightsBotAction::MoveButton:
      return PressMoveButton(g);
  }
}

void ActInNine(Game& g, const BotStyle& bot) {
  const NineBotAction a = ChooseNineAction(g, bot);
  if (a.type == NineBotAction::MoveButton) return PressMoveButton(g);
  RunCardMove(g, a.slot, PointerButton::Left);
  DealScheduledGame(g);
}

}  // namespace

bool NetBotActs(Game& g, const BotStyle& bot) {
  const Kind k = g.kind();
  if (IsDurak(k)) return ActSomehow(g, bot);
  const Glance before = GlanceAt(g);
  if (k == Kind::Eights) ActInEights(g, bot);
  if (k == Kind::Nine) ActInNine(g, bot);
  if (GlanceAt(g) != before) return true;
  // The bot's choice was refused: the Move button, as a person would.
  PressMoveButton(g);
  return GlanceAt(g) != before;
}
