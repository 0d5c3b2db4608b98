// The main window of both programs. It owns the game (the one table state
// and the program's values), the settings store, the card pictures and the
// off-screen pictures of the table, and the controls that lie on the table.
// The engine reaches it only through WindowCallouts.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "core/game.h"
#include "persistence/save_file.h"
#include "table/layout.h"
#include "ui/start_options.h"
#include "ui/table_pictures.h"
#include "ui/table_scale.h"
#include "ui/window_callouts.h"

class Artwork;
class QFrame;
class QLabel;
class QLineEdit;
class QBoxLayout;
class QPushButton;
class QStatusBar;
class QtSettingsStore;
class LazySound;
class TableView;
class WindowShell;
class WindowNetwork;

// The wall clock, which a screenshot run holds still while it deals so that
// a seed always gives the same cards.
class WindowClock final : public IClock {
 public:
  int64_t NowSeconds() const override { return fixed_ ? *fixed_ : system_.NowSeconds(); }
  void Fix(int64_t seconds) { fixed_ = seconds; }
  void Release() { fixed_.reset(); }

 private:
  SystemClock system_;
  std::optional<int64_t> fixed_;
};

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(const Edition& edition, const StartOptions& options = {},
                  QWidget* parent = nullptr);
  ~TForm1() override;

  // Shows the window as the settings say (maximised or not) and deals the
  // first game. The window must be shown before the deal is animated.
  void ShowAndStart();

  Game& game() { return game_; }
  // The title the program goes by (the caption in 2.85, "Дурак"/"Fool" in 2.84).
  QString ApplicationTitle() const;
  const TablePictures& pictures() const { return pictures_; }
  const Artwork& artwork() const { return *art_; }
  // How the table lies on the table view: as it is, or magnified
  // ("ScaleCards" 1).
  const TableScale& tableScale() const { return scale_; }
  // The table view's pixels and the table's own units, both ways.
  QPoint TableToView(QPoint table) const { return scale_.ToView(table); }
  QPoint ViewToTable(QPointF view) const { return scale_.ToTable(view); }

  // Composes the table into BackBuffer; show copies it to the screen.
  void RepaintTable(bool show);
  // Copies BackBuffer onto the table (the only way anything reaches the
  // screen); while a deal is shown only the copy is made.
  void FormPaint(QPainter& painter, const QRect& dirty);
  // The mouse over the table (table_mouse.cpp), handed to the engine.
  void TableMousePress(QPoint pos, Qt::MouseButton button);
  void TableMouseRelease(QPoint pos, Qt::MouseButton button);
  void TableMouseMove(QPoint pos);
  void TableDoubleClick();
  // What lies over the table picture: the run dragged in Scarf.
  void PaintTableOverlay(QPainter& painter);
  WindowCallouts& callouts() { return callouts_; }
  // The table view got another size without the window getting one (the
  // status bar shown or hidden).
  void TableViewResized();
  // The menus, their commands and the dialogs they open.
  WindowShell& shell() { return *shell_; }
  // The network session and its sockets.
  WindowNetwork& network() { return *network_; }
  // Nothing is under way: play is open, no box is up, no cards are moving
  // and no pause is running. The network acts on the table only then.
  bool AtRest() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The window went to a screen of another pixel density.
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class WindowCallouts;
  friend class WindowShell;
  friend class WindowNetwork;

  void CreateControls();
  void FitPanelsToTheirCaptions();
  void ApplyStartOptions();
  void SizeWindowBySettings();
  void InitialiseTurnState();

  WindowGeometry Geometry() const;
  bool CardsScaled() const;
  // The outer size the table is laid out for while the cards are scaled.
  QSize LaidOutWindow() const;
  // The table in table units: the table view's size, or with the cards
  // scaled the size it has in the smallest window.
  QSize TableUnits() const;
  // Fits the table to the view and the pictures' density to the screen;
  // true when either changed.
  bool UpdateTableScale();
  // The pictures' size in table units.
  QSize PictureUnits() const;
  void ResizePictures();
  // The pictures and the controls follow a new scale or density.
  void ApplyTableScale();
  void ScaleTableControls();
  void FormLayout();
  void PlaceTableControls();
  void FormResize();
  void BuildBackground();
  QRect TrumpPanelRect() const;
  SeparatorLines Separators() const;
  void SetTableTextColour();
  void WriteWindowGeometry();
  void MoveButtonClicked();
  // A suit button of the trump panel (0 clubs .. 3 hearts).
  void TrumpButtonClick(int suit);
  void CreateSuitButtons(QBoxLayout* panelLayout);
  void CreateChatControls();
  // Enter in the chat field or its button: the line goes to the partner.
  void SendChatLine();
  // The player may act: the first deal is shown and no box is up.
  bool ReadyForPlayer() const;

  StartOptions options_;
  WindowClock clock_;
  WindowCallouts callouts_;
  Game game_;
  std::unique_ptr<QtSettingsStore> store_;
  // "save.dat" in the current directory: the undo point and the saved game.
  DiskSaveFile saveFile_{kSaveFileName};
  std::unique_ptr<Artwork> art_;
  std::unique_ptr<LazySound> sound_;
  TablePictures pictures_;
  TableScale scale_;
  qreal pictureRatio_ = 0;  // the density the pictures were last made at
  // The table's controls at their own size, in table units, as they are
  // shown when the cards are not scaled.
  QFont tableFont_;
  QFont packFont_;
  QFont panelFont_;
  QSize trumpPanelSize_;
  QSize pointsPanelSize_;
  QSize suitIconSize_;
  QPoint trumpPanelPlace_;
  qreal controlsFactor_ = 1.0;  // the factor the controls were last sized for
  bool started_ = false;        // the first deal has been made
  bool maximised_ = false;      // the settings ask for a maximised window
  bool closed_ = false;

  TableView* table_ = nullptr;
  QPushButton* MoveButton = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* LabelPack = nullptr;
  QFrame* TrumpPanel = nullptr;
  QLabel* TrumpLabel = nullptr;
  // TrumpCrestButton, TrumpPickButton, TrumpBubButton, TrumpChervButton.
  std::array<QPushButton*, 4> TrumpButtons{};
  QFrame* PointsPanel = nullptr;
  QLabel* PointsLabel = nullptr;
  QLabel* CompLabel = nullptr;
  QLabel* PlayLabel = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  std::array<QLabel*, 3> statusPanels_{};
  // The chat of a network game, laid over the first panel of the status bar.
  QLineEdit* ChatEdit = nullptr;
  QPushButton* ChatButton = nullptr;
  WindowNetwork* network_ = nullptr;
  // The menus, shortcuts and help; made after the controls, gone first.
  std::unique_ptr<WindowShell> shell_;
};
