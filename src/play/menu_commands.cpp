#include "play/menu_commands.h"

bool CommandMayRun(const Game& g, TableCommand command) {
  const bool guessing = g.t.GuessMode != 0;
  switch (command) {
    case TableCommand::Undo:
    case TableCommand::SaveGame:
    case TableCommand::RestoreGame:
      return !guessing && !g.NetworkGame();
    case TableCommand::CardBack:
    case TableCommand::Background:
    case TableCommand::Options:
    case TableCommand::Network:
      return !guessing;
    case TableCommand::About:
      return true;
  }
  return false;
}
