#include "core/game_message.h"

namespace {

struct MessageEntry {
  const char* ru;
  const char* en;
  int offsetRu, offsetEn;                  // plain box: x-offset from the window's middle
  int questionOffsetRu, questionOffsetEn;  // question box; -1: never asked as a question
};

// Leading blanks are part of the texts: they centre the short ones in the box.
constexpr MessageEntry kMessages[kGameMessageCount] = {
    {"Вы угадали, вам засчитывается победа !", "You have guessed, so you win !", 121, 93, 173,
     135},
    {"Вы не угадали, поэтому вам засчитывается поражение !",
     "You haven't guessed, therefore you lose !", 160, 115, 212, 157},
    {" Игра окончена !", "   Game over !", 58, 52, 109, 92},
    {"Игра не может быть закончена !", "Game can't be completed !", 100, 80, 151, 122},
    {"  Вы выиграли !", "    You  win !", 56, 53, 107, 92},
    {" Вы проиграли !", "    You  lost !", 56, 53, 108, 92},
    {"      Ничья !", "       Draw !", 52, 53, 96, 92},
    {"Не удается создать файл для сохранения игры !", "Unable to create the save file !", 139,
     89, 121, 93},
    {"Не удается открыть файл !", "Error oppening the file !", 85, 70, -1, -1},
    {"Не удается прочесть данные из файла !", "Unable to read the data from a file !", 118, 99,
     -1, -1},
    {"Ошибка соединения сервера !", "Error connecting the server !", 94, 84, -1, -1},
    {"Ошибка соединения клиента !", "Error connecting the client !", 92, 81, -1, -1},
    {" отключился, продолжим игру с компьютером.",
     " was disconnected, continue game with the computer.", 154, 165, -1, -1},
    {"Сервер не отвечает, проверьте адрес !", "Server doesn't answer, check up the address !",
     115, 127, -1, -1},
    {"Вы не ввели имя !", "Enter your name !", 63, 58, -1, -1},
    {"Вы не ввели адрес соединения !", "Enter the address of connection !", 99, 95, -1, -1},
    {"Нет соединения !", "No connecting !", 58, 52, -1, -1},
};

constexpr const char* kQuestionRu = "  Продолжить игру ?";
constexpr const char* kQuestionEn = "  Continue game ?";

bool AsksAQuestion(const Game& g, int code) {
  return g.t.Options.ConfNewgame == 1 && kMessages[code].questionOffsetRu >= 0;
}

}  // namespace

std::string GameMessageText(int code, int lang) {
  if (code < 0 || code >= kGameMessageCount) return {};
  return lang == 1 ? kMessages[code].en : kMessages[code].ru;
}

GameMessageBox BuildGameMessage(const Game& g, int code, int prefix) {
  GameMessageBox box;
  box.code = code;
  if (code < 0 || code >= kGameMessageCount) return box;
  const MessageEntry& m = kMessages[code];
  const bool english = g.program.Lang == 1;
  if (prefix == 0 || prefix == 1) box.text = g.program.NetNames[prefix];
  box.text += english ? m.en : m.ru;
  box.question = AsksAQuestion(g, code);
  if (box.question) box.text += english ? kQuestionEn : kQuestionRu;
  const int offset = box.question ? (english ? m.questionOffsetEn : m.questionOffsetRu)
                                  : (english ? m.offsetEn : m.offsetRu);
  const WindowRect w = g.out->MainWindowRect();
  box.centreX = w.left + w.width / 2;
  box.left = box.centreX - offset;
  box.top = w.top + w.height / 2 - 52;
  return box;
}

int ShowGameMessage(Game& g, int code, int prefix) {
  const GameMessageBox box = BuildGameMessage(g, code, prefix);
  g.program.ModalFlag = -1;
  g.out->ProcessPendingEvents();
  const bool ok = g.out->ShowGameMessage(box);
  if (box.question && !ok) {
    g.out->CloseMainWindow();
    return 0;
  }
  g.out->ProcessPendingEvents();
  g.program.ModalFlag = 1;
  return 1;
}
