#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <utility>

#include "commentary/comment.h"
#include "commentary/status_bar.h"
#include "core/callouts.h"
#include "core/new_game.h"
#include "persistence/settings.h"
#include "persistence/settings_schema.h"
#include "play/buttons.h"
#include "play/game_switch.h"
#include "play/new_game.h"
#include "ui/artwork/artwork.h"
#include "ui/lazy_sound.h"
#include "ui/qt_settings_store.h"
#include "ui/table_renderer.h"
#include "ui/table_view.h"
#include "ui/window_network.h"
#include "ui/window_shell.h"

namespace {

// Where a window of this size stands in the middle of the screen.
QPoint CentredPosition(QSize size) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {0, 0};
  const QRect area = screen->availableGeometry();
  return {area.left() + (area.width() - size.width()) / 2,
          area.top() + (area.height() - size.height()) / 2};
}

// ... and one of the smallest size, where the system first puts the window.
QPoint CentredPosition() {
  return CentredPosition(QSize(kMinOuterWidth, kMinOuterHeight));
}

int WindowSide(int32_t stored, int32_t smallest) {
  return std::clamp<int32_t>(stored, smallest, kMaxWindowSize);
}

// The table's controls at their own size; magnified with the cards.
constexpr QMargins kTrumpPanelMargins(4, 2, 4, 4);
constexpr QMargins kPointsPanelMargins(4, 2, 4, 2);
constexpr int kTrumpPanelSpacing = 2;
constexpr QSize kSuitButtonSize(26, 24);

int Scaled(int length, qreal factor) {
  return std::max(1, qRound(length * factor));
}

QSize Scaled(QSize size, qreal factor) {
  return {Scaled(size.width(), factor), Scaled(size.height(), factor)};
}

QMargins Scaled(QMargins m, qreal factor) {
  return {qRound(m.left() * factor), qRound(m.top() * factor), qRound(m.right() * factor),
          qRound(m.bottom() * factor)};
}

QFont Scaled(QFont font, qreal factor) {
  font.setPixelSize(Scaled(font.pixelSize(), factor));
  return font;
}

QLabel* NewPanelLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

TForm1::TForm1(const Edition& edition, const StartOptions& options, QWidget* parent)
    : QMainWindow(parent), options_(options), callouts_(*this), game_(edition, callouts_, clock_) {
  setMinimumSize(kMinOuterWidth, kMinOuterHeight);
  resize(kMinOuterWidth, kMinOuterHeight);
  QFont bold = font();
  bold.setBold(true);
  bold.setPixelSize(13);
  setFont(bold);
  tableFont_ = bold;
  setWindowTitle(QStringLiteral("Дурак"));

  store_ = std::make_unique<QtSettingsStore>(edition);
  if (options_.leaveFilesAlone) store_->KeepWritesInMemory();
  game_.store = store_.get();
  game_.saveFile = options_.leaveFilesAlone ? nullptr : &saveFile_;
  ApplyFirstStartValues(game_);
  art_ = std::make_unique<Artwork>(devicePixelRatioF());
  sound_ = std::make_unique<LazySound>();
  callouts_.SetUnattended(options_.screenshot);
  CreateControls();
  shell_ = std::make_unique<WindowShell>(*this);
  network_ = new WindowNetwork(*this);
  ResizePictures();

  const QPoint centred = CentredPosition();
  EnsureSettingsKey(game_, centred.x(), centred.y());
  LoadSettings(game_);
  ApplyStartOptions();
  BuildPack(game_.t.Pack);
  SizeWindowBySettings();
  shell_->ShowGameIdentity();
  InitialiseTurnState();
  ResizePictures();
  FormLayout();
  PlaceTableControls();
  ::UpdateStatusBar(game_);
  BuildBackground();
  RepaintTable(false);
}

TForm1::~TForm1() {
  // The sockets go before the game they report to.
  delete network_;
  network_ = nullptr;
}

void TForm1::CreateControls() {
  table_ = new TableView(*this);
  setCentralWidget(table_);

  MoveButton = new QPushButton(table_);
  MoveButton->setObjectName("MoveButton");
  MoveButton->hide();
  connect(MoveButton, &QPushButton::clicked, this, &TForm1::MoveButtonClicked);

  Label1 = new QLabel(table_);
  Label1->setObjectName("Label1");
  Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
  Label1->hide();
  LabelPack = new QLabel(table_);
  LabelPack->setObjectName("LabelPack");
  QFont packFont = font();
  packFont.setBold(true);
  packFont.setPixelSize(16);
  LabelPack->setFont(packFont);
  packFont_ = packFont;
  LabelPack->setAttribute(Qt::WA_TransparentForMouseEvents);
  LabelPack->hide();

  TrumpPanel = new QFrame(table_);
  TrumpPanel->setObjectName("TrumpPanel");
  TrumpPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  TrumpPanel->setAutoFillBackground(true);
  TrumpPanel->setFixedSize(121, 64);
  QFont panelFont = font();
  panelFont.setBold(false);
  TrumpPanel->setFont(panelFont);
  panelFont_ = panelFont;
  TrumpLabel = NewPanelLabel(TrumpPanel, QStringLiteral("Заказать масть"));
  auto* trumpLayout = new QVBoxLayout(TrumpPanel);
  trumpLayout->setContentsMargins(kTrumpPanelMargins);
  trumpLayout->setSpacing(kTrumpPanelSpacing);
  trumpLayout->addWidget(TrumpLabel);
  CreateSuitButtons(trumpLayout);
  TrumpPanel->hide();

  PointsPanel = new QFrame(table_);
  PointsPanel->setObjectName("PointsPanel");
  PointsPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  PointsPanel->setAutoFillBackground(true);
  PointsPanel->setFixedSize(220, 72);
  PointsLabel = NewPanelLabel(PointsPanel, QStringLiteral("Игра ведется до 100 очков"));
  CompLabel = NewPanelLabel(PointsPanel, QStringLiteral("Компьютер :"));
  PlayLabel = NewPanelLabel(PointsPanel, QString());
  auto* pointsLayout = new QVBoxLayout(PointsPanel);
  pointsLayout->setContentsMargins(kPointsPanelMargins);
  for (QLabel* label : {PointsLabel, CompLabel, PlayLabel}) pointsLayout->addWidget(label);
  PointsLabel->setObjectName("PointsLabel");
  CompLabel->setObjectName("CompLabel");
  PlayLabel->setObjectName("PlayLabel");
  PointsPanel->hide();
  FitPanelsToTheirCaptions();
  trumpPanelSize_ = TrumpPanel->size();
  pointsPanelSize_ = PointsPanel->size();
  suitIconSize_ = TrumpButtons[0]->iconSize();

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  // The panels have fixed widths; a plain face keeps their texts inside.
  QFont plain = font();
  plain.setBold(false);
  plain.setPixelSize(12);
  StatusBar1->setFont(plain);
  setStatusBar(StatusBar1);
  const std::array<int, 3> widths = {284, kScorePanelWidth, kClockPanelWidth};
  for (size_t i = 0; i < statusPanels_.size(); ++i) {
    statusPanels_[i] = new QLabel(StatusBar1);
    statusPanels_[i]->setFixedWidth(widths[i]);
    statusPanels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->addWidget(statusPanels_[i], i == 0 ? 1 : 0);
  }
  // The first panel takes what the others leave, and a long text in it is
  // cut rather than pushing the score and the clock out of the window.
  statusPanels_[0]->setMinimumWidth(1);
  statusPanels_[0]->setMaximumWidth(QWIDGETSIZE_MAX);
  statusPanels_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusPanels_[1]->setAlignment(Qt::AlignCenter);

  CreateChatControls();

  auto* clockTimer = new QTimer(this);
  const int64_t start = ClockStart(game_);
  statusPanels_[2]->setText(QStringLiteral(" 00:00:00"));
  connect(clockTimer, &QTimer::timeout, this, [this, start] { TickClock(game_, start); });
  clockTimer->start(1000);
}

// The suit-order and points panels keep one size in both languages, wide
// enough for the longer caption of each label (with three-digit points).
void TForm1::FitPanelsToTheirCaptions() {
  constexpr int kLargestPoints = 999;
  constexpr int kMargins = 16;  // the frame and the layout's margins
  int trumpText = 0;
  int pointsText = 0;
  for (const int lang : {0, 1}) {
    const PanelCaptions c = PanelCaptionsIn(lang, kLargestPoints, kLargestPoints);
    trumpText =
        std::max(trumpText,
                 TrumpLabel->fontMetrics().horizontalAdvance(QString::fromStdString(c.trumpLabel)));
    for (const auto& [label, text] :
         {std::pair{PointsLabel, c.pointsLabel}, std::pair{CompLabel, c.compLabel},
          std::pair{PlayLabel, c.playLabel}}) {
      pointsText = std::max(pointsText,
                            label->fontMetrics().horizontalAdvance(QString::fromStdString(text)));
    }
  }
  TrumpPanel->setFixedWidth(std::max(TrumpPanel->width(), trumpText + kMargins));
  PointsPanel->setFixedWidth(std::max(PointsPanel->width(), pointsText + kMargins));
}

void TForm1::ApplyStartOptions() {
  for (const auto& [name, value] : options_.sets) {
    if (const SettingEntry* entry = FindSetting(name)) entry->field(game_) = value;
  }
  if (options_.game) {
    game_.t.VidG = options_.game->first;
    game_.t.FormG = options_.game->second;
  }
}

void TForm1::SizeWindowBySettings() {
  const TOptions& o = game_.t.Options;
  maximised_ = false;
  if (options_.size) {
    resize(options_.size->first, options_.size->second);
  } else if (o.SizeWindow == 0) {
    resize(kMinOuterWidth, kMinOuterHeight);
  } else if (o.SizeStateWindow == 1) {
    maximised_ = true;
  } else {
    resize(WindowSide(o.Width, kMinOuterWidth), WindowSide(o.Height, kMinOuterHeight));
  }
  if (maximised_) return;
  // The saved place, or the middle of the screen.
  if (o.Pos == 1) {
    move(o.Left, o.Top);
  } else {
    move(CentredPosition(size()));
  }
}

void TForm1::InitialiseTurnState() {
  TTableState& t = game_.t;
  t.PatienceResult = -1;
  t.DealLatch = -1;
  game_.program.NetRole = -1;
  t.HitIndex = -1;
  t.RevealHands = 0;
  t.CzechPointsComputer = 0;
  t.CzechPointsPlayer = 0;
  t.CtrlLatch = 0;
  t.GameDecided = 0;
}

void TForm1::ShowAndStart() {
  if (maximised_) {
    showMaximized();
  } else {
    show();
  }
  QCoreApplication::processEvents();
  // A screenshot deals from its seed: the clock stands still for the deal
  // and the opening of play.
  if (options_.seed) {
    clock_.Fix(*options_.seed);
    game_.random.Seed(*options_.seed);
  }
  started_ = true;
  NewGame(game_);
  clock_.Release();
}

// With the cards scaled the engine lays the table out for the smallest
// window, whatever the window's own size.
WindowGeometry TForm1::Geometry() const {
  const QWidget* menu = menuWidget();
  const int menuHeight = menu != nullptr && !menu->isHidden() ? menu->height() : 0;
  if (CardsScaled()) {
    const QSize laidOut = LaidOutWindow();
    return {laidOut.width(), laidOut.height(), laidOut.height() - menuHeight};
  }
  return {width(), height(), height() - menuHeight};
}

// The smallest window's proportions, enlarged only for a game whose layout
// does not fit the smallest window itself.
QSize TForm1::LaidOutWindow() const {
  const OuterSize fit = LayoutFitSize(game_.kind());
  const qreal k = std::max({1.0, static_cast<qreal>(fit.width) / kMinOuterWidth,
                            static_cast<qreal>(fit.height) / kMinOuterHeight});
  return {qRound(kMinOuterWidth * k), qRound(kMinOuterHeight * k)};
}

bool TForm1::CardsScaled() const {
  return game_.t.Options.ScaleCards == 1;
}

QSize TForm1::TableUnits() const {
  if (!CardsScaled()) return table_->size();
  // The menu and the status bar keep their height in any window.
  const QSize laidOut = LaidOutWindow();
  return {laidOut.width() - (width() - table_->width()),
          laidOut.height() - (height() - table_->height())};
}

bool TForm1::UpdateTableScale() {
  const TableScale next = CardsScaled() ? FitTable(table_->size(), TableUnits()) : TableScale{};
  const qreal screen = devicePixelRatioF();
  const qreal ratio = screen * next.factor;
  const bool changed =
      next.factor != scale_.factor || next.offset != scale_.offset || ratio != pictureRatio_;
  scale_ = next;
  pictureRatio_ = ratio;
  art_->SetDevicePixelRatio(ratio, screen);
  return changed;
}

// A magnified table's pictures reach from the table's corner to the view's
// far edges: a game laid out wider than the smallest window (Memory of 52
// cards) shows its last column in the border rather than losing it.
QSize TForm1::PictureUnits() const {
  if (!CardsScaled()) return size();
  const QSize view = table_->size();
  const int across =
      static_cast<int>(std::ceil((view.width() - scale_.offset.x()) / scale_.factor));
  const int down = static_cast<int>(std::ceil((view.height() - scale_.offset.y()) / scale_.factor));
  const QSize laidOut = LaidOutWindow();
  return {std::max(laidOut.width(), across), std::max(laidOut.height(), down)};
}

void TForm1::ResizePictures() {
  const QSize units = PictureUnits();
  ResizeTablePictures(pictures_, units.width(), units.height(), art_->DevicePixelRatio());
}

// The pictures are made anew at the density the table is now shown at, and
// the controls grow or shrink with the cards.
void TForm1::ApplyTableScale() {
  ResizePictures();
  BuildBackground();
  ScaleTableControls();
  PlaceTableControls();
  table_->update();
}

void TForm1::ScaleTableControls() {
  // The suit icons are painted afresh at the current density.
  for (int suit = 0; suit < 4; ++suit) TrumpButtons[suit]->setIcon(QIcon(art_->SuitIcon(suit)));
  const qreal f = scale_.factor;
  if (f == controlsFactor_) return;
  controlsFactor_ = f;
  Label1->setFont(Scaled(tableFont_, f));
  MoveButton->setFont(Scaled(tableFont_, f));
  LabelPack->setFont(Scaled(packFont_, f));
  if (LabelPack->isVisible()) LabelPack->adjustSize();
  TrumpPanel->setFont(Scaled(panelFont_, f));
  TrumpPanel->setFixedSize(Scaled(trumpPanelSize_, f));
  TrumpPanel->layout()->setContentsMargins(Scaled(kTrumpPanelMargins, f));
  TrumpPanel->layout()->setSpacing(qRound(kTrumpPanelSpacing * f));
  for (QPushButton* button : TrumpButtons) {
    button->setFixedSize(Scaled(kSuitButtonSize, f));
    button->setIconSize(Scaled(suitIconSize_, f));
  }
  PointsPanel->setFont(Scaled(tableFont_, f));
  PointsPanel->setFixedSize(Scaled(pointsPanelSize_, f));
  PointsPanel->layout()->setContentsMargins(Scaled(kPointsPanelMargins, f));
}

void TForm1::FormLayout() {
  const bool rescaled = UpdateTableScale();
  LayoutTable(game_, Geometry());
  if (rescaled) ApplyTableScale();
}

void TForm1::PlaceTableControls() {
  const ControlPlaces c =
      PlaceControls(game_.t, game_.kind(), Geometry(), pointsPanelSize_.width());
  MoveButton->setGeometry(scale_.ToView(
      QRect(c.moveButton.left, c.moveButton.top, c.moveButton.width, c.moveButton.height)));
  trumpPanelPlace_ = QPoint(c.trumpPanel.left, c.trumpPanel.top);
  TrumpPanel->move(scale_.ToView(trumpPanelPlace_));
  PointsPanel->move(scale_.ToView(QPoint(c.pointsPanel.left, c.pointsPanel.top)));
  if (c.labelPack) LabelPack->move(scale_.ToView(QPoint(c.labelPack->left, c.labelPack->top)));
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TForm1::TableViewResized() {
  if (CardsScaled()) FormResize();
}

// On a screen of another density the pictures are painted again for it, so
// that they stay sharp there.
bool TForm1::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::ScreenChangeInternal &&
      devicePixelRatioF() * scale_.factor != pictureRatio_) {
    FormResize();
  }
  return handled;
}

// A new size moves everything: the layout, the controls, the commentary over
// the player's hand, and the pictures, which are made afresh at the new size.
void TForm1::FormResize() {
  FormLayout();
  ::UpdateStatusBar(game_);
  PlaceTableControls();
  if (started_) Comment(game_, game_.t.CommentId, game_.t.ButtonCaptionId);
  ResizePictures();
  BuildBackground();
  RepaintTable(true);
}

void TForm1::BuildBackground() {
  const TTableState& t = game_.t;
  const SeparatorLines lines = Separators();
  BuildTableBackground(pictures_, *art_, t.Options.BackGr, lines, scale_);
  if (lines.drawn) SetTableTextColour();
}

void TForm1::SetTableTextColour() {
  const QPalette::ColorRole role =
      TableTextColourOf(game_.t.Options.BackGr) == TableTextColour::WindowText
          ? QPalette::WindowText
          : QPalette::Button;
  const QColor colour = QApplication::palette().color(role);
  for (QLabel* label : {Label1, LabelPack}) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
  }
}

// In table units, where the repaint shows the suit in force above it.
QRect TForm1::TrumpPanelRect() const {
  if (scale_.Identity()) return TrumpPanel->geometry();
  return QRect(trumpPanelPlace_, trumpPanelSize_);
}

SeparatorLines TForm1::Separators() const {
  const Kind k = game_.kind();
  SeparatorLines lines;
  // The durak kinds, Czech durak and Eights divide the table into the
  // computer's side, the trick and the player's side.
  lines.drawn = IsCardGame(k) && k != Kind::Nine;
  lines.topY = game_.t.TopLineY;
  lines.bottomY = game_.t.BottomLineY;
  return lines;
}

void TForm1::RepaintTable(bool show) {
  ComposeTable(pictures_.BackBuffer, pictures_.TableBackground, *art_, game_.t, game_.kind(),
               {TrumpPanelRect()});
  if (show && table_->isVisible()) table_->repaint();
}

void TForm1::FormPaint(QPainter& painter, const QRect& dirty) {
  // While a deal or another animation is shown it owns BackBuffer: only
  // copy it.
  if (game_.t.Dealing == 0 && !callouts_.Animating()) {
    ComposeTable(pictures_.BackBuffer, pictures_.TableBackground, *art_, game_.t, game_.kind(),
                 {TrumpPanelRect()});
  }
  painter.setClipRect(dirty);
  if (scale_.Identity()) {
    painter.drawImage(QPoint(0, 0), pictures_.BackBuffer);
    return;
  }
  // BackBuffer from the table's corner on, pixel for pixel on the screen;
  // only the part asked for, as the flights ask for a card's area at a time.
  const QImage& shown = pictures_.BackBuffer;
  const qreal screen = devicePixelRatioF();
  const QRect table(scale_.offset, (QSizeF(shown.size()) / screen).toSize());
  if (!table.contains(dirty)) {
    PaintTableBorder(painter, dirty, *art_, game_.t.Options.BackGr, Separators(), scale_);
  }
  const QRect part = dirty & table;
  if (part.isEmpty()) return;
  const QRectF source(QPointF(part.topLeft() - scale_.offset) * screen,
                      QSizeF(part.size()) * screen);
  painter.drawImage(QRectF(part), shown, source);
}

void TForm1::CreateChatControls() {
  ChatEdit = new QLineEdit(StatusBar1);
  ChatEdit->setObjectName("ChatEdit");
  ChatEdit->setMaxLength(50);
  ChatEdit->hide();
  connect(ChatEdit, &QLineEdit::returnPressed, this, &TForm1::SendChatLine);
  ChatButton = new QPushButton(StatusBar1);
  ChatButton->setObjectName("ChatButton");
  ChatButton->setText(QStringLiteral(">"));
  ChatButton->hide();
  connect(ChatButton, &QPushButton::clicked, this, &TForm1::SendChatLine);
}

void TForm1::SendChatLine() {
  if (game_.program.NetRole == -1) return;
  network_->SendChat(ChatEdit->text());
  ChatEdit->setModified(false);  // sent: the status bar may refill the field
}

bool TForm1::AtRest() const {
  return ReadyForPlayer() && !callouts_.Animating() && !callouts_.Waiting();
}

bool TForm1::ReadyForPlayer() const {
  return started_ && game_.t.Dealing == 0 && game_.program.ModalFlag != -1;
}

void TForm1::MoveButtonClicked() {
  Game& g = game_;
  if (!ReadyForPlayer()) return;
  PressMoveButton(g);
}

void TForm1::TrumpButtonClick(int suit) {
  if (!ReadyForPlayer()) return;
  PressSuitButton(game_, suit);
}

// Clubs, spades, diamonds, hearts in a row under the panel's label. They
// take no keyboard focus, which stays with the Move button.
void TForm1::CreateSuitButtons(QBoxLayout* panelLayout) {
  constexpr std::array<const char*, 4> kNames = {"TrumpCrestButton", "TrumpPickButton",
                                                 "TrumpBubButton", "TrumpChervButton"};
  auto* row = new QHBoxLayout();
  row->setSpacing(2);
  for (int suit = 0; suit < 4; ++suit) {
    auto* button = new QPushButton(TrumpPanel);
    button->setObjectName(kNames[suit]);
    button->setIcon(QIcon(art_->SuitIcon(suit)));
    button->setFixedSize(kSuitButtonSize);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, suit] { TrumpButtonClick(suit); });
    row->addWidget(button);
    TrumpButtons[suit] = button;
  }
  panelLayout->addLayout(row);
}

void TForm1::WriteWindowGeometry() {
  const bool maximised = isMaximized();
  WriteSetting(game_, "Width", width());
  WriteSetting(game_, "Height", height());
  WriteSetting(game_, "Top", y());
  WriteSetting(game_, "Left", x());
  WriteSetting(game_, "SizeStateWindow", maximised ? 1 : 0);
}

// Closing keeps the window's size and place for the next start, then the
// game when the option "Save" is on.
void TForm1::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    WriteWindowGeometry();
    shell_->WindowClosing();
    closed_ = true;
  }
  event->accept();
}

QString TForm1::ApplicationTitle() const { return shell_ ? shell_->ApplicationTitle() : QString(); }
