// What the main window wears around the table: the two language menus and
// their commands, the keyboard shortcuts, the help window, the caption and
// the application title. It acts on the window's game and controls.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "play/keyboard_play.h"

class HelpWindow;
class MainMenus;
class QKeyEvent;
class QObject;
class QWidget;
class ShortcutFilter;
class TForm1;
enum class LookMode;
enum class MenuCommand;
enum class TableCommand;
struct KeyResponse;

class WindowShell {
 public:
  explicit WindowShell(TForm1& form);
  ~WindowShell();
  WindowShell(const WindowShell&) = delete;
  WindowShell& operator=(const WindowShell&) = delete;

  // Start-up: the menu of the language, the caption and the application
  // title of the current game, the help of the language.
  void ShowGameIdentity();

  // The call-outs of game and language switching.
  void AttachMenu(int lang);
  void SetApplicationTitle(const std::string& text);
  const QString& ApplicationTitle() const { return applicationTitle_; }
  void SetHelpFile(const std::string& file);

  // The check marks and enabled states for the table as it is.
  void RefreshMenus();
  void OpenHelp();
  // "On money": the help's page about it, in the help window.
  void OpenOnMoneyPage();
  // Another page of the help in the window's language ("about.html").
  void OpenHelpPage(const QString& file);
  // The window is closing; its geometry has been written.
  void WindowClosing();
  // A command of the menus, as if its item were chosen (the menus' own path).
  void Command(MenuCommand command) { MenuCommandChosen(command); }

 private:
  bool KeyPressed(QObject* receiver, QKeyEvent* event);
  void CarryOut(const KeyResponse& response);
  void MenuCommandChosen(MenuCommand command);
  void GameItemChosen(int catalogueIndex);
  // The player may give a command: play is open and no box is up.
  bool Ready() const;
  bool ChatHasFocus() const;
  // The card back, background and options dialogs: not during the guessing game.
  bool DialogMayOpen(TableCommand dialog) const;
  void OpenOptions();
  void OpenLook(LookMode mode);
  void OpenNetwork();
  void OpenAbout();
  // After a restore or a key of play: the mouse pointer onto a card of the hand.
  void PutPointer(const std::optional<TablePoint>& point);

  TForm1& form_;
  MainMenus* menus_ = nullptr;
  ShortcutFilter* filter_ = nullptr;
  HelpWindow* help_ = nullptr;
  int helpLang_ = 0;
  QString applicationTitle_;
};
