// The Options dialog on the real window: every control shows the stored
// option at opening, OK stores every change under its name and the window
// takes it at once, "default", the statistics box, the page kept, Cancel.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "dialog_window.h"
#include "ui/dialog_parts.h"
#include "ui/propertie_form.h"

namespace {

enum class Control { Radio, Check, Pack, Slider };

struct Bound {
  const char* control;
  const char* setting;
  Control type;
  int value;  // a stored value other than the first start's
};

// In the order a player can set them: the level and strong play while the
// professional is chosen, the swindle once the sharper is, the voice once one speaks.
const Bound kBound[] = {
    {"LevelRadioGroup", "Level", Control::Radio, 2},
    {"SearchCheckBox", "Search", Control::Check, 1},
    {"StyleGameRadioGroup", "Style", Control::Radio, 4},
    {"CheckingSharperCheckBox", "CheckS", Control::Check, 0},
    {"LevelSharperRadioGroup", "LevelS", Control::Radio, 1},
    {"TrumpLeftOrRightRadioGroup", "Tr_Left_Right", Control::Radio, 1},
    {"TrumpSuitOrOldRadioGroup", "Tr_Suit_Old", Control::Radio, 0},
    {"AnimationSpeedTrackBar", "Speed", Control::Slider, 70},
    {"AnimationCheckBox", "Animation", Control::Check, 0},
    {"SpecEffectCheckBox", "SpecEffect", Control::Check, 0},
    {"PackRadioGroup", "Pack", Control::Pack, 52},
    {"ShowCountPackCheckBox", "ShowCountPack", Control::Check, 1},
    {"FirstMoveRadioGroup", "1_Move", Control::Radio, 3},
    {"LastCardsRadioGroup", "LastCards", Control::Radio, 1},
    {"ChangeTrumpRadioGroup", "ChangeTr", Control::Radio, 2},
    {"LastCardGameCheckBox", "LastCardGame", Control::Check, 1},
    {"FirstDiscardTransferCheckBox", "1_DiscardTransfer", Control::Check, 1},
    {"ThrowUpMore6CardsCheckBox", "ThrowUpMore6Cards", Control::Check, 1},
    {"EffectRadioGroup", "Sound", Control::Radio, 3},
    {"VoiceRadioGroup", "V_Old", Control::Radio, 1},
    {"SexRadioGroup", "V_Sex", Control::Radio, 1},
    {"SoundMessageRadioGroup", "Mess", Control::Radio, 2},
    {"StatisticaCheckBox", "Stat", Control::Check, 0},
    {"StatisticaRadioGroup", "NumberOrPercent", Control::Radio, 1},
    {"SeparateRadioGroup", "StatSeparate", Control::Radio, 1},
    {"ChatRadioGroup", "Chat", Control::Radio, 1},
    {"SizeWindowGameCheckBox", "SizeWindow", Control::Check, 0},
    {"PositionWindowGameCheckBox", "Pos", Control::Check, 1},
    {"SaveGameCheckBox", "Save", Control::Check, 1},
    {"StatusBarCheckBox", "StBar", Control::Check, 0},
    {"CallNewGameCheckBox", "CallNewGame", Control::Check, 0},
    {"ConformationNewGameCheckBox", "ConfNewgame", Control::Check, 1},
    {"MinimizeOnEscapeCheckBox", "MinOnEscape", Control::Check, 0},
    {"ScaleCardsCheckBox", "ScaleCards", Control::Check, 1},
};

constexpr int kStyle = 2;  // the style's place in kBound

int Shown(QDialog& d, const Bound& b) {
  const QString name = QString::fromLatin1(b.control);
  switch (b.type) {
    case Control::Radio:
      return d.findChild<RadioGroup*>(name)->Index();
    case Control::Pack:
      return d.findChild<RadioGroup*>(name)->Index() == 1 ? 52 : 36;
    case Control::Check:
      return d.findChild<QCheckBox*>(name)->isChecked() ? 1 : 0;
    case Control::Slider:
      return d.findChild<QSlider*>(name)->value();
  }
  return -1;
}

void Set(QDialog& d, const Bound& b, int value) {
  const QString name = QString::fromLatin1(b.control);
  switch (b.type) {
    case Control::Radio:
      d.findChild<RadioGroup*>(name)->Item(value)->click();
      break;
    case Control::Pack:
      d.findChild<RadioGroup*>(name)->Item(value == 52 ? 1 : 0)->click();
      break;
    case Control::Check:
      d.findChild<QCheckBox*>(name)->setChecked(value == 1);
      break;
    case Control::Slider:
      d.findChild<QSlider*>(name)->setValue(value);
      break;
  }
}

void Press(QDialog& d, const char* button) {
  d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

QCheckBox* Box(QDialog& d, const char* name) {
  return d.findChild<QCheckBox*>(QString::fromLatin1(name));
}

TEST(OptionsDialog, EveryControlShowsTheStoredOptionAtOpening) {
  StartFrom({});
  {
    QSettings s = StoredSettings();
    for (const Bound& b : kBound) s.setValue(b.setting, b.value);
  }
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  TPropertieForm form(w.game(), &w);
  for (const Bound& b : kBound) EXPECT_EQ(Shown(form, b), b.value) << b.control;
  // The sharper plays: his swindle can be set, the professional's level not.
  EXPECT_FALSE(form.findChild<RadioGroup*>("LevelRadioGroup")->isEnabled());
  EXPECT_FALSE(Box(form, "SearchCheckBox")->isEnabled()) << "strong play is the professional's";
  EXPECT_EQ(Box(form, "SearchCheckBox")->text(), QString::fromUtf8("Сильная игра"));
  EXPECT_TRUE(form.findChild<RadioGroup*>("LevelSharperRadioGroup")->isEnabled());
  EXPECT_TRUE(form.findChild<RadioGroup*>("VoiceRadioGroup")->isEnabled());
  EXPECT_FALSE(Box(form, "defaultCheckBox")->isChecked());
  EXPECT_FALSE(Box(form, "ClearStatisticaCheckBox")->isChecked());
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Параметры"));
}

TEST(OptionsDialog, OkStoresEveryChangeUnderItsNameAndTheWindowTakesItAtOnce) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  ASSERT_TRUE(w.findChild<QStatusBar*>("StatusBar1")->isVisible());
  int flagWhileOpen = 0;
  const bool opened = WithDialogOf(w, "MProperties", [&](QDialog& d) {
    flagWhileOpen = w.game().program.ModalFlag;
    for (const Bound& b : kBound) Set(d, b, b.value);
    d.findChild<QTabWidget*>("PropertiesPageControl")->setCurrentIndex(3);
    Press(d, "OKButton");
  });
  ASSERT_TRUE(opened);
  EXPECT_EQ(flagWhileOpen, -1) << "no shortcut runs under the dialog";
  EXPECT_EQ(w.game().program.ModalFlag, 1);
  for (const Bound& b : kBound) EXPECT_EQ(StoredValue(b.setting), b.value) << b.setting;
  EXPECT_EQ(StoredValue("PropPage"), 3);
  // The window works with the new options already.
  const TOptions& o = w.game().t.Options;
  EXPECT_EQ(o.Style, 4);
  EXPECT_EQ(o.TrLeftRight, 1);
  EXPECT_EQ(o.Speed, 70);
  EXPECT_EQ(o.Sound, 3);
  EXPECT_EQ(w.game().program.PackSize, 52);
  EXPECT_FALSE(w.findChild<QStatusBar*>("StatusBar1")->isVisible()) << "status bar off at once";
}

TEST(OptionsDialog, CancelKeepsEverythingButThePageAndTheDialogReopensOnIt) {
  StartFrom({{"Style", 2}});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  ASSERT_TRUE(WithDialogOf(w, "MProperties", [&](QDialog& d) {
    d.findChild<QTabWidget*>("PropertiesPageControl")->setCurrentIndex(6);
    Set(d, kBound[kStyle], 0);
    Box(d, "SaveGameCheckBox")->setChecked(true);
    Press(d, "CancelButton");
  }));
  EXPECT_EQ(StoredValue("Style"), 2);
  EXPECT_EQ(StoredValue("Save"), 0);
  EXPECT_EQ(StoredValue("PropPage"), 6);
  int page = -1;
  WithDialogOf(w, "MProperties", [&](QDialog& d) {
    page = d.findChild<QTabWidget*>("PropertiesPageControl")->currentIndex();
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_EQ(page, 6);
}

TEST(OptionsDialog, DefaultSetsTheControlsAndUncheckingItBringsTheOptionsBack) {
  StartFrom({{"Style", 4}, {"Speed", 60}, {"Sound", 2}, {"Pack", 52}, {"Save", 1}});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  TPropertieForm form(w.game(), &w);
  Set(form, kBound[kStyle], 1);  // the simpleton shown before the box is checked
  Box(form, "defaultCheckBox")->setChecked(true);
  const OptionsFormValues defaults = OptionsFormDefaults();
  EXPECT_EQ(form.Shown(), defaults);
  EXPECT_TRUE(form.findChild<RadioGroup*>("LevelRadioGroup")->isEnabled());
  EXPECT_TRUE(Box(form, "SearchCheckBox")->isEnabled());
  EXPECT_FALSE(Box(form, "SearchCheckBox")->isChecked()) << "strong play is off by default";
  EXPECT_FALSE(Box(form, "CheckingSharperCheckBox")->isEnabled());
  EXPECT_EQ(StoredValue("Speed"), 30) << "the slider moved, so the speed is written";

  Box(form, "defaultCheckBox")->setChecked(false);
  EXPECT_EQ(form.Shown().Style, 1) << "the style shown before";
  EXPECT_EQ(form.Shown().Speed, 60);
  EXPECT_EQ(form.Shown().Sound, 2);
  EXPECT_EQ(form.Shown().Pack, 52);
  EXPECT_EQ(StoredValue("Speed"), 60) << "and written back";
}

TEST(OptionsDialog, OkWithDefaultWritesTheResetValuesAndWithTheBoxClearsTheStatistics) {
  StartFrom({{"Style", 0},
             {"Width", 900},
             {"Height", 700},
             {"BackGr", 5},
             {"S_My", 7},
             {"R_Memory36", 40},
             {"S_Comp_c", 3}});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  ASSERT_TRUE(WithDialogOf(w, "MProperties", [&](QDialog& d) {
    Box(d, "defaultCheckBox")->setChecked(true);
    Box(d, "ClearStatisticaCheckBox")->setChecked(true);
    Press(d, "OKButton");
  }));
  EXPECT_EQ(StoredValue("Style"), 5);
  EXPECT_EQ(StoredValue("Width"), 600);
  EXPECT_EQ(StoredValue("Height"), 437);
  EXPECT_EQ(StoredValue("BackGr"), 5) << "the background is not an option the reset touches";
  for (const char* counter : {"S_My", "R_Memory36", "S_Comp_c"})
    EXPECT_EQ(StoredValue(counter), 0) << counter;
  EXPECT_EQ(w.game().t.Stats[0].Wins, 0);
  EXPECT_EQ(w.game().t.Options.Style, 5);
}

TEST(OptionsDialog, TheNetworkClientCannotChangeTheRulesOrTheDeck) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  w.game().program.NetRole = 0;
  TPropertieForm form(w.game(), &w);
  EXPECT_FALSE(form.findChild<RadioGroup*>("PackRadioGroup")->isEnabled());
  EXPECT_FALSE(form.findChild<RadioGroup*>("FirstMoveRadioGroup")->isEnabled());
  EXPECT_FALSE(Box(form, "ThrowUpMore6CardsCheckBox")->isEnabled());
  EXPECT_TRUE(Box(form, "SaveGameCheckBox")->isEnabled());
  w.game().program.NetRole = -1;
}

TEST(OptionsDialog, EnglishTextsAndTheOlderProgramReadsTheStore) {
  StartFrom({{"Lang", 1}});
  {
    TForm1 w(Edition285(), QuietStart());
    w.ShowAndStart();
    TPropertieForm form(w.game(), &w);
    EXPECT_EQ(form.windowTitle(), QString("Options"));
    EXPECT_EQ(form.findChild<RadioGroup*>("StyleGameRadioGroup")->title(),
              QString("Style of game"));
    EXPECT_EQ(Box(form, "defaultCheckBox")->text(), QString("default"));
    EXPECT_EQ(Box(form, "SearchCheckBox")->text(), QString("Strong play"));
    EXPECT_EQ(form.findChild<QTabWidget*>("PropertiesPageControl")->tabText(0), QString(" Game "));
  }
  StartFrom({{"Style", 3}}, Edition284());
  TForm1 w(Edition284(), QuietStart());
  w.ShowAndStart();
  w.game().t.Options.Style = 1;  // the table state says otherwise: 2.84 shows the store
  TPropertieForm form(w.game(), &w);
  EXPECT_EQ(form.Shown().Style, 3);
  EXPECT_FALSE(Box(form, "MinimizeOnEscapeCheckBox")->isVisibleTo(&form));
}

}  // namespace
