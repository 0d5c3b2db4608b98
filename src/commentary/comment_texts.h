// The computer's vocabulary: the Move-button captions and the comment
// tables of the six playing styles, in Russian and English. Only the plain
// texts are written down; the spaced texts shown in wide windows are spread
// out from them by one rule (SpacedText).
#pragma once

#include <string>
#include <string_view>

constexpr int kCaptionCount = 9;       // caption ids 0 .. 8
constexpr int kStyleCount = 6;         // "Style" 0 .. 5
constexpr int kNeutralStyle = 5;       // the professional speaks for everyone
constexpr int kStyleCommentCount = 9;  // ids 0 .. 8 differ by style
constexpr int kLastTableComment = 13;  // ids 9 .. 13 are shared by every style
constexpr int kThinksComment = 13;     // "<partner> thinks !"
constexpr int kChatComment = 14;       // the partner's last chat line

enum Language { kRussian = 0, kEnglish = 1 };

struct CommentTexts {
  std::string plainRu, plainEn, spacedRu, spacedEn;
};

// The caption of the Move button (id 0 .. 8, otherwise empty).
std::string_view CaptionText(int captionId, int lang);

// The four texts of comment id 0 .. 13 of a style (ids above 8 ignore the
// style; a style outside 0 .. 5 reads as the neutral one). Empty texts for
// any other id.
CommentTexts CommentEntry(int style, int commentId);
std::string CommentText(int style, int commentId, int lang, bool spaced);

// Letters separated by single blanks and words by three; a word that starts
// with a closing mark ("!", "?", ".", ",", ...) follows its word after a
// single blank, so "Бита !" becomes "Б и т а !". Works on UTF-8 characters.
std::string SpacedText(std::string_view plain);
