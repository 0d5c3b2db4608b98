// The main window as the player drives it: game items, the language key,
// keyboard play, help, the shortcuts' modal rule, and the window's size and
// place kept between runs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <cstdlib>
#include <vector>

#include "table/layout.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

namespace {

// Every test starts from a first start: no settings at all.
void ForgetSettings(const Edition& e) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Software",
                     QString::fromUtf8(e.settingsKey.data(), e.settingsKey.size()));
  settings.clear();
  settings.sync();
}

QSettings Stored(const Edition& e) {
  return {QSettings::IniFormat, QSettings::UserScope, "Software",
          QString::fromUtf8(e.settingsKey.data(), e.settingsKey.size())};
}

void Store(const Edition& e, std::initializer_list<std::pair<const char*, int>> values) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Software",
                     QString::fromUtf8(e.settingsKey.data(), e.settingsKey.size()));
  for (const auto& [name, value] : values) settings.setValue(name, value);
  settings.sync();
}

StartOptions Quiet(int vidg = 0, int formg = 1, int64_t seed = 5) {
  StartOptions o;
  o.screenshot = true;  // nobody answers message boxes here
  o.file = "unused.png";
  o.game = std::make_pair(vidg, formg);
  o.seed = seed;
  o.size = std::make_pair(800, 600);
  return o;
}

// A start that keeps whatever size the settings give.
StartOptions QuietAnySize() {
  StartOptions o = Quiet();
  o.size.reset();
  return o;
}

void Key(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(window, &press);
}

QAction* Item(TForm1& w, const char* name) {
  return w.findChild<QAction*>(QString::fromUtf8(name));
}

QString PanelText(TForm1& w, int panel) {
  const auto labels = w.findChild<QStatusBar*>("StatusBar1")->findChildren<QLabel*>();
  return labels.value(panel) != nullptr ? labels.value(panel)->text() : QString();
}

QString Commentary(TForm1& w) {
  return w.findChild<QLabel*>("Label1")->text();
}

QString MoveCaption(TForm1& w) {
  return w.findChild<QPushButton*>("MoveButton")->text();
}

// The Move button's captions and the professional's first two remarks.
const char* const kCaptionsRu[] = {"Ход", "Беру",  "Отбой",      "Взять карту", "Пропустить",
                                   "",    "Ждите", "Cброс карт", "ОК"};
const char* const kCaptionsEn[] = {"Move", "Pick up", "Discard",    "Take card", "Pass",
                                   "",     "Wait",    "Drop cards", "OK"};
const char* const kOpeningRu[] = {"Ваш ход !", "Отбивайтесь !"};
const char* const kOpeningEn[] = {"Your turn !", "Beat off !"};

TEST(GameItems, ChoosingAGameSwitchesToItAndItsCaption) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  Item(w, "MMNine")->trigger();
  EXPECT_EQ(w.game().t.VidG, 7);
  EXPECT_EQ(w.game().t.FormG, 0);
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Девятка"));
  EXPECT_TRUE(Item(w, "MMNine")->isChecked());
  EXPECT_FALSE(Item(w, "MMThrowUp_s")->isChecked());
  EXPECT_TRUE(Item(w, "MMNine1")->isChecked()) << "the English menu shows the same game";
  EXPECT_EQ(Stored(Edition285()).value("VidG").toInt(), 7);

  Item(w, "MMTransfer_p")->trigger();
  EXPECT_EQ(w.game().t.VidG, 3);
  EXPECT_EQ(w.game().t.FormG, 2);
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Наваленный дурак - переводной"));
}

TEST(GameItems, ChoosingTheGameInPlayKeepsItsMark) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet(0, 1));
  w.ShowAndStart();
  Item(w, "MMThrowUp_s")->trigger();  // Qt flips the mark; the menu puts it right
  EXPECT_TRUE(Item(w, "MMThrowUp_s")->isChecked());
  EXPECT_EQ(w.game().t.FormG, 1);
}

TEST(GameItems, OpeningAMenuShowsTheStateOfTheTable) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  w.game().program.NetRole = 1;  // a network game: the games played alone are closed
  emit w.findChild<QMenu*>("MMOtherGame")->aboutToShow();
  EXPECT_FALSE(Item(w, "MMScarf")->isEnabled());
  EXPECT_TRUE(Item(w, "MMNine")->isEnabled());
  EXPECT_FALSE(Item(w, "MUndo")->isEnabled());
  w.game().program.NetRole = -1;
  emit w.findChild<QMenu*>("MMGame")->aboutToShow();
  EXPECT_TRUE(Item(w, "MMScarf")->isEnabled());
  EXPECT_TRUE(Item(w, "MUndo")->isEnabled());
}

TEST(LanguageKey, F9SwitchesMenusCaptionStatusBarCommentaryAndMoveButtonAtOnce) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet(0, 1));
  w.ShowAndStart();
  const TTableState& t = w.game().t;
  ASSERT_EQ(w.game().program.Lang, 0);
  ASSERT_GE(t.CommentId, 0);
  ASSERT_LE(t.CommentId, 1);
  ASSERT_GE(t.ButtonCaptionId, 0);
  ASSERT_LE(t.ButtonCaptionId, 8);
  EXPECT_EQ(Commentary(w), QString::fromUtf8(kOpeningRu[t.CommentId]));
  EXPECT_EQ(MoveCaption(w), QString::fromUtf8(kCaptionsRu[t.ButtonCaptionId]));
  EXPECT_EQ(PanelText(w, 0), QString::fromUtf8(" С вами играет профессионал среднего уровня"));

  Key(&w, Qt::Key_F9);
  EXPECT_EQ(w.game().program.Lang, 1);
  EXPECT_TRUE(w.findChild<QMenuBar*>("MainMenu1")->isVisible());
  EXPECT_FALSE(w.findChild<QMenuBar*>("MainMenu")->isVisible());
  EXPECT_TRUE(Item(w, "English1")->isChecked());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Thrown up fool"));
  EXPECT_EQ(PanelText(w, 0), QStringLiteral(" You play with the professional of a medium level"));
  EXPECT_EQ(Commentary(w), QString::fromUtf8(kOpeningEn[t.CommentId]));
  EXPECT_EQ(MoveCaption(w), QString::fromUtf8(kCaptionsEn[t.ButtonCaptionId]));
  EXPECT_EQ(Stored(Edition285()).value("Lang").toInt(), 1);

  Key(&w, Qt::Key_F9);
  EXPECT_EQ(w.game().program.Lang, 0);
  EXPECT_TRUE(w.findChild<QMenuBar*>("MainMenu")->isVisible());
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Подкидной дурак"));
}

TEST(LanguageKey, TheLanguageItemsSelectTheirOwnLanguage) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  Item(w, "English")->trigger();
  EXPECT_EQ(w.game().program.Lang, 1);
  Item(w, "English1")->trigger();
  EXPECT_EQ(w.game().program.Lang, 1) << "the language in use stays";
  EXPECT_TRUE(Item(w, "English1")->isChecked());
  Item(w, "Russian1")->trigger();
  EXPECT_EQ(w.game().program.Lang, 0);
}

TEST(Shortcuts, AreIgnoredWhileTheModalFlagIsDown) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  w.game().program.ModalFlag = -1;
  Key(&w, Qt::Key_F9);
  Key(&w, Qt::Key_F8);
  EXPECT_EQ(w.game().program.Lang, 0);
  EXPECT_EQ(w.game().t.Options.Animation, 1);
  w.game().program.ModalFlag = 1;
  Key(&w, Qt::Key_F8);
  EXPECT_EQ(w.game().t.Options.Animation, 0);
}

TEST(Shortcuts, F2OfTheShownMenuDealsANewGame) {
  // Both menus carry F2; only the shown one may answer it.
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  QApplication::setActiveWindow(&w);
  for (int lang : {0, 1}) {
    w.game().t.SourceRow = 5;  // a new deal forgets any picked card
    Key(&w, Qt::Key_F2);
    EXPECT_EQ(w.game().t.SourceRow, -1) << "language " << lang;
    Key(&w, Qt::Key_F9);
  }
}

TEST(Shortcuts, F7TurnsThrowUpIntoTransferInTheCaption) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet(1, 1));
  w.ShowAndStart();
  Key(&w, Qt::Key_F7);
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Японский дурак - переводной"));
  EXPECT_TRUE(Item(w, "MMTransfer_j")->isChecked());
}

TEST(Shortcuts, EscapeMinimisesKalvenarButNotKalvenor) {
  ForgetSettings(Edition285());
  ForgetSettings(Edition284());
  {
    TForm1 w(Edition285(), Quiet());
    w.ShowAndStart();
    Key(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isMinimized());
  }
  {
    TForm1 w(Edition284(), Quiet());
    w.ShowAndStart();
    Key(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isMinimized());
  }
}

TEST(WindowKeyboardPlay, TheArrowsSelectACardAndUpLaysIt) {
  // A deal in which the player leads.
  for (int64_t seed = 1; seed < 40; ++seed) {
    ForgetSettings(Edition285());
    TForm1 w(Edition285(), Quiet(0, 1, seed));
    w.ShowAndStart();
    const TTableState& t = w.game().t;
    if (t.WhoseTurn != 1 || t.RowCount[2] != 0) continue;
    const int n = t.RowCount[1];
    Key(&w, Qt::Key_Left);  // nothing selected: the first card
    Key(&w, Qt::Key_Left);  // ... and round to the last
    ASSERT_EQ(t.HitIndex, n - 1);
    const TCard led = t.CardGrid[1][n - 1];
    Key(&w, Qt::Key_Up);
    ASSERT_GE(t.RowCount[2], 1) << "seed " << seed;
    EXPECT_EQ(t.CardGrid[2][0].Suit, led.Suit);
    EXPECT_EQ(t.CardGrid[2][0].Rank, led.Rank);
    EXPECT_TRUE(w.findChild<QStatusBar*>("StatusBar1")->hasFocus() ||
                QApplication::focusWidget() == nullptr)
        << "no button keeps the focus";
    return;
  }
  FAIL() << "no deal in which the player leads";
}

TEST(WindowKeyboardPlay, WithTheCardsScaledThePointerIsPutOnTheMagnifiedCard) {
  for (int64_t seed = 1; seed < 40; ++seed) {
    ForgetSettings(Edition285());
    StartOptions o = Quiet(0, 1, seed);
    o.size = std::make_pair(1600, 1000);
    o.sets.emplace_back("ScaleCards", 1);
    TForm1 w(Edition285(), o);
    w.ShowAndStart();
    const TTableState& t = w.game().t;
    if (t.WhoseTurn != 1 || t.RowCount[2] != 0) continue;
    ASSERT_GT(w.tableScale().factor, 2.0);
    const int n = t.RowCount[1];
    Key(&w, Qt::Key_Left);
    Key(&w, Qt::Key_Left);
    ASSERT_EQ(t.HitIndex, n - 1);
    // The pointer went where the card is shown, which is the card's place
    // on the table once mapped back.
    const QPoint on = w.ViewToTable(w.centralWidget()->mapFromGlobal(QCursor::pos()));
    const int left = HandCardX(t, n, n - 1);
    EXPECT_GE(on.x(), left);
    EXPECT_LT(on.x(), left + kCardWidth);
    EXPECT_GE(on.y(), t.PlayerHandY);
    EXPECT_LT(on.y(), t.PlayerHandY + kCardHeight);
    const TCard led = t.CardGrid[1][n - 1];
    Key(&w, Qt::Key_Up);
    ASSERT_GE(t.RowCount[2], 1) << "seed " << seed;
    EXPECT_EQ(t.CardGrid[2][0].Rank, led.Rank);
    return;
  }
  FAIL() << "no deal in which the player leads";
}

TEST(Help, F1OpensTheContentsOfTheLanguage) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  Key(&w, Qt::Key_F1);
  auto* help = w.findChild<HelpWindow*>("HelpWindow");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  if (QFile::exists(HelpContentsPath(0))) {
    EXPECT_EQ(help->Page(), QUrl("qrc:/help/ru/index.html"));
  } else {
    EXPECT_TRUE(help->Page().isEmpty());
  }
  Key(&w, Qt::Key_F9);
  if (QFile::exists(HelpContentsPath(1))) {
    EXPECT_EQ(help->Page(), QUrl("qrc:/help/en/index.html")) << "an open help follows the language";
  }
  EXPECT_EQ(help->windowTitle(), QStringLiteral("Help"));
}

TEST(Help, EscapeOrThePlatformsCloseKeysPutTheHelpAway) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  std::vector<QKeySequence> closers = {QKeySequence(Qt::Key_Escape)};
  for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Close))
    closers.push_back(keys);
  for (const QKeySequence& keys : closers) {
    SCOPED_TRACE(keys.toString().toStdString());
    Key(&w, Qt::Key_F1);
    auto* help = w.findChild<HelpWindow*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isVisible());
    QApplication::setActiveWindow(help);
    QTest::keySequence(help, keys);
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(w.isMinimized()) << "Escape in the help is not the table's Escape";
  }
}

// Whether a label's text fits the panel it lies on, the panel's frame and
// margins aside.
bool Fits(const QLabel* label, const QWidget* panel) {
  return label->fontMetrics().horizontalAdvance(label->text()) + 8 <= panel->width();
}

TEST(TablePanels, TheSuitPanelFitsItsCaptionInBothLanguagesAndFollowsF9) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet(6, 0));  // Eights
  w.ShowAndStart();
  auto* panel = w.findChild<QWidget*>("TrumpPanel");
  ASSERT_TRUE(panel->isVisible());
  const QLabel* caption = panel->findChild<QLabel*>();
  EXPECT_EQ(caption->text(), QString::fromUtf8("Заказать масть"));
  EXPECT_TRUE(Fits(caption, panel));
  Key(&w, Qt::Key_F9);
  EXPECT_EQ(caption->text(), QStringLiteral(" Choose the suit"));
  EXPECT_TRUE(Fits(caption, panel));
}

TEST(TablePanels, ThePointsPanelFitsEveryCaptionInBothLanguages) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  auto* panel = w.findChild<QWidget*>("PointsPanel");
  for (const char* text : {"Игра ведется до 100 очков", "Game is playing up to 100 pts",
                           "Компьютер :    100", "Игрок :             100"}) {
    QLabel probe(QString::fromUtf8(text), panel);
    EXPECT_TRUE(Fits(&probe, panel)) << text;
  }
}

TEST(TablePanels, ThePackCounterIsBoldSixteenPixels) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  const QFont font = w.findChild<QLabel*>("LabelPack")->font();
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(font.pixelSize(), 16);
}

TEST(TablePanels, TheMoveButtonNeverKeepsACaptionOfTheGameBefore) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet(0, 1));
  w.ShowAndStart();
  const QStringList durakOnly = {QString::fromUtf8("Беру"), QString::fromUtf8("Отбой")};
  const auto* button = w.findChild<QPushButton*>("MoveButton");
  for (const char* game : {"MMEights", "MMNine", "MMThrowUp_s", "MMScarf", "MMEights"}) {
    Item(w, game)->trigger();
    if (QString::fromUtf8(game).startsWith("MMThrowUp") || !button->isVisible()) continue;
    EXPECT_FALSE(durakOnly.contains(MoveCaption(w)))
        << game << ": " << MoveCaption(w).toStdString();
  }
}

TEST(OnMoney, OpensItsOwnPageOfTheHelpInTheLanguage) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), Quiet());
  w.ShowAndStart();
  Item(w, "OnMoney")->trigger();
  auto* help = w.findChild<HelpWindow*>("HelpWindow");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->Page(), QUrl("qrc:/help/ru/0_online.htm"));
  help->close();
  Key(&w, Qt::Key_F9);
  Item(w, "Onmoney1")->trigger();
  EXPECT_EQ(help->Page(), QUrl("qrc:/help/en/0_online.htm"));
  EXPECT_TRUE(QFile::exists(":/help/en/0_online.htm"));
  EXPECT_TRUE(QFile::exists(":/help/ru/0_online.htm"));
}

TEST(WindowGeometry, ClosingWritesTheSizeAndPlace) {
  ForgetSettings(Edition285());
  {
    TForm1 w(Edition285(), QuietAnySize());
    w.ShowAndStart();
    w.resize(700, 520);
    w.move(33, 44);
    QApplication::processEvents();
    w.close();
  }
  QSettings s = Stored(Edition285());
  EXPECT_EQ(s.value("Width").toInt(), 700);
  EXPECT_EQ(s.value("Height").toInt(), 520);
  EXPECT_EQ(s.value("Left").toInt(), 33);
  EXPECT_EQ(s.value("Top").toInt(), 44);
  EXPECT_EQ(s.value("SizeStateWindow").toInt(), 0);
}

// A first run that leaves the window 720 x 530 at (50, 60).
void RunOnceAndLeaveTheWindowAt(QPoint place) {
  ForgetSettings(Edition285());
  TForm1 w(Edition285(), QuietAnySize());
  w.ShowAndStart();
  w.resize(720, 530);
  w.move(place);
  QApplication::processEvents();
  w.close();
}

TEST(WindowGeometry, TheSecondStartTakesTheSizeAndWithPosThePlace) {
  RunOnceAndLeaveTheWindowAt(QPoint(50, 60));
  Store(Edition285(), {{"Pos", 1}});
  TForm1 w(Edition285(), QuietAnySize());
  w.ShowAndStart();
  EXPECT_EQ(w.size(), QSize(720, 530));
  EXPECT_EQ(w.pos(), QPoint(50, 60));
}

TEST(WindowGeometry, WithoutPosTheWindowStandsInTheMiddleOfTheScreen) {
  RunOnceAndLeaveTheWindowAt(QPoint(50, 60));
  TForm1 w(Edition285(), QuietAnySize());
  w.ShowAndStart();
  EXPECT_EQ(w.size(), QSize(720, 530)) << "the size is kept all the same";
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // Within the window frame's few pixels.
  EXPECT_LE(std::abs(w.geometry().center().x() - screen.center().x()), 4);
  EXPECT_LE(std::abs(w.geometry().center().y() - screen.center().y()), 4);
}

TEST(WindowGeometry, WithoutSizeWindowTheWindowAlwaysStartsAtItsSmallestSize) {
  ForgetSettings(Edition285());
  {
    TForm1 first(Edition285(), QuietAnySize());
    first.close();
  }
  Store(Edition285(), {{"SizeWindow", 0}, {"Width", 900}, {"Height", 700}});
  TForm1 w(Edition285(), QuietAnySize());
  w.ShowAndStart();
  EXPECT_EQ(w.size(), QSize(635, 475));
}

TEST(WindowGeometry, AMaximisedWindowReopensMaximisedWhateverItsPlace) {
  ForgetSettings(Edition285());
  {
    TForm1 first(Edition285(), QuietAnySize());
    first.close();
  }
  Store(Edition285(), {{"SizeStateWindow", 1}, {"Pos", 1}, {"Left", 77}, {"Top", 88}});
  TForm1 w(Edition285(), QuietAnySize());
  w.ShowAndStart();
  EXPECT_TRUE(w.isMaximized());
  w.close();
  EXPECT_EQ(Stored(Edition285()).value("SizeStateWindow").toInt(), 1);
}

TEST(Editions, BothStartWithTheirOwnTitles) {
  ForgetSettings(Edition285());
  ForgetSettings(Edition284());
  {
    TForm1 w(Edition285(), Quiet(0, 1));
    w.ShowAndStart();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Подкидной дурак"));
    EXPECT_EQ(w.ApplicationTitle(), QString::fromUtf8("Подкидной дурак"));
  }
  {
    TForm1 w(Edition284(), Quiet(21, 0));
    w.ShowAndStart();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Память"));
    EXPECT_EQ(w.ApplicationTitle(), QString::fromUtf8("Дурак"));
    EXPECT_TRUE(Item(w, "MMMemory")->isChecked());
    Key(&w, Qt::Key_F9);
    EXPECT_EQ(w.ApplicationTitle(), QStringLiteral("Fool"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Memory"));
  }
}

}  // namespace
