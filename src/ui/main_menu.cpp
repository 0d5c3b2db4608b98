#include "ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionMenuItem>
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

// The line each item stands on: the items in bar order, a new line whenever
// the next one would not fit in `room` pixels (an item wider than a line
// still gets a line of its own).
std::vector<int> LinesOfItems(const std::vector<int>& widths, int spacing, int room) {
  std::vector<int> lines;
  int line = 0;
  int used = 0;
  for (const int w : widths) {
    const int needed = used == 0 ? w : used + spacing + w;
    if (used > 0 && needed > room) {
      ++line;
      used = w;
    } else {
      used = needed;
    }
    lines.push_back(line);
  }
  return lines;
}

int LineCount(const std::vector<int>& lines) {
  return lines.empty() ? 1 : lines.back() + 1;
}

}  // namespace

// The window's menu widget: the bar of the shown language on as many lines
// as the width needs. The main window asks it for its height at each width,
// so the table below always starts under the last line.
class MenuHolder final : public QWidget {
 public:
  MenuHolder(std::function<int(int)> heightFor, std::function<void(int)> arrange, QWidget* parent)
      : QWidget(parent), heightFor_(std::move(heightFor)), arrange_(std::move(arrange)) {
    // Free to shrink down to one line: the height at a width comes from
    // heightForWidth, never from the width the bar had before.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  }

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return heightFor_(width); }
  QSize sizeHint() const override { return {width(), heightFor_(width())}; }
  QSize minimumSizeHint() const override { return {0, heightFor_(QWIDGETSIZE_MAX)}; }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    arrange_(event->size().width());
  }

 private:
  std::function<int(int)> heightFor_;
  std::function<void(int)> arrange_;
};

MainMenus::MainMenus(const Edition& edition, MenuHandlers handlers, QWidget* parent)
    : QObject(parent), edition_(edition), handlers_(std::move(handlers)) {
  holder_ = new MenuHolder([this](int width) { return HeightFor(width); },
                           [this](int width) { Arrange(width); }, parent);
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

const std::vector<QAction*>& MainMenus::TopLevelItems(int lang) const {
  return menus_[lang == 1 ? 1 : 0].items;
}

void MainMenus::Attach(int lang) {
  attached_ = lang == 1 ? 1 : 0;
  // Only the shown bar is visible, so only its shortcuts are live.
  menus_[1 - attached_].lines->hide();
  menus_[attached_].lines->show();
  Arrange(holder_->width());
  // The other language may need another number of lines.
  holder_->updateGeometry();
}

namespace {

QString BarName(int lang) {
  return QString::fromLatin1(lang == 1 ? "MainMenu1" : "MainMenu");
}

QMenuBar* NewBar(QWidget* parent, const QString& name) {
  auto* bar = new QMenuBar(parent);
  bar->setObjectName(name);
  // Two bars in one window: a global (desktop) menu would show both.
  bar->setNativeMenuBar(false);
  return bar;
}

}  // namespace

void MainMenus::Build(int lang) {
  LanguageMenu& menu = menus_[lang];
  menu.lines = new QWidget(holder_);
  menu.lines->hide();
  menu.bar = NewBar(menu.lines, BarName(lang));

  menu.bar->addMenu(AddGameMenu(menu, lang));
  AddCommand(menu, menu.bar, lang, MenuCommand::Network);
  menu.bar->addMenu(AddHelpMenu(menu, lang));
  AddKindMenus(menu, lang);
  AddCommand(menu, menu.bar, lang, MenuCommand::OnMoney);
  const QList<QAction*> items = menu.bar->actions();
  menu.items.assign(items.begin(), items.end());
  menu.lineOf.assign(menu.items.size(), 0);
}

std::vector<int> MainMenus::ItemWidths(const LanguageMenu& menu) const {
  // As QMenuBar measures its items: the text without its mnemonic marks,
  // grown by the style's item margins.
  const QMenuBar* bar = menu.bar;
  const QFontMetrics metrics = bar->fontMetrics();
  std::vector<int> widths;
  for (const QAction* item : menu.items) {
    const QString text = item->text();
    int width = metrics.horizontalAdvance(text);
    width -= static_cast<int>(text.count(u'&')) * metrics.horizontalAdvance(u'&');
    width += static_cast<int>(text.count(QStringLiteral("&&"))) * metrics.horizontalAdvance(u'&');
    QStyleOptionMenuItem option;
    option.initFrom(bar);
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.text = text;
    option.fontMetrics = metrics;
    const QSize size = bar->style()->sizeFromContents(QStyle::CT_MenuBarItem, &option,
                                                      QSize(width, metrics.height()), bar);
    widths.push_back(size.width());
  }
  return widths;
}

// What a line leaves for its items: the bar's frame and margins on both
// sides and the gap before the first item, with two pixels to spare.
int MainMenus::LineRoom(const LanguageMenu& menu, int width) const {
  const QStyle* style = menu.bar->style();
  const int frame = style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, menu.bar);
  const int margin = style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, menu.bar);
  const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, menu.bar);
  return width - 2 * (frame + margin) - spacing - 2;
}

int MainMenus::LinesFor(int width) const {
  const LanguageMenu& menu = menus_[attached_];
  const int spacing =
      menu.bar->style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, menu.bar);
  return LineCount(LinesOfItems(ItemWidths(menu), spacing, LineRoom(menu, width)));
}

int MainMenus::HeightFor(int width) const {
  return LinesFor(width) * menus_[attached_].bar->sizeHint().height();
}

QMenuBar* MainMenus::LineBar(LanguageMenu& menu, int line, int lang) {
  if (line == 0) return menu.bar;
  while (static_cast<int>(menu.more.size()) < line) {
    const int number = static_cast<int>(menu.more.size()) + 2;
    menu.more.push_back(NewBar(menu.lines, BarName(lang) + QStringLiteral("_%1").arg(number)));
  }
  return menu.more[line - 1];
}

void MainMenus::Arrange(int width) {
  if (width <= 0) return;
  const int lang = attached_;
  LanguageMenu& menu = menus_[lang];
  const int spacing =
      menu.bar->style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, menu.bar);
  const std::vector<int> lines = LinesOfItems(ItemWidths(menu), spacing, LineRoom(menu, width));
  const int count = LineCount(lines);
  if (lines != menu.lineOf) {
    // Take every item off the lines it stood on, then put each on its own,
    // in bar order. The items themselves stay with the first line.
    for (size_t i = 0; i < menu.items.size(); ++i) {
      LineBar(menu, menu.lineOf[i], lang)->removeAction(menu.items[i]);
    }
    for (size_t i = 0; i < menu.items.size(); ++i) {
      LineBar(menu, lines[i], lang)->addAction(menu.items[i]);
    }
    menu.lineOf = lines;
  }
  const int lineHeight = menu.bar->sizeHint().height();
  menu.lines->setGeometry(0, 0, width, count * lineHeight);
  for (int line = 0; line < count; ++line) {
    QMenuBar* bar = LineBar(menu, line, lang);
    bar->setGeometry(0, line * lineHeight, width, lineHeight);
    bar->show();
  }
  for (size_t extra = count - 1; extra < menu.more.size(); ++extra) menu.more[extra]->hide();
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
