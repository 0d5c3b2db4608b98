// Both main menus, item by item, against the menu tree the program is meant
// to have: names, captions with their mnemonics, shortcuts, separators and
// the order of the menus on the bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "ui/main_window.h"

namespace {

struct Item {
  const char* name;
  const char* caption;
  const char* shortcut = "";
};

StartOptions Quiet() {
  StartOptions o;
  o.screenshot = true;  // nobody answers message boxes here
  o.file = "unused.png";
  o.game = std::make_pair(0, 1);
  o.seed = 5;
  o.size = std::make_pair(800, 600);
  return o;
}

QMenuBar* Bar(TForm1& w, const char* name) {
  return w.findChild<QMenuBar*>(QString::fromUtf8(name));
}

QMenu* MenuOf(QMenuBar* bar, const char* name) {
  return bar->findChild<QMenu*>(QString::fromUtf8(name));
}

// The lines of a language's bar: MainMenu, then MainMenu_2, MainMenu_3 ...
std::vector<QMenuBar*> Lines(TForm1& w, const char* name) {
  std::vector<QMenuBar*> lines;
  for (QMenuBar* bar = Bar(w, name); bar != nullptr;
       bar = w.findChild<QMenuBar*>(QString::fromUtf8(name) +
                                    QStringLiteral("_%1").arg(lines.size() + 1))) {
    lines.push_back(bar);
  }
  return lines;
}

// The captions of a menu's entries, "-" for a separator.
QStringList Entries(const QWidget* menu) {
  QStringList list;
  for (const QAction* a : menu->actions())
    list << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return list;
}

// The top-level items of a language's bar, line after line.
QStringList TopLevelEntries(TForm1& w, const char* name) {
  QStringList list;
  for (const QMenuBar* line : Lines(w, name)) list << Entries(line);
  return list;
}

QStringList Captions(std::initializer_list<const char*> captions) {
  QStringList list;
  for (const char* c : captions) list << QString::fromUtf8(c);
  return list;
}

void ExpectItems(QMenuBar* bar, const std::vector<Item>& items) {
  ASSERT_NE(bar, nullptr);
  for (const Item& item : items) {
    const auto* action = bar->findChild<QAction*>(QString::fromUtf8(item.name));
    ASSERT_NE(action, nullptr) << item.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(item.caption)) << item.name;
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromUtf8(item.shortcut))) << item.name;
  }
}

const std::vector<Item> kRussianCommands = {
    {"MMGame", "&Игра"},
    {"MNewGame", "&Новая игра", "F2"},
    {"MUndo", "&Отменить ход", "Ctrl+Z"},
    {"MSaveGame", "&Сохранить игру", "Ctrl+S"},
    {"MLoadGame", "&Восстановить игру", "Ctrl+V"},
    {"MSuit", "&Рубашка...", "F3"},
    {"MColorTable", "&Фон стола...", "F4"},
    {"MProperties", "&Параметры...", "F5"},
    {"MExit", "&Выход", "Alt+F4"},
    {"MMNet", "С&еть"},
    {"MMHelp", "&Справка "},
    {"MHelp", "В&ызов справки"},
    {"MAbout", "&О программе", "F6"},
    {"MLanguage", "&Язык"},
    {"Russian", "&Русский"},
    {"English", "&Английский"},
    {"MM_Simple", " Простой"},
    {"MMJapan", "Японский"},
    {"MMReverse", "Оборотный"},
    {"MMPiled", "Наваленный"},
    {"MMRoad", "Дорожный"},
    {"MMCzech", "Чешский"},
    {"MMOtherGame", " Другие игры "},
    {"OnMoney", "На деньги"},
};

const std::vector<Item> kEnglishCommands = {
    {"MMGame1", "&Game"},
    {"MNewgame1", "&New game", "F2"},
    {"MUndo1", "&Undo move", "Ctrl+Z"},
    {"MSaveGame1", "&Save game", "Ctrl+S"},
    {"MLoadGame1", "&Restore game", "Ctrl+V"},
    {"MSuit1", "S&hirt...", "F3"},
    {"MColorTable1", "&Background...", "F4"},
    {"MProperties1", "&Options...", "F5"},
    {"Exit1", "&Exit", "Alt+F4"},
    {"MMNetwork1", "&Network"},
    {"MMHelp1", "&Help "},
    {"MHelp1", "&Help"},
    {"MAbout1", "&About game", "F6"},
    {"MLanguage1", "&Language"},
    {"Russian1", "&Russian"},
    {"English1", "&English"},
    {"MM_Simple1", " Simple"},
    {"MMJapan1", "Japanese"},
    {"MMPiled1", "Piled"},
    {"MMReverse1", "Reverse"},
    {"MMRoad1", "Road"},
    {"MMCzech1", "Czech"},
    {"MMOtherGame1", " Other games"},
    {"Onmoney1", "On money"},
};

// The game items of each kind menu, in menu order.
const std::vector<std::vector<Item>> kRussianGames = {
    {{"MMSimple_s", "Простой"}, {"MMThrowUp_s", "Подкидной"}, {"MMTransfer_s", "Переводной"}},
    {{"MMSimple_j", "Простой"}, {"MMThrowUp_j", "Подкидной"}, {"MMTransfer_j", "Переводной"}},
    {{"MMSimple_r", "Простой"}, {"MMThrowUp_r", "Подкидной"}, {"MMTransfer_r", "Переводной"}},
    {{"MMSimple_p", "Простой"}, {"MMThrowUp_p", "Подкидной"}, {"MMTransfer_p", "Переводной"}},
    {{"MMThrowUp_road", "Подкидной"}, {"MMTransfer_road", "Переводной"}},
    {{"MMSimple", "Простой"},
     {"MM1Version", "1 вариант"},
     {"MM2Version", "2 вариант"},
     {"MM3Version", "3 вариант"},
     {"MMEnglish", "Английский"},
     {"MMPharaoh", "Фараон"},
     {"MMPentagon", "Пентагон"}},
};

const std::vector<std::vector<Item>> kEnglishGames = {
    {{"MMSimple1_s", "Simple "}, {"MMThrowUp1_s", "Thrown up"}, {"MMTransfer1_s", "Transfer"}},
    {{"MMSimple1_j", "Simple"}, {"MMThrowUp1_j", "Thrown up"}, {"MMTransfer1_j", "Transfer"}},
    {{"MMSimple1_r", "Simple"}, {"MMThrowUp1_r", "Thrown up"}, {"MMTransfer1_r", "Transfer"}},
    {{"MMSimple1_p", "Simple"}, {"MMThrowUp1_p", "Thrown up"}, {"MMTransfer1_p", "Transfer"}},
    {{"MMThrowUp1_road", "Thrown up"}, {"MMTransfer1_road", "Transfer"}},
    {{"MMSimple1", "Simple"},
     {"MM1Version1", "1 variety"},
     {"MM2Version1", "2 variety"},
     {"MM3Version1", "3 variety"},
     {"MMEnglish1", "English"},
     {"MMPharaoh1", "Pharaoh"},
     {"MMPentagon1", "Pentagon"}},
};

const std::vector<Item> kRussianOtherGames = {
    {"MMEights", "Восьмерки"},    {"MMNine", "Девятка"},          {"MMScarf", "Косынка"},
    {"MMTapeWarm", "Солитер"},    {"MMKerchief", "Платок"},       {"MMPairs", "Пары"},
    {"MMBard", "Баян"},           {"MMPiramida", "Пирамида"},     {"MMPrisoner", "Узник"},
    {"MMTwoByTwo", "Дважды два"}, {"MMOldFriend", "Старый друг"}, {"MMClock", "Часы"},
    {"MMJoker", "Джокер"},        {"MMPaganini", "Паганини"},     {"MMCross", "Перекресток"},
    {"MMFirTrees", "Елочки"},     {"MMStreet", "Улица"},          {"MMHearts", "Червы"},
    {"MMMemory36", "Память 36"},  {"MMMemory52", "Память 52"},
};

const std::vector<Item> kEnglishOtherGames = {
    {"MMEights1", "Eights"},       {"MMNine1", "Nine"},           {"MMScarf1", "Scarf"},
    {"MMTapeWarm1", "Tape-Warm"},  {"MMKerchief1", "Kerchief"},   {"MMPairs1", "Pairs"},
    {"MMBard1", "Bard"},           {"MMPiramida1", "Piramida"},   {"MMPrisoner1", "Prisoner"},
    {"MMTwoByTwo1", "Two by two"}, {"MMOldFriend1", "OldFriend"}, {"MMClock1", "Clock"},
    {"MMJoker1", "Joker"},         {"MMPaganini1", "Paganini"},   {"MMCross1", "Cross"},
    {"MMFirTrees1", "Fir-trees"},  {"MMStreet1", "Street"},       {"MMHearts1", "Hearts"},
    {"MMMemory361", "Memory 36"},  {"MMMemory521", "Memory 52"},
};

QStringList CaptionsOf(const std::vector<Item>& items) {
  QStringList list;
  for (const Item& i : items) list << QString::fromUtf8(i.caption);
  return list;
}

TEST(MainMenus, TheRussianMenuHasEveryCommandWithItsCaptionAndShortcut) {
  TForm1 w(Edition285(), Quiet());
  ExpectItems(Bar(w, "MainMenu"), kRussianCommands);
}

TEST(MainMenus, TheEnglishMenuHasEveryCommandWithItsCaptionAndShortcut) {
  TForm1 w(Edition285(), Quiet());
  ExpectItems(Bar(w, "MainMenu1"), kEnglishCommands);
}

const QStringList kRussianBar =
    Captions({"&Игра", "С&еть", "&Справка ", " Простой", "Японский", "Оборотный", "Наваленный",
              "Дорожный", "Чешский", " Другие игры ", "На деньги"});
const QStringList kEnglishBar =
    Captions({"&Game", "&Network", "&Help ", " Simple", "Japanese", "Piled", "Reverse", "Road",
              "Czech", " Other games", "On money"});

TEST(MainMenus, TheBarsListTheirMenusInOrderWithPiledBeforeReverseInEnglish) {
  TForm1 w(Edition285(), Quiet());
  EXPECT_EQ(TopLevelEntries(w, "MainMenu"), kRussianBar);
  EXPECT_EQ(TopLevelEntries(w, "MainMenu1"), kEnglishBar);
}

// Every item of the shown bar lies whole on one of its lines, none behind
// the overflow arrow, and the table starts below the last line.
void ExpectEveryMenuInSight(TForm1& w, const char* name, const QStringList& bar) {
  SCOPED_TRACE(name);
  QApplication::processEvents();
  const std::vector<QMenuBar*> lines = Lines(w, name);
  QStringList seen;
  int bottom = 0;
  for (QMenuBar* line : lines) {
    if (!line->isVisible()) continue;
    const auto* overflow = line->findChild<QToolButton*>();
    EXPECT_TRUE(overflow == nullptr || !overflow->isVisible()) << "an overflow arrow is shown";
    for (QAction* item : line->actions()) {
      const QRect place = line->actionGeometry(item);
      EXPECT_FALSE(place.isEmpty()) << item->text().toStdString();
      EXPECT_TRUE(line->rect().contains(place)) << item->text().toStdString();
      seen << item->text();
    }
    bottom = std::max(bottom, line->mapTo(&w, QPoint(0, line->height())).y());
  }
  EXPECT_EQ(seen, bar);
  EXPECT_GE(w.centralWidget()->geometry().top(), bottom) << "the table lies under the menu";
  EXPECT_EQ(w.menuWidget()->height(), bottom);
}

TEST(MainMenus, AtTheSmallestWindowEveryMenuIsInSightInBothLanguages) {
  StartOptions o = Quiet();
  o.size = std::make_pair(635, 475);
  TForm1 w(Edition285(), o);
  w.ShowAndStart();
  ASSERT_EQ(w.width(), 635);
  const int lang = w.game().program.Lang;
  ExpectEveryMenuInSight(w, lang == 1 ? "MainMenu1" : "MainMenu",
                         lang == 1 ? kEnglishBar : kRussianBar);
  QKeyEvent f9(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
  QApplication::sendEvent(&w, &f9);
  ASSERT_NE(w.game().program.Lang, lang);
  ExpectEveryMenuInSight(w, lang == 1 ? "MainMenu" : "MainMenu1",
                         lang == 1 ? kRussianBar : kEnglishBar);
  // A wide window takes the whole bar on one line again.
  w.resize(1600, 900);
  QApplication::processEvents();
  const char* shown = w.game().program.Lang == 1 ? "MainMenu1" : "MainMenu";
  EXPECT_EQ(Entries(Bar(w, shown)), w.game().program.Lang == 1 ? kEnglishBar : kRussianBar);
  ExpectEveryMenuInSight(w, shown, w.game().program.Lang == 1 ? kEnglishBar : kRussianBar);
}

TEST(MainMenus, SeparatorsStandAfterNewGameRestoreGameOptionsAndAbout) {
  TForm1 w(Edition285(), Quiet());
  EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu"), "MMGame")),
            Captions({"&Новая игра", "-", "&Отменить ход", "&Сохранить игру", "&Восстановить игру",
                      "-", "&Рубашка...", "&Фон стола...", "&Параметры...", "-", "&Выход"}));
  EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu"), "MMHelp")),
            Captions({"В&ызов справки", "&О программе", "-", "&Язык"}));
  EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu1"), "MMGame1")),
            Captions({"&New game", "-", "&Undo move", "&Save game", "&Restore game", "-",
                      "S&hirt...", "&Background...", "&Options...", "-", "&Exit"}));
  EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu1"), "MMHelp1")),
            Captions({"&Help", "&About game", "-", "&Language"}));
  EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu1"), "MLanguage1")), Captions({"&Russian", "&English"}));
}

TEST(MainMenus, EveryKindMenuHoldsItsGamesInCatalogueOrder) {
  TForm1 w(Edition285(), Quiet());
  const char* russianKinds[] = {"MM_Simple", "MMJapan", "MMReverse",
                                "MMPiled",   "MMRoad",  "MMCzech"};
  const char* englishKinds[] = {"MM_Simple1", "MMJapan1", "MMReverse1",
                                "MMPiled1",   "MMRoad1",  "MMCzech1"};
  for (size_t k = 0; k < kRussianGames.size(); ++k) {
    EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu"), russianKinds[k])), CaptionsOf(kRussianGames[k]));
    EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu1"), englishKinds[k])), CaptionsOf(kEnglishGames[k]));
    ExpectItems(Bar(w, "MainMenu"), kRussianGames[k]);
    ExpectItems(Bar(w, "MainMenu1"), kEnglishGames[k]);
  }
  EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu"), "MMOtherGame")), CaptionsOf(kRussianOtherGames));
  EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu1"), "MMOtherGame1")), CaptionsOf(kEnglishOtherGames));
  ExpectItems(Bar(w, "MainMenu"), kRussianOtherGames);
  ExpectItems(Bar(w, "MainMenu1"), kEnglishOtherGames);
}

TEST(MainMenus, Edition284OffersOneMemoryAndNoFirTreesStreetOrHearts) {
  TForm1 w(Edition284(), Quiet());
  std::vector<Item> russian(kRussianOtherGames.begin(), kRussianOtherGames.begin() + 15);
  russian.push_back({"MMMemory", "Память"});
  std::vector<Item> english(kEnglishOtherGames.begin(), kEnglishOtherGames.begin() + 15);
  english.push_back({"MMMemory1", "Memory"});
  EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu"), "MMOtherGame")), CaptionsOf(russian));
  EXPECT_EQ(Entries(MenuOf(Bar(w, "MainMenu1"), "MMOtherGame1")), CaptionsOf(english));
  ExpectItems(Bar(w, "MainMenu"), russian);
  for (const char* gone : {"MMFirTrees", "MMStreet", "MMHearts", "MMMemory36", "MMMemory52"}) {
    EXPECT_EQ(w.findChild<QAction*>(QString::fromUtf8(gone)), nullptr) << gone;
  }
  ExpectItems(Bar(w, "MainMenu"), kRussianCommands);
  ExpectItems(Bar(w, "MainMenu1"), kEnglishCommands);
}

TEST(MainMenus, OnlyTheMenuOfTheLanguageIsShown) {
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  const int lang = w.game().program.Lang;
  EXPECT_EQ(Bar(w, "MainMenu")->isVisible(), lang == 0);
  EXPECT_EQ(Bar(w, "MainMenu1")->isVisible(), lang == 1);
}

}  // namespace
