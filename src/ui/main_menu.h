// The window's two main menus, MainMenu in Russian and MainMenu1 in
// English, built from one table. Both exist for the whole run; the one of
// the current language is shown, so a change of language rebuilds nothing.
// Every QAction and QMenu carries the item's name as its objectName
// ("MNewGame", "MMSimple_s", "MMSimple1_s" ...).
//
// A bar too long for the window wraps onto further lines, as the menus of
// the program's first platform did: every game menu stays in sight at the
// smallest window instead of behind an overflow arrow. The first line is
// the QMenuBar named MainMenu (MainMenu1), which owns every item; the
// following lines are bars named MainMenu_2, MainMenu_3 ... (MainMenu1_2 ...).
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <vector>

#include "core/edition.h"
#include "play/game_switch.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class MenuHolder;

// The commands of the menus other than the games.
enum class MenuCommand {
  NewGame,
  Undo,
  SaveGame,
  RestoreGame,
  CardBack,
  Background,
  Options,
  Exit,
  Network,
  Help,
  About,
  Russian,
  English,
  OnMoney,
};

struct MenuHandlers {
  std::function<void(MenuCommand)> command;
  std::function<void(int)> game;  // catalogue index of the game item chosen
  std::function<void()> opened;   // a top-level menu (or the language submenu) opens
};

class MainMenus final : public QObject {
 public:
  MainMenus(const Edition& edition, MenuHandlers handlers, QWidget* parent);

  // The widget that holds both menu bars; the window's menu widget.
  QWidget* Holder() const;
  // The first line of a language's bar, which owns all its items.
  QMenuBar* Bar(int lang) const;
  // The top-level items of a language's bar in bar order, whatever line
  // each stands on.
  const std::vector<QAction*>& TopLevelItems(int lang) const;
  // How many lines the shown bar takes in a window this wide.
  int LinesFor(int width) const;
  // Shows MainMenu (0) or MainMenu1 (1).
  void Attach(int lang);
  int Attached() const { return attached_; }
  // The check marks and enabled states, in both menus.
  void ShowState(const GameMenuState& state);

 private:
  struct LanguageMenu {
    QWidget* lines = nullptr;     // the bar's lines, one under the other
    QMenuBar* bar = nullptr;      // the first line
    std::vector<QMenuBar*> more;  // the second line and after, made when needed
    std::vector<QAction*> items;  // the top-level items in bar order
    std::vector<int> lineOf;      // the line each item stands on now
    std::array<QAction*, kMaxCatalogueItems> games{};
    std::array<QAction*, static_cast<int>(MenuCommand::OnMoney) + 1> commands{};
  };

  void Build(int lang);
  // Widths of the top-level items as a bar lays them out, with the room a
  // line needs besides.
  std::vector<int> ItemWidths(const LanguageMenu& menu) const;
  int LineRoom(const LanguageMenu& menu, int width) const;
  // Puts every item of the shown bar on its line for this width.
  void Arrange(int width);
  int HeightFor(int width) const;
  QMenuBar* LineBar(LanguageMenu& menu, int line, int lang);
  QMenu* AddGameMenu(LanguageMenu& menu, int lang);
  QMenu* AddHelpMenu(LanguageMenu& menu, int lang);
  void AddKindMenus(LanguageMenu& menu, int lang);
  QAction* AddCommand(LanguageMenu& menu, QWidget* into, int lang, MenuCommand command);
  QAction*& Command(LanguageMenu& menu, MenuCommand c) {
    return menu.commands[static_cast<size_t>(c)];
  }

  const Edition& edition_;
  MenuHandlers handlers_;
  MenuHolder* holder_ = nullptr;
  std::array<LanguageMenu, 2> menus_;
  int attached_ = 0;
};
