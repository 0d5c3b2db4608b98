// Undo move, Save game and Restore game from the menus of the real window,
// and the game kept on closing when the option "Save" is on. "save.dat" is
// written in the test's own current directory.
#include <gtest/gtest.h>

#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <memory>

#include "dialog_window.h"
#include "patience/hit_test.h"
#include "persistence/save_file.h"
#include "persistence/save_record.h"
#include "play/save_restore.h"
#include "ui/main_menu.h"
#include "ui/window_shell.h"

namespace {

// A window whose deal lets the player lead.
std::unique_ptr<TForm1> PlayerLeads() {
  for (int64_t seed = 1; seed < 60; ++seed) {
    auto w = std::make_unique<TForm1>(Edition285(), QuietStart(0, 1, seed));
    w->ShowAndStart();
    if (w->game().t.WhoseTurn == 1 && w->game().t.RowCount[2] == 0) return w;
  }
  return nullptr;
}

void ClickHandCard(TForm1& w, int slot) {
  const TTableState& t = w.game().t;
  const TRect box = HandCardBox(t, t.RowCount[1], slot);
  QTest::mouseClick(w.centralWidget(), Qt::LeftButton, {},
                    QPoint(box.Left + box.Width() / 2, box.Top + 48));
  QApplication::processEvents();
}

SaveRecord Slot(int slot) {
  const SlotRecord read = ReadSlot(DiskSaveFile(kSaveFileName), slot, Edition285());
  EXPECT_TRUE(read.record) << read.error;
  return read.record.value_or(SaveRecord{});
}

class SaveMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile::remove(kSaveFileName);
    StartFrom({{"Animation", 0}});
  }
};

TEST_F(SaveMenu, UndoTakesBackTheCardAndTheComputersAnswer) {
  auto w = PlayerLeads();
  ASSERT_TRUE(w);
  const TTableState before = w->game().t;
  ClickHandCard(*w, 0);
  ASSERT_EQ(w->game().t.RowCount[1], 5) << "the card was led";
  ASSERT_TRUE(QFile::exists(kSaveFileName)) << "the card left an undo point";

  MenuItem(*w, "MUndo")->trigger();
  EXPECT_EQ(w->game().t.CardGrid, before.CardGrid);
  EXPECT_EQ(w->game().t.RowCount, before.RowCount);
  EXPECT_EQ(w->game().t.WhoseTurn, 1);
  EXPECT_EQ(w->game().t.CommentId, before.CommentId);
}

TEST_F(SaveMenu, ASavedGameComesBackAfterAnotherGameWasChosen) {
  auto w = PlayerLeads();
  ASSERT_TRUE(w);
  ClickHandCard(*w, 0);
  const TTableState played = w->game().t;
  MenuItem(*w, "MSaveGame")->trigger();
  EXPECT_EQ(Slot(kSavedGameSlot), RecordFromTable(w->game()));

  MenuItem(*w, "MMScarf")->trigger();
  ASSERT_EQ(w->game().t.VidG, 8);
  MenuItem(*w, "MLoadGame")->trigger();
  EXPECT_EQ(w->game().t.VidG, 0);
  EXPECT_EQ(w->game().t.FormG, 1);
  EXPECT_EQ(w->game().t.CardGrid, played.CardGrid);
  EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Подкидной дурак"));
  EXPECT_TRUE(MenuItem(*w, "MMThrowUp_s")->isChecked());
  EXPECT_FALSE(MenuItem(*w, "MMScarf")->isChecked());
  EXPECT_EQ(StoredValue("VidG"), 0);
}

TEST_F(SaveMenu, ClosingWithSaveOnKeepsTheGameInTheSavedGameSlot) {
  StartFrom({{"Save", 1}});
  SaveRecord atClose;
  {
    TForm1 w(Edition285(), QuietStart(8, 0, 3));
    w.ShowAndStart();
    atClose = RecordFromTable(w.game());
    w.close();
  }
  ASSERT_TRUE(QFile::exists(kSaveFileName));
  EXPECT_EQ(Slot(kSavedGameSlot), atClose);

  QFile::remove(kSaveFileName);
  StartFrom({{"Save", 0}});
  {
    TForm1 w(Edition285(), QuietStart(8, 0, 3));
    w.ShowAndStart();
    w.close();
  }
  EXPECT_FALSE(QFile::exists(kSaveFileName));
}

// A key pressed in the window, which has the focus again after a dialog.
void Key(TForm1& w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QApplication::setActiveWindow(&w);
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(&w, &press);
  QApplication::processEvents();
}

TEST_F(SaveMenu, TheShortcutsUndoSaveRestoreAndOpenTheDialogsInBothLanguages) {
  auto w = PlayerLeads();
  ASSERT_TRUE(w);
  for (int lang : {0, 1}) {
    const TTableState before = w->game().t;
    ClickHandCard(*w, 0);
    ASSERT_FALSE(w->game().t.CardGrid == before.CardGrid);
    Key(*w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(w->game().t.CardGrid == before.CardGrid) << "Ctrl+Z, language " << lang;

    Key(*w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(Slot(kSavedGameSlot) == RecordFromTable(w->game())) << "Ctrl+S, language " << lang;
    ClickHandCard(*w, 0);
    Key(*w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(w->game().t.CardGrid == before.CardGrid) << "Ctrl+V, language " << lang;

    for (const int key : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F5}) {
      EXPECT_TRUE(WithDialogOpenedBy([&] { Key(*w, key); }, [](QDialog& d) { d.reject(); }))
          << "F" << key - Qt::Key_F1 + 1 << ", language " << lang;
    }
    Key(*w, Qt::Key_F9);
  }
}

TEST_F(SaveMenu, NothingIsSavedOrRestoredDuringTheGuessingGame) {
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  w.game().t.GuessMode = 1;
  w.shell().Command(MenuCommand::SaveGame);
  EXPECT_FALSE(QFile::exists(kSaveFileName));
  w.game().t.GuessMode = 0;
  w.shell().Command(MenuCommand::SaveGame);
  EXPECT_TRUE(QFile::exists(kSaveFileName));
  MenuItem(w, "MMNine")->trigger();
  w.game().t.GuessMode = 1;
  w.shell().Command(MenuCommand::RestoreGame);
  EXPECT_EQ(w.game().t.VidG, 7);
  w.game().t.GuessMode = 0;
}

}  // namespace
