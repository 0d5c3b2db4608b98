#include "ui/window_callouts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <algorithm>

#include "commentary/comment.h"
#include "commentary/status_bar.h"
#include "commentary/table_controls.h"
#include "play/save_restore.h"
#include "ui/lazy_sound.h"
#include "ui/main_window.h"
#include "ui/window_network.h"
#include "ui/window_shell.h"

namespace {

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

void ShowPanelCaptions(const PanelCaptions& captions, QLabel* trump, QLabel* points, QLabel* comp,
                       QLabel* play) {
  trump->setText(Text(captions.trumpLabel));
  points->setText(Text(captions.pointsLabel));
  comp->setText(Text(captions.compLabel));
  play->setText(Text(captions.playLabel));
}

// The game message box at its place over the main window. Its width is
// known only once Qt has fitted it to its text and its caption (which Qt
// never cuts), just before it appears: it is placed then.
class PlacedMessageBox final : public QMessageBox {
 public:
  PlacedMessageBox(const GameMessageBox& box, QWidget* parent) : QMessageBox(parent), box_(box) {}

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    move(GameMessageLeft(box_, frameGeometry().width()), box_.top);
  }

 private:
  GameMessageBox box_;
};

// Counts a wait of the engine for as long as it runs.
class WaitScope {
 public:
  explicit WaitScope(int& depth) : depth_(depth) { ++depth_; }
  ~WaitScope() { --depth_; }
  WaitScope(const WaitScope&) = delete;
  WaitScope& operator=(const WaitScope&) = delete;

 private:
  int& depth_;
};

int ClockTextWidth(const QLabel& panel) {
  return QFontMetrics(panel.font()).horizontalAdvance(QStringLiteral(" 00:00:00")) + 8;
}

}  // namespace

void WindowCallouts::RepaintTable(bool show) {
  form_.RepaintTable(show);
}

bool WindowCallouts::ShowGameMessage(const GameMessageBox& box) {
  if (messageObserver_) messageObserver_(box);
  if (unattended_) return true;
  const WaitScope wait(waitDepth_);
  PlacedMessageBox message(box, &form_);
  message.setWindowTitle(form_.windowTitle());
  message.setText(Text(box.text));
  if (box.question) {
    message.setIcon(QMessageBox::NoIcon);
    message.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  } else {
    message.setIcon(QMessageBox::Information);
    message.setStandardButtons(QMessageBox::Ok);
  }
  return message.exec() != QMessageBox::Cancel;
}

// Every card the player plays or moves first leaves the table as it is in
// the undo slot of "save.dat".
void WindowCallouts::SaveUndo() {
  ::SaveUndo(form_.game_);
}

void WindowCallouts::HideTableControls() {
  moveButtonCleared_ = false;
  commentCleared_ = false;
  talkHeldAway_ = false;
  form_.Label1->hide();
  form_.LabelPack->hide();
  form_.MoveButton->hide();
  form_.TrumpPanel->hide();
  form_.PointsPanel->hide();
}

void WindowCallouts::ShowTableControls() {
  ::ShowTableControls(form_.game_);
}

void WindowCallouts::UpdateStatusBar() {
  ::UpdateStatusBar(form_.game_);
}

void WindowCallouts::SetCaption(const std::string& text) {
  form_.setWindowTitle(Text(text));
}

void WindowCallouts::SetApplicationTitle(const std::string& text) {
  if (form_.shell_) form_.shell_->SetApplicationTitle(text);
}

void WindowCallouts::SetHelpFile(const std::string& file) {
  if (form_.shell_) form_.shell_->SetHelpFile(file);
}

void WindowCallouts::AttachMenu(int lang) {
  if (form_.shell_) form_.shell_->AttachMenu(lang);
}

// The guessing game began or ended: the greyed commands show it at once,
// and their shortcuts (which only act while their items are enabled) follow.
void WindowCallouts::RefreshMenuState() {
  if (form_.shell_) form_.shell_->RefreshMenus();
}

void WindowCallouts::ShowCurrentComment() {
  Game& g = form_.game_;
  Comment(g, g.t.CommentId, g.t.ButtonCaptionId);
}

void WindowCallouts::LayoutTable() {
  form_.FormLayout();
}

void WindowCallouts::PlaceControls() {
  form_.PlaceTableControls();
}

void WindowCallouts::ApplyBackground(int /*backGr*/) {
  form_.BuildBackground();
}

WindowRect WindowCallouts::MainWindowRect() const {
  return {form_.x(), form_.y(), form_.width(), form_.height()};
}

WindowRect WindowCallouts::TableWindowRect() const {
  const WindowGeometry laidOut = form_.Geometry();
  return {form_.x(), form_.y(), laidOut.outerWidth, laidOut.outerHeight};
}

void WindowCallouts::ProcessPendingEvents() {
  const WaitScope wait(waitDepth_);
  QCoreApplication::processEvents();
}

// The engine finishes what it is doing first; the window then closes by its
// usual path, which keeps its size and place.
void WindowCallouts::CloseMainWindow() {
  QMetaObject::invokeMethod(&form_, &QWidget::close, Qt::QueuedConnection);
}

void WindowCallouts::ShowCommentary(const CommentaryView& view) {
  if (view.comment) {
    QLabel* label = form_.Label1;
    label->setText(Text(view.comment->text));
    label->adjustSize();
    label->move(form_.TableToView(QPoint(view.comment->left, view.comment->top)));
    label->show();
  }
  if (view.caption) form_.MoveButton->setText(Text(*view.caption));
  RestoreMoveButton();
  if (view.panels) {
    ShowPanelCaptions(*view.panels, form_.TrumpLabel, form_.PointsLabel, form_.CompLabel,
                      form_.PlayLabel);
  }
  if (view.packCounter) {
    form_.LabelPack->setText(Text(*view.packCounter));
    form_.LabelPack->adjustSize();
    form_.LabelPack->show();
  } else {
    form_.LabelPack->hide();
  }
}

int WindowCallouts::CommentaryTextWidth(const std::string& text) const {
  // In table units: the engine places the line on the table as laid out.
  return QFontMetrics(form_.tableFont_).horizontalAdvance(Text(text));
}

void WindowCallouts::PlayWav(const std::string& path, bool synchronous) {
  if (unattended_) return;
  form_.sound_->PlayWav(path, synchronous);
}

void WindowCallouts::ShowStatusBarPanels(const StatusBarView& view) {
  form_.StatusBar1->setVisible(view.visible);
  auto& panels = form_.statusPanels_;
  panels[0]->setText(Text(view.whoPlays));
  if (view.score) panels[1]->setText(Text(*view.score));
  for (size_t i = 0; i < panels.size(); ++i) {
    int width = view.widths[i];
    panels[i]->setVisible(width > 0);
    // The clock's panel is sized for the narrow face of the first program;
    // it widens rather than cut the seconds off.
    if (i == 2) width = std::max(width, ClockTextWidth(*panels[i]));
    if (width > 0 && i > 0) panels[i]->setFixedWidth(width);
  }
  // The chat of a network game lies over panel 0 and starts with its text.
  QLineEdit* chat = form_.ChatEdit;
  chat->setVisible(view.chatVisible);
  form_.ChatButton->setVisible(view.chatVisible);
  if (view.chatVisible) {
    const int height = std::max(form_.StatusBar1->height() - 2 * view.chatTop, 16);
    // A line the player is typing is kept: the bar is refreshed at every move.
    if (!chat->isModified()) chat->setText(Text(view.chatText));
    // Measured from panel 0 as Qt has laid it out, which may be narrower
    // than the width asked for when the clock's panel had to widen.
    const QRect panel = panels[0]->geometry();
    const int field = std::min(view.chatWidth, panel.width() - 20);
    const int button = std::min(view.chatButtonLeft, panel.width() - 15);
    chat->setGeometry(panel.left() + view.chatLeft - 4, view.chatTop, std::max(field, 20), height);
    form_.ChatButton->setGeometry(panel.left() + button, view.chatButtonTop, 13, height);
    chat->raise();
    form_.ChatButton->raise();
  }
}

void WindowCallouts::SendMove(int value, int code) {
  form_.network_->SendMove(value, code);
}

void WindowCallouts::NetRoundEnded() {
  form_.network_->RoundEnded();
}

void WindowCallouts::RequestNewDeal() {
  form_.network_->RequestNewDeal();
}

void WindowCallouts::ShowChatLine(const std::string& text) {
  form_.ChatEdit->setText(Text(text));
}

bool WindowCallouts::PartnerConnected() const {
  return form_.network_->PartnerConnected();
}

void WindowCallouts::CloseIdleServerSocket() {
  form_.network_->CloseIdleServerSocket();
}

void WindowCallouts::ShowClock(const std::string& text) {
  form_.statusPanels_[2]->setText(Text(text));
}

void WindowCallouts::ApplyTableControls(const TableControlsView& view) {
  moveButtonCleared_ = false;
  talkHeldAway_ = false;
  form_.TrumpPanel->setVisible(view.trumpPanelVisible);
  form_.TrumpLabel->setEnabled(view.trumpLabelEnabled);
  form_.PointsPanel->setVisible(view.pointsPanelVisible);
  if (view.panels) {
    ShowPanelCaptions(*view.panels, form_.TrumpLabel, form_.PointsLabel, form_.CompLabel,
                      form_.PlayLabel);
  }
  if (view.hideCommentary) form_.Label1->hide();
  if (view.zeroCommentaryWidth) form_.Label1->resize(0, form_.Label1->height());
  if (view.moveButtonVisible) {
    form_.MoveButton->setEnabled(true);
    form_.MoveButton->show();
    form_.MoveButton->setFocus();
  } else {
    form_.MoveButton->hide();
  }
}

void WindowCallouts::EnableTrumpLabel(bool enabled) {
  form_.TrumpLabel->setEnabled(enabled);
}

void WindowCallouts::EnableMoveButton(bool enabled) {
  form_.MoveButton->setEnabled(enabled);
}
