#include "ui/window_shell.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "play/closing.h"
#include "play/game_switch.h"
#include "play/menu_commands.h"
#include "play/options_dialog.h"
#include "play/save_restore.h"
#include "play/shortcuts.h"
#include "play/table_look.h"
#include "ui/about_form.h"
#include "ui/color_form.h"
#include "ui/dialog_parts.h"
#include "ui/help_window.h"
#include "ui/keyboard.h"
#include "ui/main_menu.h"
#include "ui/main_window.h"
#include "ui/network_form.h"
#include "ui/propertie_form.h"
#include "ui/table_view.h"

namespace {

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

// A dialog of the program (not a message box) that holds the keyboard now.
bool IsOpenDialog(QWidget* window) {
  auto* dialog = qobject_cast<QDialog*>(window);
  return dialog != nullptr && dialog == QApplication::activeModalWidget() &&
         qobject_cast<QMessageBox*>(dialog) == nullptr;
}

}  // namespace

WindowShell::WindowShell(TForm1& form) : form_(form) {
  MenuHandlers handlers;
  handlers.command = [this](MenuCommand c) { MenuCommandChosen(c); };
  handlers.game = [this](int index) { GameItemChosen(index); };
  handlers.opened = [this] { RefreshMenus(); };
  menus_ = new MainMenus(*form_.game_.edition, std::move(handlers), &form_);
  form_.setMenuWidget(menus_->Holder());

  filter_ = new ShortcutFilter(
      [this](QObject* receiver, QKeyEvent* event) { return KeyPressed(receiver, event); }, &form_);
  qApp->installEventFilter(filter_);
}

WindowShell::~WindowShell() {
  qApp->removeEventFilter(filter_);
}

void WindowShell::ShowGameIdentity() {
  const Game& g = form_.game_;
  AttachMenu(g.program.Lang);
  form_.setWindowTitle(Text(GameCaption(g)));
  SetApplicationTitle(::ApplicationTitle(g));
  helpLang_ = g.program.Lang;
}

void WindowShell::AttachMenu(int lang) {
  QWidget* holder = menus_->Holder();
  const int heightBefore = holder->height();
  menus_->Attach(lang);
  // The other language's bar may wrap onto another number of lines: the
  // table below it is laid out again for the height it is left.
  if (form_.layout() != nullptr) form_.layout()->activate();
  if (form_.started_ && holder->height() != heightBefore) form_.FormResize();
  RefreshMenus();
}

// The title the program goes by (the game's caption, or "Дурак"/"Fool" in
// edition 2.84). It is kept here rather than as Qt's application display
// name, which Qt would append to every window caption.
void WindowShell::SetApplicationTitle(const std::string& text) {
  applicationTitle_ = Text(text);
}

void WindowShell::SetHelpFile(const std::string& file) {
  helpLang_ = file == "kalvenor_eng.hlp" ? 1 : 0;
  // An open help follows the language with everything else.
  if (help_ != nullptr && help_->isVisible()) help_->ShowContents(helpLang_);
}

void WindowShell::RefreshMenus() {
  menus_->ShowState(RefreshMenuState(form_.game_));
}

void WindowShell::OpenHelp() {
  if (help_ == nullptr) help_ = new HelpWindow(&form_);
  help_->ShowContents(helpLang_);
}

void WindowShell::OpenOnMoneyPage() {
  OpenHelpPage(QString::fromLatin1(kOnMoneyPage));
}

void WindowShell::OpenHelpPage(const QString& file) {
  if (help_ == nullptr) help_ = new HelpWindow(&form_);
  help_->ShowPage(helpLang_, file);
}

void WindowShell::WindowClosing() {
  Game& g = form_.game_;
  // A guessing game left unfinished counts the loss it began with; its
  // spread pack is no game to keep.
  const bool guessing = g.t.GuessMode != 0;
  SettleBeforeClosing(g);
  // With the option "Save" on, the game is kept in the saved-game slot of
  // "save.dat" as the window closes.
  if (g.t.Options.SaveOnExit == 1 && !guessing) SaveGame(g, kSavedGameSlot);
  if (help_ != nullptr) help_->close();
}

bool WindowShell::Ready() const {
  const Game& g = form_.game_;
  return form_.started_ && g.t.Dealing == 0 && g.program.ModalFlag != -1;
}

bool WindowShell::ChatHasFocus() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && focus->objectName() == QLatin1String("ChatEdit");
}

bool WindowShell::KeyPressed(QObject* receiver, QKeyEvent* event) {
  auto* widget = qobject_cast<QWidget*>(receiver);
  if (widget == nullptr || !form_.started_) return false;
  // An open menu, or the menu bar walked with the keys, takes its own keys.
  if (QApplication::activePopupWidget() != nullptr || qobject_cast<QMenuBar*>(widget) != nullptr) {
    return false;
  }
  const bool dialogOpen = IsOpenDialog(widget->window());
  if (widget->window() != &form_ && !dialogOpen) return false;
  if (ChatHasFocus()) return false;
  Game& g = form_.game_;
  if (!ShortcutsListen(g, dialogOpen)) return false;
  const ShortcutKey key = ShortcutKeyOf(*event);
  if (key == ShortcutKey::None) return false;

  KeyContext context;
  context.pointerX = form_.ViewToTable(form_.table_->mapFromGlobal(QCursor::pos())).x();
  context.moveButtonFocused = form_.MoveButton->isVisible() && form_.MoveButton->hasFocus();
  const KeyResponse response = KeyboardShortcut(g, key, context);
  CarryOut(response);
  return response.consumed;
}

void WindowShell::CarryOut(const KeyResponse& response) {
  if (response.openHelp) OpenHelp();
  if (response.minimise) form_.showMinimized();
  PutPointer(response.play.pointer);
  if (response.play.focusStatusBar) form_.StatusBar1->setFocus();
}

void WindowShell::PutPointer(const std::optional<TablePoint>& point) {
  if (!point || !form_.isVisible()) return;
  QCursor::setPos(form_.table_->mapToGlobal(form_.TableToView(QPoint(point->x, point->y))));
}

bool WindowShell::DialogMayOpen(TableCommand dialog) const {
  return Ready() && CommandMayRun(form_.game_, dialog);
}

void WindowShell::OpenOptions() {
  Game& g = form_.game_;
  if (!DialogMayOpen(TableCommand::Options)) return;
  bool accepted = false;
  {
    const ModalDialogScope modal(g);
    TPropertieForm dialog(g, &form_);
    accepted = dialog.exec() == QDialog::Accepted;
  }
  if (accepted) TakeNewOptions(g);
}

void WindowShell::OpenLook(LookMode mode) {
  Game& g = form_.game_;
  const TableCommand command =
      mode == LookMode::CardBack ? TableCommand::CardBack : TableCommand::Background;
  if (!DialogMayOpen(command)) return;
  const ModalDialogScope modal(g);
  TColorForm dialog(g, *form_.art_, mode, &form_);
  dialog.exec();
}

void WindowShell::OpenNetwork() {
  Game& g = form_.game_;
  if (!DialogMayOpen(TableCommand::Network)) return;
  const ModalDialogScope modal(g);
  TNetworkForm dialog(g, form_.network(), &form_);
  dialog.exec();
}

// The About box opens during the guessing game too.
void WindowShell::OpenAbout() {
  Game& g = form_.game_;
  if (!form_.started_ || g.program.ModalFlag == -1) return;
  const ModalDialogScope modal(g);
  TAboutForm dialog(g, *form_.art_, *this, &form_);
  dialog.exec();
}

void WindowShell::MenuCommandChosen(MenuCommand command) {
  Game& g = form_.game_;
  switch (command) {
    case MenuCommand::NewGame:
      if (Ready()) NewGameCommand(g);
      break;
    case MenuCommand::Exit:
      form_.close();
      break;
    case MenuCommand::Help:
      OpenHelp();
      break;
    case MenuCommand::Russian:
    case MenuCommand::English:
      if (Ready()) SelectLanguage(g, command == MenuCommand::English ? 1 : 0);
      break;
    case MenuCommand::OnMoney:
      OpenOnMoneyPage();
      break;
    case MenuCommand::Undo:
      if (Ready()) PutPointer(UndoMove(g).pointer);
      break;
    case MenuCommand::SaveGame:
      if (Ready()) SaveGameCommand(g);
      break;
    case MenuCommand::RestoreGame:
      if (Ready()) PutPointer(RestoreGameCommand(g).pointer);
      break;
    case MenuCommand::CardBack:
      OpenLook(LookMode::CardBack);
      break;
    case MenuCommand::Background:
      OpenLook(LookMode::Background);
      break;
    case MenuCommand::Options:
      OpenOptions();
      break;
    case MenuCommand::Network:
      OpenNetwork();
      break;
    case MenuCommand::About:
      OpenAbout();
      break;
  }
  RefreshMenus();
}

void WindowShell::GameItemChosen(int catalogueIndex) {
  if (!Ready()) {
    // Qt has already flipped the item's mark: put the marks right.
    RefreshMenus();
    return;
  }
  menus_->ShowState(MMGameClick(form_.game_, catalogueIndex));
}
