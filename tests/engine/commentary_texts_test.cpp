// The vocabulary: every style has its nine remarks, the shared remarks and
// captions exist in both languages, and the spaced texts are the plain ones
// spread out.
#include <gtest/gtest.h>

#include <string>

#include "commentary/comment_texts.h"

namespace {

std::string WithoutBlanks(const std::string& s) {
  std::string out;
  for (char c : s)
    if (c != ' ') out += c;
  return out;
}

size_t LongestBlankRun(const std::string& s) {
  size_t longest = 0, run = 0;
  for (char c : s) {
    run = c == ' ' ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

TEST(CommentTexts, TheSpacedFormsOfTheExamples) {
  EXPECT_EQ(SpacedText("Бита !"), "Б и т а !");
  EXPECT_EQ(SpacedText("Your turn !"), "Y o u r   t u r n !");
}

TEST(CommentTexts, SpacingSplitsLettersNotBytes) {
  // Cyrillic letters are two bytes in UTF-8; a blank between the two bytes
  // would break the letter.
  EXPECT_EQ(SpacedText("Ход"), "Х о д");
  EXPECT_EQ(SpacedText("Ну вот, завалил..."), "Н у   в о т ,   з а в а л и л . . .");
}

TEST(CommentTexts, EveryEntryHasFourTexts) {
  for (int style = 0; style < kStyleCount; ++style)
    for (int id = 0; id <= kLastTableComment; ++id) {
      const CommentTexts e = CommentEntry(style, id);
      EXPECT_FALSE(e.plainRu.empty()) << style << " " << id;
      EXPECT_FALSE(e.plainEn.empty()) << style << " " << id;
      // The spaced text holds the same characters, one blank between
      // letters and at most three between words.
      EXPECT_EQ(WithoutBlanks(e.spacedRu), WithoutBlanks(e.plainRu));
      EXPECT_EQ(WithoutBlanks(e.spacedEn), WithoutBlanks(e.plainEn));
      EXPECT_LE(LongestBlankRun(e.spacedRu), 3u);
      EXPECT_GT(e.spacedEn.size(), e.plainEn.size());
    }
}

TEST(CommentTexts, IdsAboveEightAreTheSameForEveryStyle) {
  for (int id = 9; id <= kLastTableComment; ++id)
    for (int style = 0; style < kStyleCount; ++style)
      EXPECT_EQ(CommentText(style, id, kEnglish, false), CommentText(5, id, kEnglish, false));
  EXPECT_EQ(CommentText(0, 13, kRussian, false), " думает !");
  EXPECT_EQ(CommentText(0, 11, kEnglish, false), "Select the suit of pass !");
}

TEST(CommentTexts, TheStylesSoundDifferent) {
  EXPECT_EQ(CommentText(0, 0, kRussian, false), "Ходите потихонечку !");
  EXPECT_EQ(CommentText(1, 8, kEnglish, false), "Sure, pick up!");
  EXPECT_EQ(CommentText(2, 5, kRussian, false), "Да ты че обалдел, первый отбой 5 карт !");
  EXPECT_EQ(CommentText(4, 5, kEnglish, false), "No more cards on first move");
  EXPECT_EQ(CommentText(5, 4, kRussian, false), "Беру, давайте еще !");
}

TEST(CommentTexts, AnUnknownStyleSpeaksNeutrally) {
  EXPECT_EQ(CommentText(9, 2, kRussian, false), "Беру !");
  EXPECT_EQ(CommentText(-1, 2, kEnglish, false), "I pick up !");
}

TEST(CommentTexts, NineCaptionsInBothLanguages) {
  EXPECT_EQ(CaptionText(0, kRussian), "Ход");
  EXPECT_EQ(CaptionText(2, kEnglish), "Discard");
  EXPECT_EQ(CaptionText(6, kRussian), "Ждите");
  EXPECT_EQ(CaptionText(8, kRussian), "ОК");
  EXPECT_EQ(CaptionText(8, kEnglish), "OK");
  EXPECT_EQ(CaptionText(9, kEnglish), "");
  EXPECT_EQ(CaptionText(-1, kRussian), "");
}

}  // namespace
