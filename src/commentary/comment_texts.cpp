#include "commentary/comment_texts.h"

#include <vector>

namespace {

struct Pair {
  const char* ru;
  const char* en;
};

// "Cброс карт" begins with a Latin C, as it always has.
constexpr Pair kCaptions[kCaptionCount] = {
    {"Ход", "Move"},        {"Беру", "Pick up"},
    {"Отбой", "Discard"},   {"Взять карту", "Take card"},
    {"Пропустить", "Pass"}, {"", ""},
    {"Ждите", "Wait"},      {"Cброс карт", "Drop cards"},
    {"ОК", "OK"},
};

// Ids 0 .. 8 mean the same in every style: 0 the player may move, 1 the
// player must beat off, 2 the computer takes, 3 the player may throw in,
// 4 the computer takes and more may be thrown in, 5 the first discard holds
// five cards at most, 6 the computer has no cards left, 7 the computer has
// beaten off, 8 the player should take.
constexpr Pair kStyleComments[kStyleCount][kStyleCommentCount] = {
    {
        // 0 "child"
        {"Ходите потихонечку !", "Your turn !"},
        {"Побивайтеся !", "Beat off !"},
        {"Заберу-ка !", "I pick up !"},
        {"Подбрасывайте-ка одну !", "Throw cards up if you have !"},
        {"Возьму-ка !", "I pick up. Throw up !"},
        {"В первый раз 5 карт !", "First time - 5 cards !"},
        {"Ну нету у меня ничего !", "No, I have nothing !"},
        {"Бита !", "I've beaten off !"},
        {"Берите, берите !", "Take, take !"},
    },
    {
        // 1 "simpleton"
        {"Твой ход !", "Your turn !"},
        {"Бейся !", "Beat off !"},
        {"Забираю !", "I take !"},
        {"Если есть бросай !", "Throw if you have !"},
        {"Кидай !", "Throw up ..."},
        {"Ну куда, 5 карт отбой !", "The first move - 5 cards !"},
        {"Так у меня карт больше нет !", "So I have no more cards left !"},
        {"Конечно отбой !", "I've beaten off !"},
        {"Забирай конечно !", "Sure, pick up!"},
    },
    {
        // 2 "enthusiast"
        {"Давай заходи !", "Come on, move !"},
        {"Попробуй отбить такое !", "Try to beat this !"},
        {"Ну вот, завалил...", "Arrgh...you've overloaden me !"},
        {"Ну кидай, такая тоже нужна !", "Throw cards, I need them too !"},
        {"Не сори хорошей картой !", "Don't throw the good cards !"},
        {"Да ты че обалдел, первый отбой 5 карт !", "What ?! The first move - 5 cards !"},
        {"А где я тебе возьму карты !", "And where I'll find the cards !"},
        {"По-моему отбой !", "I've beaten off !"},
        {"Твои карты !", "cards are YOUR !"},
    },
    {
        // 3 "aggressor"
        {"Ты че заходишь че ли !", "So it's your move ?!"},
        {"Если не возьмешь завалю !", "If you won't take this, I'll flood you with cards !"},
        {"Всосал !", "Absorbed ?!"},
        {"Попробуй тока кинуть !", "Try only to give me a card..."},
        {"Кидай козырных !", "Throw up the trumps !"},
        {"Да ты фуфел правил не знаешь, 1 отбой 5 карт !",
         "So you stupid don't know the rules, 1st move - 5 cards !"},
        {"Ты че слепой че ли, карт то у меня нет !", "You're blind - I have NO cards !"},
        {"Дуру то не гони, отбой !", "I've beaten off !"},
        {"Если не возьмешь замочу !", "If you won't take the card, I'll hit your stupid face !"},
    },
    {
        // 4 "sharper"
        {"Ходите младшей картой !", "Move with a smallest cards !"},
        {"Отбивайтесь крупной картой !", "Beat with the largest cards !"},
        {"Возьму, может в картах будет пара !", "I pick up, maybe in my cards will have a pair !"},
        {"Можете подкинуть, лучше козыря !", "Throw if you have !"},
        {"А другой карты у вас разве нет !", "You haven't another card ?"},
        {"Больше 5 карт на 1 кон не ложат !", "No more cards on first move"},
        {"А у меня карты кончились !", "I've run out of cards !"},
        {"Вот он и отбой !", "I've beaten off !"},
        {"Возьмите пригодится !", "Take, you'll need this soon !"},
    },
    {
        // 5 "professional"
        {"Ваш ход !", "Your turn !"},
        {"Отбивайтесь !", "Beat off !"},
        {"Беру !", "I pick up !"},
        {"Подбрасывайте, если есть !", "Throw cards up if you have !"},
        {"Беру, давайте еще !", "I pick up. Throw up !"},
        {"Первый отбой 5 карт !", "The first move - only 5 cards can be beaten off !"},
        {"Больше карт нет !", "I have no cards left !"},
        {"Отбой !", "I've beaten off !"},
        {"Берите !", "Pick up !"},
    },
};

// Ids 9 .. 13: the guessing game, the suit orders of Czech durak and Eights,
// and the partner thinking (the partner's name goes in front).
constexpr Pair kSharedComments[kLastTableComment - kStyleCommentCount + 1] = {
    {"Угадайте с 5 попыток одну из карт, которой мухлевал катала !",
     "Guess from 5 attempts one of sharper's swindle cards !"},
    {"Угадайте с 3 попыток одну из карт, которой мухлевал катала !",
     "Guess from 3 attempts one of sharper's swindle cards !"},
    {"Закажите масть или пропустите !", "Select the suit of pass !"},
    {"Закажите масть или ходите !", "Select the suit of make the move !"},
    {" думает !", " thinks !"},
};

constexpr Pair kNoText = {"", ""};

const Pair& EntryOf(int style, int commentId) {
  if (commentId < 0 || commentId > kLastTableComment) return kNoText;
  if (commentId >= kStyleCommentCount) return kSharedComments[commentId - kStyleCommentCount];
  if (style < 0 || style >= kStyleCount) style = kNeutralStyle;
  return kStyleComments[style][commentId];
}

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The UTF-8 characters of a text, blanks included, one string each.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < text.size()) {
    size_t n = 1;
    while (i + n < text.size() && IsContinuationByte(text[i + n])) ++n;
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

bool IsClosingMark(std::string_view ch) {
  return ch == "!" || ch == "?" || ch == "." || ch == "," || ch == ";" || ch == ":";
}

constexpr std::string_view kLetterGap = " ";
constexpr std::string_view kWordGap = "   ";

}  // namespace

std::string_view CaptionText(int captionId, int lang) {
  if (captionId < 0 || captionId >= kCaptionCount) return {};
  return lang == kEnglish ? kCaptions[captionId].en : kCaptions[captionId].ru;
}

CommentTexts CommentEntry(int style, int commentId) {
  const Pair& p = EntryOf(style, commentId);
  return {p.ru, p.en, SpacedText(p.ru), SpacedText(p.en)};
}

std::string CommentText(int style, int commentId, int lang, bool spaced) {
  const Pair& p = EntryOf(style, commentId);
  const char* plain = lang == kEnglish ? p.en : p.ru;
  return spaced ? SpacedText(plain) : std::string(plain);
}

std::string SpacedText(std::string_view plain) {
  std::string out;
  bool pendingWordGap = false;  // blanks seen since the last character written
  for (std::string_view ch : Characters(plain)) {
    if (ch == " ") {
      pendingWordGap = true;
      continue;
    }
    if (pendingWordGap) {
      out += IsClosingMark(ch) && !out.empty() ? kLetterGap : kWordGap;
    } else if (!out.empty()) {
      out += kLetterGap;
    }
    out += ch;
    pendingWordGap = false;
  }
  if (pendingWordGap) out += kWordGap;  // a text ending in a blank keeps its gap
  return out;
}
