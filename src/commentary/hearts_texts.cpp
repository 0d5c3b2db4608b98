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
    {"Выберите три карты для передачи напротив", "Choose three cards to pass across"},
    {"В этой сдаче карты не передаются", "No passing this hand"},
    {"Ваш ход !", "Your turn !"},
    {"Ходите двойкой треф !", "Lead the two of clubs !"},
    {"Червы вскрыты ! Ваш ход", "Hearts are broken ! Your turn"},
};

// Seats by number: the player, the left, top and right hands.
const Texts kSeats[] = {{"вы", "you"}, {"слева", "left"}, {"напротив", "top"}, {"справа", "right"}};
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
  const bool en = lang == kEnglishLang;
  const std::string others = (en ? "Left " : "Слева ") + std::to_string(totals[1]) +
                             (en ? "   Top " : "   Напротив ") + std::to_string(totals[2]) +
                             (en ? "   Right " : "   Справа ") + std::to_string(totals[3]);
  return {en ? " Choose the suit" : "Заказать масть",
          en ? "Game is playing up to 100 pts" : "Игра ведется до 100 очков", others,
          (en ? "Player :         " : "Игрок :             ") + std::to_string(totals[0])};
}
