// What the main window wears around the table: the two language menus and
// their commands, the keyboard shortcuts, the help window, the caption and
// the application title. It acts on the window's game and controls.
#pragma once

#include <QString>
#include <string>

class HelpWindow;
class MainMenus;
class QKeyEvent;
class QObject;
class QWidget;
class ShortcutFilter;
class TForm1;
enum class MenuCommand;
struct KeyResponse;

// The page of the project's site that the "On money" item opens.
extern const char* const kOnMoneyPage;

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
  // The window is closing; its geometry has been written.
  void WindowClosing();

 private:
  bool KeyPressed(QObject* receiver, QKeyEvent* event);
  void CarryOut(const KeyResponse& response);
  void MenuCommandChosen(MenuCommand command);
  void GameItemChosen(int catalogueIndex);
  // The player may give a command: play is open and no box is up.
  bool Ready() const;
  bool ChatHasFocus() const;

  TForm1& form_;
  MainMenus* menus_ = nullptr;
  ShortcutFilter* filter_ = nullptr;
  HelpWindow* help_ = nullptr;
  int helpLang_ = 0;
  QString applicationTitle_;
};
