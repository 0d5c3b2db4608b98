#include "commentary/hearts_texts.h"

namespace {

constexpr int kEnglishLang = 1;

struct Texts {
  const char* ru;
  const char* en;
};

const Texts kComments[] = {
    {"Выберите три карты для передачи налево", "Choose three cards to pass to the left"},
    {"Выберите три карты для передачи направо", "Choose three cards to pass to the right"},
    {"Выберите три карты для передачи игроку напротив", "Choose three cards to pass across"},
    {"В этой сдаче карты не передаются", "No passing this hand"},
    {"Ваш ход !", "Your turn !"},
    {"Ходите двойкой треф !", "Lead the two of clubs !"},
    {"Червы вскрыты ! Ваш ход", "Hearts are broken ! Your turn"},
};

// Seats by number: the player, the left, top and right hands.
const Texts kSeats[] = {{"вы", "you"}, {"слева", "left"}, {"сверху", "top"}, {"справа", "right"}};
const Texts kShooters[] = {{"Вы забрали все очки !", "You shot the moon !"},
                           {"Левый забрал все очки !", "Left shot the moon !"},
                           {"Верхний забрал все очки !", "Top shot the moon !"},
                           {"Правый забрал все очки !", "Right shot the moon !"}};

const char* In(const Texts& t, int lang) {
  return lang == kEnglishLang ? t.en : t.ru;
}

}  // namespace

bool IsHeartsComment(int commentId) {
  return commentId >= kHeartsPassLeft && commentId <= kHeartsHandOver;
}

std::string HeartsCommentText(int commentId, int lang) {
  if (!IsHeartsComment(commentId) || commentId == kHeartsHandOver) return {};
  return In(kComments[commentId - kHeartsPassLeft], lang);
}

std::string HeartsHandOverText(const std::array<int, 4>& taken, int moonShooter, int lang) {
  if (moonShooter >= 0 && moonShooter < 4) return In(kShooters[moonShooter], lang);
  std::string text = lang == kEnglishLang ? "Hand over. Points: " : "Сдача окончена. Очки: ";
  for (int seat = 0; seat < 4; ++seat) {
    if (seat > 0) text += ", ";
    text += std::string(In(kSeats[seat], lang)) + " " + std::to_string(taken[seat]);
  }
  return text;
}

PanelCaptions HeartsPanelCaptions(const std::array<int, 4>& totals, int lang) {
  // Two totals to a line, so that the panel's width holds them.
  const bool en = lang == kEnglishLang;
  auto total = [&](int seat, const char* ru, const char* english) {
    return std::string(en ? english : ru) + " : " + std::to_string(totals[seat]);
  };
  return {en ? " Choose the suit" : "Заказать масть",
          en ? "Game is playing up to 100 pts" : "Игра ведется до 100 очков",
          total(1, "Слева", "Left") + "    " + total(2, "Сверху", "Top"),
          total(0, "Игрок", "Player") + "    " + total(3, "Справа", "Right")};
}
