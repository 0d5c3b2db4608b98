#include "play/save_restore.h"

#include "core/game_message.h"
#include "play/menu_commands.h"
#include "play/restore.h"
#include "play/saved_table_checks.h"

namespace {

constexpr int kNoPrefix = -1;

bool IsSlot(int slot) {
  return slot == kUndoSlot || slot == kSavedGameSlot;
}

SlotRecord Refused(int message, std::string error) {
  return {std::nullopt, message, std::move(error)};
}

}  // namespace

bool SaveGame(Game& g, int slot) {
  if (g.saveFile == nullptr || !IsSlot(slot)) return false;
  const SaveBytes record = EncodeSaveRecord(RecordFromTable(g));
  const SaveFileContents old = g.saveFile->Read();
  // A file that is there but cannot be read is left alone: writing a new
  // one would lose the other slot.
  const bool written = old.state != SaveFileState::Unreadable &&
                       g.saveFile->Replace(ContentsWithSlot(old.bytes, slot, record));
  if (!written) ShowGameMessage(g, kMsgCannotCreateSave, kNoPrefix);
  return written;
}

SlotRecord ReadSlot(const ISaveFile& file, int slot, const Edition& e) {
  if (!IsSlot(slot)) return Refused(kMsgCannotReadFile, "no slot " + std::to_string(slot));
  const SaveFileContents contents = file.Read();
  if (contents.state == SaveFileState::Missing) return Refused(kMsgCannotOpenFile, "no file");
  if (contents.state == SaveFileState::Unreadable)
    return Refused(kMsgCannotOpenFile, "the file cannot be read");
  const auto bytes = SlotBytes(contents.bytes, slot);
  if (!bytes)
    return Refused(kMsgCannotReadFile,
                   "the file holds no whole record in slot " + std::to_string(slot));
  DecodedRecord decoded = DecodeSaveRecord(*bytes, e);
  if (!decoded.record) return Refused(kMsgCannotReadFile, decoded.error);
  if (std::string why = SavedTableProblem(*decoded.record, e); !why.empty())
    return Refused(kMsgCannotReadFile, why);
  return {std::move(decoded.record), -1, {}};
}

RestoreOutcome RestoreGame(Game& g, int slot) {
  if (g.saveFile == nullptr) return {};
  const SlotRecord read = ReadSlot(*g.saveFile, slot, *g.edition);
  if (!read.record) {
    ShowGameMessage(g, read.message, kNoPrefix);
    return {};
  }
  return {true, TakeInRecord(g, *read.record)};
}

void SaveUndo(Game& g) {
  SaveGame(g, kUndoSlot);
}

bool SaveCommandsAllowed(const Game& g) {
  return CommandMayRun(g, TableCommand::Undo) && CommandMayRun(g, TableCommand::SaveGame) &&
         CommandMayRun(g, TableCommand::RestoreGame);
}

RestoreOutcome UndoMove(Game& g) {
  if (!CommandMayRun(g, TableCommand::Undo)) return {};
  return RestoreGame(g, kUndoSlot);
}

void SaveGameCommand(Game& g) {
  if (CommandMayRun(g, TableCommand::SaveGame)) SaveGame(g, kSavedGameSlot);
}

RestoreOutcome RestoreGameCommand(Game& g) {
  if (!CommandMayRun(g, TableCommand::RestoreGame)) return {};
  return RestoreGame(g, kSavedGameSlot);
}
