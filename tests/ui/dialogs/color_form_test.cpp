// The table background and card back dialog on the real window: a click
// changes the table behind the dialog at once, a double click takes the
// picture and closes, Cancel puts back what was there, "Others" shows the
// second set of backs.
#include "ui/color_form.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "dialog_window.h"

namespace {

void ClickPicture(QWidget& d, int i) {
  QTest::mouseClick(&d, Qt::LeftButton, {}, TColorForm::PictureRect(i).center());
}

QImage Table(TForm1& w) {
  return w.pictures().BackBuffer.copy();
}

TEST(ColorDialog, AClickChangesTheTableAtOnceAndCancelPutsItBack) {
  StartFrom({{"BackGr", 2}});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  const QImage before = Table(w);
  TColorForm form(w.game(), w.artwork(), LookMode::Background, &w);
  EXPECT_EQ(form.Framed(), 2);
  EXPECT_FALSE(form.findChild<QPushButton*>("OtherButton")->isVisibleTo(&form));
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Фон карточного стола"));

  ClickPicture(form, 11);
  EXPECT_EQ(StoredValue("BackGr"), 11);
  EXPECT_EQ(w.game().t.Options.BackGr, 11);
  EXPECT_EQ(form.Framed(), 11);
  EXPECT_NE(Table(w), before) << "the table behind the dialog shows the new background";

  form.findChild<QPushButton*>("CancelButton")->click();
  EXPECT_EQ(StoredValue("BackGr"), 2);
  EXPECT_EQ(w.game().t.Options.BackGr, 2);
  EXPECT_EQ(Table(w), before);
}

TEST(ColorDialog, ADoubleClickTakesTheBackAndClosesOkKeepsIt) {
  StartFrom({{"Suit", 53}});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  {
    TColorForm form(w.game(), w.artwork(), LookMode::CardBack, &w);
    form.show();
    QTest::mouseDClick(&form, Qt::LeftButton, {}, TColorForm::PictureRect(6).center());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
  }
  EXPECT_EQ(StoredValue("Suit"), 58);
  EXPECT_EQ(w.game().t.Options.CardBack, 58);

  TColorForm form(w.game(), w.artwork(), LookMode::CardBack, &w);
  ClickPicture(form, 0);
  form.findChild<QPushButton*>("OKButton")->click();
  EXPECT_EQ(StoredValue("Suit"), 52);
}

TEST(ColorDialog, ABackOfTheSecondSetOpensOnItAndOthersSwitchesTheSet) {
  StartFrom({{"Suit", 70}});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  TColorForm form(w.game(), w.artwork(), LookMode::CardBack, &w);
  EXPECT_EQ(form.BackSet(), 1);
  EXPECT_EQ(form.Framed(), 4);
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Рубашка"));
  form.findChild<QPushButton*>("OtherButton")->click();
  EXPECT_EQ(form.BackSet(), 0);
  EXPECT_EQ(form.Framed(), -1);
  ClickPicture(form, 1);
  EXPECT_EQ(StoredValue("Suit"), 53);
  form.reject();  // Escape
  EXPECT_EQ(StoredValue("Suit"), 70);
  EXPECT_EQ(w.game().t.Options.CardBack, 70);
}

TEST(ColorDialog, TheMenuOpensItUnderTheModalFlagAndNotInTheGuessingGame) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  int flag = 0;
  EXPECT_TRUE(WithDialogOf(w, "MColorTable", [&](QDialog& d) {
    flag = w.game().program.ModalFlag;
    ClickPicture(d, 3);
    d.findChild<QPushButton*>("OKButton")->click();
  }));
  EXPECT_EQ(flag, -1);
  EXPECT_EQ(w.game().program.ModalFlag, 1);
  EXPECT_EQ(StoredValue("BackGr"), 3);

  w.game().t.GuessMode = 1;
  EXPECT_FALSE(WithDialogOf(w, "MSuit", [](QDialog&) {}));
  EXPECT_FALSE(WithDialogOf(w, "MProperties", [](QDialog&) {}));
  w.game().t.GuessMode = 0;
}

}  // namespace
