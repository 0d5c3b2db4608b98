#include "ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <string_view>
#include <utility>

#include "core/catalogue.h"

namespace {

constexpr int kLanguages = 2;

// One item in both languages: its names, its caption with the & mnemonic,
// and its shortcut.
struct ItemText {
  const char* nameRu;
  const char* captionRu;
  const char* nameEn;
  const char* captionEn;
  const char* shortcut = "";

  QString Name(int lang) const { return QString::fromUtf8(lang == 1 ? nameEn : nameRu); }
  QString Caption(int lang) const { return QString::fromUtf8(lang == 1 ? captionEn : captionRu); }
};

struct CommandItem {
  MenuCommand command;
  ItemText text;
};

constexpr CommandItem kCommands[] = {
    {MenuCommand::NewGame, {"MNewGame", "&Новая игра", "MNewgame1", "&New game", "F2"}},
    {MenuCommand::Undo, {"MUndo", "&Отменить ход", "MUndo1", "&Undo move", "Ctrl+Z"}},
    {MenuCommand::SaveGame, {"MSaveGame", "&Сохранить игру", "MSaveGame1", "&Save game", "Ctrl+S"}},
    {MenuCommand::RestoreGame,
     {"MLoadGame", "&Восстановить игру", "MLoadGame1", "&Restore game", "Ctrl+V"}},
    {MenuCommand::CardBack, {"MSuit", "&Рубашка...", "MSuit1", "S&hirt...", "F3"}},
    {MenuCommand::Background,
     {"MColorTable", "&Фон стола...", "MColorTable1", "&Background...", "F4"}},
    {MenuCommand::Options, {"MProperties", "&Параметры...", "MProperties1", "&Options...", "F5"}},
    {MenuCommand::Exit, {"MExit", "&Выход", "Exit1", "&Exit", "Alt+F4"}},
    {MenuCommand::Network, {"MMNet", "С&еть", "MMNetwork1", "&Network"}},
    {MenuCommand::Help, {"MHelp", "В&ызов справки", "MHelp1", "&Help"}},
    {MenuCommand::About, {"MAbout", "&О программе", "MAbout1", "&About game", "F6"}},
    {MenuCommand::Russian, {"Russian", "&Русский", "Russian1", "&Russian"}},
    {MenuCommand::English, {"English", "&Английский", "English1", "&English"}},
    {MenuCommand::OnMoney, {"OnMoney", "На деньги", "Onmoney1", "On money"}},
};

constexpr ItemText kGameMenu{"MMGame", "&Игра", "MMGame1", "&Game"};
constexpr ItemText kHelpMenu{"MMHelp", "&Справка ", "MMHelp1", "&Help "};
constexpr ItemText kLanguageMenu{"MLanguage", "&Язык", "MLanguage1", "&Language"};

// The kind menus hold the games of one group.
enum KindGroup { kSimple, kJapanese, kReverse, kPiled, kRoad, kCzech, kOther, kGroups };

constexpr ItemText kKindMenus[kGroups] = {
    {"MM_Simple", " Простой", "MM_Simple1", " Simple"},
    {"MMJapan", "Японский", "MMJapan1", "Japanese"},
    {"MMReverse", "Оборотный", "MMReverse1", "Reverse"},
    {"MMPiled", "Наваленный", "MMPiled1", "Piled"},
    {"MMRoad", "Дорожный", "MMRoad1", "Road"},
    {"MMCzech", "Чешский", "MMCzech1", "Czech"},
    {"MMOtherGame", " Другие игры ", "MMOtherGame1", " Other games"},
};

// Menu-bar order of the kind menus: the English bar has Piled before Reverse.
constexpr KindGroup kBarOrder[kLanguages][kGroups] = {
    {kSimple, kJapanese, kReverse, kPiled, kRoad, kCzech, kOther},
    {kSimple, kJapanese, kPiled, kReverse, kRoad, kCzech, kOther},
};

// The captions of the game items, by the item's name in the Russian menu.
struct GameCaption {
  const char* nameRu;
  const char* captionRu;
  const char* captionEn;
};

constexpr GameCaption kGameCaptions[] = {
    {"MMSimple_s", "Простой", "Simple "},
    {"MMThrowUp_s", "Подкидной", "Thrown up"},
    {"MMTransfer_s", "Переводной", "Transfer"},
    {"MMSimple_j", "Простой", "Simple"},
    {"MMThrowUp_j", "Подкидной", "Thrown up"},
    {"MMTransfer_j", "Переводной", "Transfer"},
    {"MMSimple_r", "Простой", "Simple"},
    {"MMThrowUp_r", "Подкидной", "Thrown up"},
    {"MMTransfer_r", "Переводной", "Transfer"},
    {"MMSimple_p", "Простой", "Simple"},
    {"MMThrowUp_p", "Подкидной", "Thrown up"},
    {"MMTransfer_p", "Переводной", "Transfer"},
    {"MMThrowUp_road", "Подкидной", "Thrown up"},
    {"MMTransfer_road", "Переводной", "Transfer"},
    {"MMSimple", "Простой", "Simple"},
    {"MM1Version", "1 вариант", "1 variety"},
    {"MM2Version", "2 вариант", "2 variety"},
    {"MM3Version", "3 вариант", "3 variety"},
    {"MMEnglish", "Английский", "English"},
    {"MMPharaoh", "Фараон", "Pharaoh"},
    {"MMPentagon", "Пентагон", "Pentagon"},
    {"MMEights", "Восьмерки", "Eights"},
    {"MMNine", "Девятка", "Nine"},
    {"MMScarf", "Косынка", "Scarf"},
    {"MMTapeWarm", "Солитер", "Tape-Warm"},
    {"MMKerchief", "Платок", "Kerchief"},
    {"MMPairs", "Пары", "Pairs"},
    {"MMBard", "Баян", "Bard"},
    {"MMPiramida", "Пирамида", "Piramida"},
    {"MMPrisoner", "Узник", "Prisoner"},
    {"MMTwoByTwo", "Дважды два", "Two by two"},
    {"MMOldFriend", "Старый друг", "OldFriend"},
    {"MMClock", "Часы", "Clock"},
    {"MMJoker", "Джокер", "Joker"},
    {"MMPaganini", "Паганини", "Paganini"},
    {"MMCross", "Перекресток", "Cross"},
    {"MMFirTrees", "Елочки", "Fir-trees"},
    {"MMStreet", "Улица", "Street"},
    {"MMHearts", "Червы", "Hearts"},
    {"MMMemory36", "Память 36", "Memory 36"},
    {"MMMemory52", "Память 52", "Memory 52"},
    {"MMMemory", "Память", "Memory"},  // edition 2.84's one Memory game
};

constexpr bool CommandsInOrder() {
  for (int i = 0; i < static_cast<int>(std::size(kCommands)); ++i) {
    if (static_cast<int>(kCommands[i].command) != i) return false;
  }
  return std::size(kCommands) == static_cast<size_t>(MenuCommand::OnMoney) + 1;
}
static_assert(CommandsInOrder(), "kCommands lists every command in the order of MenuCommand");

const CommandItem& CommandText(MenuCommand c) {
  return kCommands[static_cast<int>(c)];
}

QString GameItemCaption(const CatalogueEntry& entry, int lang) {
  for (const GameCaption& c : kGameCaptions) {
    if (std::string_view(c.nameRu) == entry.menuRu) {
      return QString::fromUtf8(lang == 1 ? c.captionEn : c.captionRu);
    }
  }
  return QString::fromUtf8(lang == 1 ? entry.nameEn : entry.nameRu);
}

KindGroup GroupOf(Kind kind) {
  switch (kind) {
    case Kind::SimpleDurak:
      return kSimple;
    case Kind::JapaneseDurak:
      return kJapanese;
    case Kind::ReverseDurak:
      return kReverse;
    case Kind::PiledDurak:
      return kPiled;
    case Kind::RoadDurak:
      return kRoad;
    case Kind::CzechDurak:
      return kCzech;
    default:
      return kOther;
  }
}

QMenu* NewMenu(QWidget* parent, const ItemText& text, int lang) {
  auto* menu = new QMenu(text.Caption(lang), parent);
  menu->setObjectName(text.Name(lang));
  menu->menuAction()->setObjectName(text.Name(lang));
  return menu;
}

}  // namespace

MainMenus::MainMenus(const Edition& edition, MenuHandlers handlers, QWidget* parent)
    : QObject(parent), edition_(edition), handlers_(std::move(handlers)) {
  holder_ = new QStackedWidget(parent);
  holder_->setObjectName("MainMenuHolder");
  for (int lang = 0; lang < kLanguages; ++lang) Build(lang);
  Attach(0);
}

QWidget* MainMenus::Holder() const {
  return holder_;
}

QMenuBar* MainMenus::Bar(int lang) const {
  return menus_[lang == 1 ? 1 : 0].bar;
}

void MainMenus::Attach(int lang) {
  attached_ = lang == 1 ? 1 : 0;
  // Only the shown bar is visible, so only its shortcuts are live.
  holder_->setCurrentWidget(menus_[attached_].bar);
}

void MainMenus::Build(int lang) {
  LanguageMenu& menu = menus_[lang];
  menu.bar = new QMenuBar(holder_);
  menu.bar->setObjectName(lang == 1 ? "MainMenu1" : "MainMenu");
  // Two bars in one window: a global (desktop) menu would show both.
  menu.bar->setNativeMenuBar(false);
  holder_->addWidget(menu.bar);

  menu.bar->addMenu(AddGameMenu(menu, lang));
  AddCommand(menu, menu.bar, lang, MenuCommand::Network);
  menu.bar->addMenu(AddHelpMenu(menu, lang));
  AddKindMenus(menu, lang);
  AddCommand(menu, menu.bar, lang, MenuCommand::OnMoney);
}

QMenu* MainMenus::AddGameMenu(LanguageMenu& menu, int lang) {
  QMenu* game = NewMenu(menu.bar, kGameMenu, lang);
  connect(game, &QMenu::aboutToShow, this, [this] { handlers_.opened(); });
  AddCommand(menu, game, lang, MenuCommand::NewGame);
  game->addSeparator();
  for (MenuCommand c : {MenuCommand::Undo, MenuCommand::SaveGame, MenuCommand::RestoreGame}) {
    AddCommand(menu, game, lang, c);
  }
  game->addSeparator();
  for (MenuCommand c : {MenuCommand::CardBack, MenuCommand::Background, MenuCommand::Options}) {
    AddCommand(menu, game, lang, c);
  }
  game->addSeparator();
  AddCommand(menu, game, lang, MenuCommand::Exit);
  return game;
}

QMenu* MainMenus::AddHelpMenu(LanguageMenu& menu, int lang) {
  QMenu* help = NewMenu(menu.bar, kHelpMenu, lang);
  connect(help, &QMenu::aboutToShow, this, [this] { handlers_.opened(); });
  AddCommand(menu, help, lang, MenuCommand::Help);
  AddCommand(menu, help, lang, MenuCommand::About);
  help->addSeparator();
  QMenu* language = NewMenu(help, kLanguageMenu, lang);
  connect(language, &QMenu::aboutToShow, this, [this] { handlers_.opened(); });
  for (MenuCommand c : {MenuCommand::Russian, MenuCommand::English}) {
    AddCommand(menu, language, lang, c)->setCheckable(true);
  }
  help->addMenu(language);
  return help;
}

void MainMenus::AddKindMenus(LanguageMenu& menu, int lang) {
  std::array<QMenu*, kGroups> kinds{};
  for (KindGroup group : kBarOrder[lang]) {
    kinds[group] = NewMenu(menu.bar, kKindMenus[group], lang);
    connect(kinds[group], &QMenu::aboutToShow, this, [this] { handlers_.opened(); });
    menu.bar->addMenu(kinds[group]);
  }
  for (int i = 0; i < edition_.catalogueSize && i < kMaxCatalogueItems; ++i) {
    const CatalogueEntry& entry = edition_.catalogue[i];
    QMenu* kind = kinds[GroupOf(edition_.KindOf(entry.VidG))];
    QAction* item = kind->addAction(GameItemCaption(entry, lang));
    item->setObjectName(QString::fromUtf8(lang == 1 ? entry.menuEn : entry.menuRu));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, i] { handlers_.game(i); });
    menu.games[i] = item;
  }
}

QAction* MainMenus::AddCommand(LanguageMenu& menu, QWidget* into, int lang, MenuCommand command) {
  const ItemText& text = CommandText(command).text;
  auto* action = new QAction(text.Caption(lang), into);
  action->setObjectName(text.Name(lang));
  if (*text.shortcut != '\0') action->setShortcut(QKeySequence(QString::fromUtf8(text.shortcut)));
  connect(action, &QAction::triggered, this, [this, command] { handlers_.command(command); });
  into->addAction(action);
  Command(menu, command) = action;
  return action;
}

void MainMenus::ShowState(const GameMenuState& s) {
  for (LanguageMenu& menu : menus_) {
    for (int i = 0; i < edition_.catalogueSize && i < kMaxCatalogueItems; ++i) {
      menu.games[i]->setChecked(i == s.checkedItem);
      menu.games[i]->setEnabled(s.itemEnabled[i]);
    }
    Command(menu, MenuCommand::Russian)->setChecked(s.checkedLanguage == 0);
    Command(menu, MenuCommand::English)->setChecked(s.checkedLanguage == 1);
    Command(menu, MenuCommand::NewGame)->setEnabled(s.newGameEnabled);
    Command(menu, MenuCommand::Undo)->setEnabled(s.undoEnabled);
    Command(menu, MenuCommand::SaveGame)->setEnabled(s.saveEnabled);
    Command(menu, MenuCommand::RestoreGame)->setEnabled(s.restoreEnabled);
    Command(menu, MenuCommand::CardBack)->setEnabled(s.cardBackEnabled);
    Command(menu, MenuCommand::Background)->setEnabled(s.backgroundEnabled);
    Command(menu, MenuCommand::Options)->setEnabled(s.optionsEnabled);
  }
}
