// The Options dialog (F5): seven pages of options, a check box that puts
// every option back to its default, and OK and Cancel. What the controls
// show at opening and what OK writes are the engine's (play/options_dialog);
// this is the form. Every control carries its form name as objectName
// ("StyleGameRadioGroup", "AnimationSpeedTrackBar", "defaultCheckBox" ...).
#pragma once

#include <QDialog>

#include "core/game.h"
#include "play/options_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class RadioGroup;

class TPropertieForm final : public QDialog {
 public:
  TPropertieForm(Game& g, QWidget* parent);

  // The values the controls show now.
  OptionsFormValues Shown() const;
  int Page() const;
  bool ClearStatistics() const;
  bool AllByDefault() const;

  void accept() override;  // OK, or Enter anywhere in the dialog
  void reject() override;  // Cancel, Escape, or the window closed

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* GamePage();
  QWidget* CardsPage();
  QWidget* RulesPage();
  QWidget* SoundPage();
  QWidget* StatisticsPage();
  QWidget* NetworkPage();
  QWidget* CommonPage();
  RadioGroup* Group(const char* name, int columns, QWidget* parent);
  QCheckBox* Box(const char* name, QWidget* parent);

  void Show(const OptionsFormValues& v);
  void Enable();
  void DefaultToggled(bool checked);

  Game& g_;
  int lang_;
  int32_t speedAtOpening_ = 30;
  int32_t styleBeforeDefault_ = kProfessionalStyle;

  QTabWidget* PropertiesPageControl = nullptr;
  // " Game "
  RadioGroup* StyleGameRadioGroup = nullptr;
  RadioGroup* LevelRadioGroup = nullptr;
  QCheckBox* CheckingSharperCheckBox = nullptr;
  RadioGroup* LevelSharperRadioGroup = nullptr;
  QCheckBox* SearchCheckBox = nullptr;  // "Search": the professional's strong play
  // " Cards "
  RadioGroup* TrumpLeftOrRightRadioGroup = nullptr;
  RadioGroup* TrumpSuitOrOldRadioGroup = nullptr;
  QSlider* AnimationSpeedTrackBar = nullptr;
  QCheckBox* AnimationCheckBox = nullptr;
  QCheckBox* SpecEffectCheckBox = nullptr;
  RadioGroup* PackRadioGroup = nullptr;
  QCheckBox* ShowCountPackCheckBox = nullptr;
  // " Rules "
  QWidget* rulesPage_ = nullptr;
  RadioGroup* FirstMoveRadioGroup = nullptr;
  RadioGroup* LastCardsRadioGroup = nullptr;
  RadioGroup* ChangeTrumpRadioGroup = nullptr;
  QCheckBox* LastCardGameCheckBox = nullptr;
  QCheckBox* FirstDiscardTransferCheckBox = nullptr;
  QCheckBox* ThrowUpMore6CardsCheckBox = nullptr;
  // " Sound "
  RadioGroup* EffectRadioGroup = nullptr;
  RadioGroup* VoiceRadioGroup = nullptr;
  RadioGroup* SexRadioGroup = nullptr;
  RadioGroup* SoundMessageRadioGroup = nullptr;
  // "Statistics"
  QCheckBox* StatisticaCheckBox = nullptr;
  QCheckBox* ClearStatisticaCheckBox = nullptr;
  RadioGroup* StatisticaRadioGroup = nullptr;
  RadioGroup* SeparateRadioGroup = nullptr;
  // "Network"
  RadioGroup* ChatRadioGroup = nullptr;
  // " Common "
  QCheckBox* SizeWindowGameCheckBox = nullptr;
  QCheckBox* PositionWindowGameCheckBox = nullptr;
  QCheckBox* SaveGameCheckBox = nullptr;
  QCheckBox* StatusBarCheckBox = nullptr;
  QCheckBox* CallNewGameCheckBox = nullptr;
  QCheckBox* ConformationNewGameCheckBox = nullptr;
  QCheckBox* MinimizeOnEscapeCheckBox = nullptr;
  // The table's cards, places and controls grow with the window.
  QCheckBox* ScaleCardsCheckBox = nullptr;

  QCheckBox* defaultCheckBox = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
};
