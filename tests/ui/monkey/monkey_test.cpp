// A monkey at the window: in every game of both editions, hundreds of random
// presses, releases, moves, double clicks, Move button clicks, keys,
// shortcuts and menu choices, with every message box and dialog answered at
// random, first with the cards flying and then without. After each event the
// table must still be a table of its game, and at the end every option in the
// settings file must still be one the program can use.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "persistence/settings.h"
#include "persistence/settings_schema.h"
#include "play/self_play.h"
#include "ui/card_animator.h"
#include "ui/main_window.h"

namespace {

struct MonkeyGame {
  const Edition* edition;
  int vidg, formg;
};

std::vector<MonkeyGame> EveryGame() {
  std::vector<MonkeyGame> games;
  for (const Edition* e : {&Edition285(), &Edition284()})
    for (int i = 0; i < e->catalogueSize; ++i)
      games.push_back({e, e->catalogue[i].VidG, e->catalogue[i].FormG});
  return games;
}

std::string GameLabel(const testing::TestParamInfo<MonkeyGame>& info) {
  return "v" + std::to_string(info.param.edition->version) + "_" +
         std::to_string(info.param.vidg) + "_" + std::to_string(info.param.formg);
}

int EventsPerRun() {
  bool ok = false;
  const int n = qEnvironmentVariableIntValue("KALVENAR_MONKEY_EVENTS", &ok);
  return ok && n > 0 ? n : 1000;
}

// Answers whatever modal box or dialog is open with one of its buttons, or
// by accepting or rejecting it, so that the monkey never waits for a person.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::mt19937& random) : random_(random) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start();
  }

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      const QList<QAbstractButton*> buttons = box->buttons();
      if (!buttons.isEmpty()) {
        buttons[static_cast<qsizetype>(random_() % buttons.size())]->click();
        return;
      }
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      random_() % 2 ? dialog->accept() : dialog->reject();
      return;
    }
    modal->close();
  }

  std::mt19937& random_;
  QTimer timer_;
};

const int kKeys[] = {Qt::Key_F2,    Qt::Key_F3,    Qt::Key_F4,   Qt::Key_F5,     Qt::Key_F7,
                     Qt::Key_F8,    Qt::Key_F9,    Qt::Key_F10,  Qt::Key_F11,    Qt::Key_F12,
                     Qt::Key_Left,  Qt::Key_Right, Qt::Key_Up,   Qt::Key_Down,   Qt::Key_Return,
                     Qt::Key_Space, Qt::Key_End,   Qt::Key_Minus, Qt::Key_Equal, Qt::Key_Escape,
                     Qt::Key_Control};
const int kCtrlKeys[] = {Qt::Key_Z, Qt::Key_S, Qt::Key_V};

class Monkey {
 public:
  Monkey(TForm1& window, std::mt19937& random) : window_(window), random_(random) {
    for (QAction* a : window.findChildren<QAction*>())
      if (IsGameItem(a->objectName())) gameItems_.push_back(a);
  }

  void OneEvent() {
    QWidget* table = window_.centralWidget();
    const QPoint at(Below(table->width()), Below(table->height()));
    switch (Below(10)) {
      case 0: QTest::mousePress(table, Button(), {}, at); break;
      case 1: QTest::mouseRelease(table, Button(), {}, at); break;
      case 2: QTest::mouseMove(table, at); break;
      case 3: QTest::mouseDClick(table, Qt::LeftButton, {}, at); break;
      case 4:
      case 5: QTest::mouseClick(table, Qt::LeftButton, {}, at); break;
      case 6: ClickMoveButton(); break;
      case 7: QTest::keyClick(&window_, static_cast<Qt::Key>(kKeys[Below(std::size(kKeys))])); break;
      case 8:
        if (Below(4) == 0)
          QTest::keyClick(&window_, static_cast<Qt::Key>(kCtrlKeys[Below(3)]), Qt::ControlModifier);
        break;
      case 9:
        if (Below(20) == 0 && !gameItems_.empty()) gameItems_[Below(gameItems_.size())]->trigger();
        break;
    }
  }

 private:
  static bool IsGameItem(const QString& name) {
    for (const Edition* e : {&Edition285(), &Edition284()})
      for (int i = 0; i < e->catalogueSize; ++i)
        if (name == e->catalogue[i].menuRu || name == e->catalogue[i].menuEn) return true;
    return false;
  }
  int Below(std::size_t n) { return static_cast<int>(random_() % n); }
  Qt::MouseButton Button() { return Below(5) == 0 ? Qt::RightButton : Qt::LeftButton; }
  void ClickMoveButton() {
    auto* button = window_.findChild<QPushButton*>("MoveButton");
    if (button != nullptr && button->isVisible() && button->isEnabled()) button->click();
  }

  TForm1& window_;
  std::mt19937& random_;
  std::vector<QAction*> gameItems_;
};

class MonkeyTest : public testing::TestWithParam<MonkeyGame> {};

void RunMonkey(const MonkeyGame& m, int animation, int events) {
  StartOptions o;
  o.game = std::make_pair(m.vidg, m.formg);
  o.seed = m.vidg * 100 + m.formg;
  o.sets = {{"Animation", animation}, {"Speed", 90}, {"ConfNewgame", 0}, {"Sound", 0}};
  TForm1 window(*m.edition, o);
  for (const auto& [name, value] : o.sets) WriteSetting(window.game(), name, value);
  window.callouts().Animator().Clock().SetScale(0);
  window.ShowAndStart();
  QApplication::setActiveWindow(&window);

  std::mt19937 random(static_cast<unsigned>(o.seed.value() * 2 + animation));
  DialogAnswerer answerer(random);
  Monkey monkey(window, random);
  for (int i = 0; i < events; ++i) {
    monkey.OneEvent();
    QElapsedTimer waited;
    waited.start();
    while (window.callouts().Animator().Animating() && waited.elapsed() < 10000)
      QApplication::processEvents();
    ASSERT_FALSE(window.callouts().Animator().Animating()) << "still moving cards at event " << i;
    const std::string problem = TableProblem(window.game());
    ASSERT_EQ(problem, "") << "after event " << i;
  }
  for (const SettingEntry& entry : SettingsSchema()) {
    if (!SettingInEdition(*m.edition, entry)) continue;
    EXPECT_TRUE(SettingValueUsable(entry, ReadSetting(window.game(), entry.name))) << entry.name;
  }
  window.close();
}

TEST_P(MonkeyTest, TheTableStaysWholeUnderRandomInput) {
  const int events = EventsPerRun();
  RunMonkey(GetParam(), 1, events / 2);
  RunMonkey(GetParam(), 0, events / 2);
}

INSTANTIATE_TEST_SUITE_P(EveryGame, MonkeyTest, testing::ValuesIn(EveryGame()), GameLabel);

}  // namespace
