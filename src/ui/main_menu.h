// The window's two main menus, MainMenu in Russian and MainMenu1 in
// English, built from one table. Both exist for the whole run; the one of
// the current language is shown, so a change of language rebuilds nothing.
// Every QAction and QMenu carries the item's name as its objectName
// ("MNewGame", "MMSimple_s", "MMSimple1_s" ...).
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "core/edition.h"
#include "play/game_switch.h"

class QAction;
class QMenu;
class QMenuBar;
class QStackedWidget;
class QWidget;

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
  QMenuBar* Bar(int lang) const;
  // Shows MainMenu (0) or MainMenu1 (1).
  void Attach(int lang);
  int Attached() const { return attached_; }
  // The check marks and enabled states, in both menus.
  void ShowState(const GameMenuState& state);

 private:
  struct LanguageMenu {
    QMenuBar* bar = nullptr;
    std::array<QAction*, kMaxCatalogueItems> games{};
    std::array<QAction*, static_cast<int>(MenuCommand::OnMoney) + 1> commands{};
  };

  void Build(int lang);
  QMenu* AddGameMenu(LanguageMenu& menu, int lang);
  QMenu* AddHelpMenu(LanguageMenu& menu, int lang);
  void AddKindMenus(LanguageMenu& menu, int lang);
  QAction* AddCommand(LanguageMenu& menu, QWidget* into, int lang, MenuCommand command);
  QAction*& Command(LanguageMenu& menu, MenuCommand c) {
    return menu.commands[static_cast<size_t>(c)];
  }

  const Edition& edition_;
  MenuHandlers handlers_;
  QStackedWidget* holder_ = nullptr;
  std::array<LanguageMenu, 2> menus_;
  int attached_ = 0;
};
