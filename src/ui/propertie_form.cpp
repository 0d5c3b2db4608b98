#include "ui/propertie_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "ui/dialog_parts.h"

namespace {

constexpr int kClientWidth = 402;
constexpr int kClientHeight = 232;
constexpr int kSlowest = 10;
constexpr int kFastest = 90;

// A control's caption and, for a radio group, its items separated by '|'.
struct ControlText {
  const char* name;
  Texts caption;
  Texts items = {"", ""};
};

constexpr ControlText kControls[] = {
    {"StyleGameRadioGroup",
     {"Стиль игры компьютера", "Style of game"},
     {"дитя|лох|энтузиаст|агрессор|катала|профессионал",
      "child|simpleton|enthusiast|aggressor|sharper|professional"}},
    {"LevelRadioGroup",
     {"Уровень игры", "Level"},
     {"низкий|средний|высокий|супер", "low|medium|high|super"}},
    {"CheckingSharperCheckBox", {"Проверка на мухлеж каталы", "Sharper's swindle checking"}},
    {"LevelSharperRadioGroup",
     {"Уровень мухлежа", "Level of a swindle"},
     {"низкий|высокий", "low|high"}},
    {"SearchCheckBox", {"Сильная игра", "Strong play"}},
    {"TrumpLeftOrRightRadioGroup",
     {"Показ козырей", "Display of trumps"},
     {"козыри слева|козыри справа", "at the left|on the right"}},
    {"TrumpSuitOrOldRadioGroup",
     {"Сортировка карт", "Cards' sorting type"},
     {"по мастям|по старшинству", "suits|seniority"}},
    {"GroupBox1", {"Движения карт", "Animation"}},
    {"SlowLabel", {"медленно", "slowly"}},
    {"FastLabel", {"быстро", "quickly"}},
    {"AnimationCheckBox", {"включить движение карт", "Enable cards' movement"}},
    {"SpecEffectCheckBox", {"спецэффекты", "Animation effects"}},
    {"PackRadioGroup", {"Колода", "Deck size"}, {"36 карт|52 карты", "36 cards|52 cards"}},
    {"ShowCountPackCheckBox",
     {"Показывать кол-во карт в колоде", "Show number of remaining cards"}},
    {"FirstMoveRadioGroup",
     {"Первый ход", "First move"},
     {"традиционно|с меньшего козыря|всегда за игроком|всегда за компьютером",
      "traditionally|smaller trump|always player's|always computer's"}},
    {"LastCardsRadioGroup",
     {"Последние карты с колоды", "Last cards of the deck"},
     {"тому, кто 1 ходил|делятся пополам", "withdrawn by the attacker|share half-and-half"}},
    {"ChangeTrumpRadioGroup",
     {"Менять козырную 6 (2) при раздаче", "Change 6 (2) of trumps on cards' dealing"},
     {"никому|игроку|компьютеру|компьютеру и игроку",
      "nobody|player|computer|player and computer"}},
    {"LastCardGameCheckBox", {"Играть без ничьих", "Play without draws"}},
    {"FirstDiscardTransferCheckBox",
     {"Первый кон не переводят", "Don't transfer on the first move"}},
    {"ThrowUpMore6CardsCheckBox", {"Подкидывать больше, чем 6 карт", "Throw up more than 6 cards"}},
    {"EffectRadioGroup",
     {"Эффекты", "Effects"},
     {"нет|звук|голос|звук и голос", "no|sound|voice|sound and voice"}},
    {"VoiceRadioGroup", {"Голос", "Voice"}, {"взрослый|ребенок", "adult|child"}},
    {"SexRadioGroup", {"Пол", "Sex"}, {"мужской|женский", "man|woman"}},
    {"SoundMessageRadioGroup",
     {"Сообщение (сеть)", "Message (network)"},
     {"нет|1 звук|2 звук|3 звук", "no|1 sound|2 sound|3 sound"}},
    {"Panel1", {"Вид", "Sight"}},
    {"StatisticaCheckBox", {"показывать статистику", "Show statistics"}},
    {"ClearStatisticaCheckBox", {"обнулить статистику", "Null statistics"}},
    {"StatisticaRadioGroup",
     {"Показ статистики", "Show statistics"},
     {"в количестве|в процентах", "in quantity|in percentage"}},
    {"SeparateRadioGroup",
     {"Статистика", "Statistics"},
     {"общая - сумма статистик всех видов игр  (кроме памяти)|"
      "раздельная - для каждого вида игры своя статистика",
      "general statistics  (without nine)|separate statistics"}},
    {"ChatRadioGroup",
     {"Вывод сообщения", "Chat"},
     {"в статусную панель|в строку комментария", "in status panel|in commentary"}},
    {"SizeWindowGameCheckBox", {"Сохранять размер окна", "Save window size"}},
    {"PositionWindowGameCheckBox", {"Сохранять позицию окна", "Save window position"}},
    {"SaveGameCheckBox", {"Сохранять игру при выходе", "Save game on exit"}},
    {"StatusBarCheckBox", {"Показывать полосу состояния", "Show the status bar"}},
    {"CallNewGameCheckBox", {"При переключении на другой вид", "Deal the cards after switching"}},
    {"CallNewGameLabel", {"игры, раздавать карты заново", "on another kind of game"}},
    {"ConformationNewGameCheckBox", {"Подтверждение новой игры", "Conformation of new game"}},
    {"MinimizeOnEscapeCheckBox", {"Минимизировать на Escape", "Minimize on Escape"}},
    {"ScaleCardsCheckBox", {"Крупные карты", "Scale cards with the window"}},
    {"defaultCheckBox", {"Все параметры по умолчанию", "default"}},
    {"OKButton", {"ОК", "ОК"}},
    {"CancelButton", {"Отмена", "Cancel"}},
};

constexpr Texts kCaption = {"Параметры", "Options"};
constexpr Texts kPages[kOptionsPages] = {
    {"  Игра  ", " Game "},  {" Карты  ", " Cards "},      {"Правила", " Rules "},
    {" Звук ", " Sound "},   {"Статистика", "Statistics"}, {" Сеть ", "Network"},
    {" Общие ", " Common "},
};
// The super level is not there yet: the player is told so over its group.
constexpr Texts kLevelHint = {"супер уровень находится в разработке",
                              "the super level is still being developed"};

const ControlText& TextOf(const char* name) {
  for (const ControlText& c : kControls) {
    if (std::strcmp(c.name, name) == 0) return c;
  }
  static const ControlText kNone{"", {"", ""}};
  return kNone;
}

QString Caption(const char* name, int lang) {
  return TextOf(name).caption.In(lang);
}

QStringList Items(const char* name, int lang) {
  return TextOf(name).items.In(lang).split(u'|');
}

int32_t Checked(const QCheckBox* box) {
  return box->isChecked() ? 1 : 0;
}

QWidget* NewPage(QWidget* parent) {
  auto* page = new QWidget(parent);
  return page;
}

QGridLayout* PageGrid(QWidget* page) {
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setSpacing(4);
  return grid;
}

}  // namespace

TPropertieForm::TPropertieForm(Game& g, QWidget* parent)
    : QDialog(parent), g_(g), lang_(g.program.Lang) {
  setObjectName("PropertieForm");
  setWindowTitle(kCaption.In(lang_));
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);

  PropertiesPageControl = new QTabWidget(this);
  PropertiesPageControl->setObjectName("PropertiesPageControl");
  PropertiesPageControl->setUsesScrollButtons(false);
  PropertiesPageControl->addTab(GamePage(), kPages[0].In(lang_));
  PropertiesPageControl->addTab(CardsPage(), kPages[1].In(lang_));
  PropertiesPageControl->addTab(RulesPage(), kPages[2].In(lang_));
  PropertiesPageControl->addTab(SoundPage(), kPages[3].In(lang_));
  PropertiesPageControl->addTab(StatisticsPage(), kPages[4].In(lang_));
  PropertiesPageControl->addTab(NetworkPage(), kPages[5].In(lang_));
  PropertiesPageControl->addTab(CommonPage(), kPages[6].In(lang_));

  defaultCheckBox = Box("defaultCheckBox", this);
  OKButton = new QPushButton(Caption("OKButton", lang_), this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  CancelButton = new QPushButton(Caption("CancelButton", lang_), this);
  CancelButton->setObjectName("CancelButton");
  CancelButton->setAutoDefault(false);
  connect(OKButton, &QPushButton::clicked, this, &TPropertieForm::accept);
  connect(CancelButton, &QPushButton::clicked, this, &TPropertieForm::reject);
  connect(defaultCheckBox, &QCheckBox::toggled, this, &TPropertieForm::DefaultToggled);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(defaultCheckBox);
  buttons->addStretch(1);
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);
  layout->addWidget(PropertiesPageControl);
  layout->addLayout(buttons);

  // The controls as they stand now; the boxes that clear the statistics and
  // restore the defaults start unchecked.
  const OptionsFormValues v = OptionsFormAtOpening(g_);
  speedAtOpening_ = v.Speed;
  Show(v);
  PropertiesPageControl->setCurrentIndex(OptionsFormPage(g_));
  resize(std::max(kClientWidth, sizeHint().width()), std::max(kClientHeight, sizeHint().height()));
}

RadioGroup* TPropertieForm::Group(const char* name, int columns, QWidget* parent) {
  return new RadioGroup(name, Caption(name, lang_), Items(name, lang_), columns, parent);
}

QCheckBox* TPropertieForm::Box(const char* name, QWidget* parent) {
  auto* box = new QCheckBox(Caption(name, lang_), parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QWidget* TPropertieForm::GamePage() {
  QWidget* page = NewPage(this);
  QGridLayout* grid = PageGrid(page);
  StyleGameRadioGroup = Group("StyleGameRadioGroup", 2, page);
  LevelRadioGroup = Group("LevelRadioGroup", 1, page);
  LevelRadioGroup->setToolTip(kLevelHint.In(lang_));
  CheckingSharperCheckBox = Box("CheckingSharperCheckBox", page);
  LevelSharperRadioGroup = Group("LevelSharperRadioGroup", 2, page);
  grid->addWidget(StyleGameRadioGroup, 0, 0);
  grid->addWidget(LevelRadioGroup, 0, 1, 2, 1);
  grid->addWidget(CheckingSharperCheckBox, 1, 0);
  grid->addWidget(LevelSharperRadioGroup, 2, 0);
  SearchCheckBox = Box("SearchCheckBox", page);
  grid->addWidget(SearchCheckBox, 2, 1);
  grid->setRowStretch(3, 1);
  connect(StyleGameRadioGroup, &RadioGroup::Chosen, this, &TPropertieForm::Enable);
  return page;
}

QWidget* TPropertieForm::CardsPage() {
  QWidget* page = NewPage(this);
  QGridLayout* grid = PageGrid(page);
  TrumpLeftOrRightRadioGroup = Group("TrumpLeftOrRightRadioGroup", 1, page);
  TrumpSuitOrOldRadioGroup = Group("TrumpSuitOrOldRadioGroup", 1, page);

  auto* movement = new QGroupBox(Caption("GroupBox1", lang_), page);
  movement->setObjectName("GroupBox1");
  AnimationSpeedTrackBar = new QSlider(Qt::Horizontal, movement);
  AnimationSpeedTrackBar->setObjectName("AnimationSpeedTrackBar");
  AnimationSpeedTrackBar->setRange(kSlowest, kFastest);
  AnimationSpeedTrackBar->setTickPosition(QSlider::TicksBelow);
  AnimationSpeedTrackBar->setTickInterval(10);
  auto* slow = new QLabel(Caption("SlowLabel", lang_), movement);
  auto* fast = new QLabel(Caption("FastLabel", lang_), movement);
  AnimationCheckBox = Box("AnimationCheckBox", movement);
  SpecEffectCheckBox = Box("SpecEffectCheckBox", movement);
  auto* movementGrid = new QGridLayout(movement);
  movementGrid->setContentsMargins(6, 2, 6, 2);
  movementGrid->setVerticalSpacing(0);
  movementGrid->addWidget(AnimationSpeedTrackBar, 0, 0, 1, 2);
  movementGrid->addWidget(slow, 1, 0, Qt::AlignLeft);
  movementGrid->addWidget(fast, 1, 1, Qt::AlignRight);
  movementGrid->addWidget(AnimationCheckBox, 2, 0, 1, 2);
  movementGrid->addWidget(SpecEffectCheckBox, 3, 0, 1, 2);

  PackRadioGroup = Group("PackRadioGroup", 2, page);
  ShowCountPackCheckBox = Box("ShowCountPackCheckBox", page);
  grid->addWidget(TrumpLeftOrRightRadioGroup, 0, 0);
  grid->addWidget(TrumpSuitOrOldRadioGroup, 1, 0);
  grid->addWidget(movement, 0, 1, 2, 1);
  grid->addWidget(PackRadioGroup, 2, 0);
  grid->addWidget(ShowCountPackCheckBox, 2, 1);
  grid->setRowStretch(3, 1);
  // The speed is kept the moment the slider moves.
  connect(AnimationSpeedTrackBar, &QSlider::valueChanged, this,
          [this](int value) { WriteSpeedAtOnce(g_, value); });
  return page;
}

QWidget* TPropertieForm::RulesPage() {
  QWidget* page = NewPage(this);
  rulesPage_ = page;
  QGridLayout* grid = PageGrid(page);
  FirstMoveRadioGroup = Group("FirstMoveRadioGroup", 1, page);
  LastCardsRadioGroup = Group("LastCardsRadioGroup", 1, page);
  ChangeTrumpRadioGroup = Group("ChangeTrumpRadioGroup", 1, page);
  LastCardGameCheckBox = Box("LastCardGameCheckBox", page);
  FirstDiscardTransferCheckBox = Box("FirstDiscardTransferCheckBox", page);
  ThrowUpMore6CardsCheckBox = Box("ThrowUpMore6CardsCheckBox", page);
  auto* boxes = new QVBoxLayout;
  boxes->setSpacing(0);
  for (QCheckBox* box :
       {LastCardGameCheckBox, FirstDiscardTransferCheckBox, ThrowUpMore6CardsCheckBox}) {
    boxes->addWidget(box);
  }
  grid->addWidget(FirstMoveRadioGroup, 0, 0);
  grid->addWidget(LastCardsRadioGroup, 1, 0);
  grid->addWidget(ChangeTrumpRadioGroup, 0, 1);
  grid->addLayout(boxes, 1, 1);
  grid->setRowStretch(2, 1);
  return page;
}

QWidget* TPropertieForm::SoundPage() {
  QWidget* page = NewPage(this);
  QGridLayout* grid = PageGrid(page);
  EffectRadioGroup = Group("EffectRadioGroup", 1, page);
  VoiceRadioGroup = Group("VoiceRadioGroup", 1, page);
  SexRadioGroup = Group("SexRadioGroup", 1, page);
  SoundMessageRadioGroup = Group("SoundMessageRadioGroup", 1, page);
  grid->addWidget(EffectRadioGroup, 0, 0, 2, 1);
  grid->addWidget(VoiceRadioGroup, 0, 1);
  grid->addWidget(SexRadioGroup, 1, 1);
  grid->addWidget(SoundMessageRadioGroup, 0, 2, 2, 1);
  grid->setRowStretch(2, 1);
  connect(EffectRadioGroup, &RadioGroup::Chosen, this, &TPropertieForm::Enable);
  return page;
}

QWidget* TPropertieForm::StatisticsPage() {
  QWidget* page = NewPage(this);
  QGridLayout* grid = PageGrid(page);
  auto* sight = new QGroupBox(Caption("Panel1", lang_), page);
  sight->setObjectName("Panel1");
  StatisticaCheckBox = Box("StatisticaCheckBox", sight);
  ClearStatisticaCheckBox = Box("ClearStatisticaCheckBox", sight);
  auto* sightLayout = new QVBoxLayout(sight);
  sightLayout->setContentsMargins(6, 2, 6, 2);
  sightLayout->setSpacing(0);
  sightLayout->addWidget(StatisticaCheckBox);
  sightLayout->addWidget(ClearStatisticaCheckBox);
  StatisticaRadioGroup = Group("StatisticaRadioGroup", 1, page);
  SeparateRadioGroup = Group("SeparateRadioGroup", 1, page);
  grid->addWidget(sight, 0, 0);
  grid->addWidget(StatisticaRadioGroup, 0, 1);
  grid->addWidget(SeparateRadioGroup, 1, 0, 1, 2);
  grid->setRowStretch(2, 1);
  return page;
}

QWidget* TPropertieForm::NetworkPage() {
  QWidget* page = NewPage(this);
  QGridLayout* grid = PageGrid(page);
  ChatRadioGroup = Group("ChatRadioGroup", 1, page);
  grid->addWidget(ChatRadioGroup, 0, 0);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(1, 1);
  return page;
}

QWidget* TPropertieForm::CommonPage() {
  QWidget* page = NewPage(this);
  QGridLayout* grid = PageGrid(page);
  grid->setVerticalSpacing(0);
  SizeWindowGameCheckBox = Box("SizeWindowGameCheckBox", page);
  PositionWindowGameCheckBox = Box("PositionWindowGameCheckBox", page);
  SaveGameCheckBox = Box("SaveGameCheckBox", page);
  StatusBarCheckBox = Box("StatusBarCheckBox", page);
  CallNewGameCheckBox = Box("CallNewGameCheckBox", page);
  auto* callNewGameLabel = new QLabel(Caption("CallNewGameLabel", lang_), page);
  callNewGameLabel->setObjectName("CallNewGameLabel");
  // The label continues the check box's text, under it.
  callNewGameLabel->setIndent(20);
  ConformationNewGameCheckBox = Box("ConformationNewGameCheckBox", page);
  MinimizeOnEscapeCheckBox = Box("MinimizeOnEscapeCheckBox", page);
  ScaleCardsCheckBox = Box("ScaleCardsCheckBox", page);
  grid->addWidget(SizeWindowGameCheckBox, 0, 0);
  grid->addWidget(PositionWindowGameCheckBox, 1, 0);
  grid->addWidget(SaveGameCheckBox, 2, 0);
  grid->addWidget(StatusBarCheckBox, 3, 0);
  grid->addWidget(CallNewGameCheckBox, 0, 1);
  grid->addWidget(callNewGameLabel, 1, 1);
  grid->addWidget(ConformationNewGameCheckBox, 2, 1);
  grid->addWidget(MinimizeOnEscapeCheckBox, 3, 1);
  grid->addWidget(ScaleCardsCheckBox, 4, 0);
  grid->setRowStretch(5, 1);
  // Edition 2.84 has no such option.
  MinimizeOnEscapeCheckBox->setVisible(g_.edition->hasMinOnEscape);
  return page;
}

void TPropertieForm::Show(const OptionsFormValues& v) {
  StyleGameRadioGroup->SetIndex(v.Style);
  LevelRadioGroup->SetIndex(v.Level);
  CheckingSharperCheckBox->setChecked(v.CheckS == 1);
  LevelSharperRadioGroup->SetIndex(v.LevelS);
  SearchCheckBox->setChecked(v.Search == 1);
  TrumpLeftOrRightRadioGroup->SetIndex(v.TrLeftRight);
  TrumpSuitOrOldRadioGroup->SetIndex(v.TrSuitOld);
  AnimationSpeedTrackBar->setValue(v.Speed);  // written at once, as every move of it
  AnimationCheckBox->setChecked(v.Animation == 1);
  SpecEffectCheckBox->setChecked(v.SpecEffect == 1);
  PackRadioGroup->SetIndex(v.Pack == 52 ? 1 : 0);
  ShowCountPackCheckBox->setChecked(v.ShowCountPack == 1);
  FirstMoveRadioGroup->SetIndex(v.FirstMove);
  LastCardsRadioGroup->SetIndex(v.LastCards);
  ChangeTrumpRadioGroup->SetIndex(v.ChangeTr);
  LastCardGameCheckBox->setChecked(v.LastCardGame == 1);
  FirstDiscardTransferCheckBox->setChecked(v.DiscardTransfer1 == 1);
  ThrowUpMore6CardsCheckBox->setChecked(v.ThrowUpMore6Cards == 1);
  EffectRadioGroup->SetIndex(v.Sound);
  VoiceRadioGroup->SetIndex(v.V_Old);
  SexRadioGroup->SetIndex(v.V_Sex);
  SoundMessageRadioGroup->SetIndex(v.Mess);
  StatisticaCheckBox->setChecked(v.Stat == 1);
  StatisticaRadioGroup->SetIndex(v.NumberOrPercent);
  SeparateRadioGroup->SetIndex(v.StatSeparate);
  ChatRadioGroup->SetIndex(v.Chat);
  SizeWindowGameCheckBox->setChecked(v.SizeWindow == 1);
  PositionWindowGameCheckBox->setChecked(v.Pos == 1);
  SaveGameCheckBox->setChecked(v.SaveOnExit == 1);
  StatusBarCheckBox->setChecked(v.StBar == 1);
  CallNewGameCheckBox->setChecked(v.CallNewGame == 1);
  ConformationNewGameCheckBox->setChecked(v.ConfNewgame == 1);
  MinimizeOnEscapeCheckBox->setChecked(v.MinOnEscape == 1);
  ScaleCardsCheckBox->setChecked(v.ScaleCards == 1);
  Enable();
}

OptionsFormValues TPropertieForm::Shown() const {
  OptionsFormValues v;
  v.Style = StyleGameRadioGroup->Index();
  v.Level = LevelRadioGroup->Index();
  v.CheckS = Checked(CheckingSharperCheckBox);
  v.LevelS = LevelSharperRadioGroup->Index();
  v.Search = Checked(SearchCheckBox);
  v.TrLeftRight = TrumpLeftOrRightRadioGroup->Index();
  v.TrSuitOld = TrumpSuitOrOldRadioGroup->Index();
  v.Speed = AnimationSpeedTrackBar->value();
  v.Animation = Checked(AnimationCheckBox);
  v.SpecEffect = Checked(SpecEffectCheckBox);
  v.Pack = PackRadioGroup->Index() == 1 ? 52 : 36;
  v.ShowCountPack = Checked(ShowCountPackCheckBox);
  v.FirstMove = FirstMoveRadioGroup->Index();
  v.LastCards = LastCardsRadioGroup->Index();
  v.ChangeTr = ChangeTrumpRadioGroup->Index();
  v.LastCardGame = Checked(LastCardGameCheckBox);
  v.DiscardTransfer1 = Checked(FirstDiscardTransferCheckBox);
  v.ThrowUpMore6Cards = Checked(ThrowUpMore6CardsCheckBox);
  v.Sound = EffectRadioGroup->Index();
  v.V_Old = VoiceRadioGroup->Index();
  v.V_Sex = SexRadioGroup->Index();
  v.Mess = SoundMessageRadioGroup->Index();
  v.Stat = Checked(StatisticaCheckBox);
  v.NumberOrPercent = StatisticaRadioGroup->Index();
  v.StatSeparate = SeparateRadioGroup->Index();
  v.Chat = ChatRadioGroup->Index();
  v.SizeWindow = Checked(SizeWindowGameCheckBox);
  v.Pos = Checked(PositionWindowGameCheckBox);
  v.SaveOnExit = Checked(SaveGameCheckBox);
  v.StBar = Checked(StatusBarCheckBox);
  v.CallNewGame = Checked(CallNewGameCheckBox);
  v.ConfNewgame = Checked(ConformationNewGameCheckBox);
  v.MinOnEscape = Checked(MinimizeOnEscapeCheckBox);
  v.ScaleCards = Checked(ScaleCardsCheckBox);
  return v;
}

int TPropertieForm::Page() const {
  return PropertiesPageControl->currentIndex();
}

bool TPropertieForm::ClearStatistics() const {
  return ClearStatisticaCheckBox->isChecked();
}

bool TPropertieForm::AllByDefault() const {
  return defaultCheckBox->isChecked();
}

void TPropertieForm::Enable() {
  OptionsFormValues v;
  v.Style = StyleGameRadioGroup->Index();
  v.Sound = EffectRadioGroup->Index();
  const OptionsFormEnabled e = OptionsFormEnabling(g_, v);
  LevelRadioGroup->setEnabled(e.level);
  SearchCheckBox->setEnabled(e.search);
  CheckingSharperCheckBox->setEnabled(e.swindle);
  LevelSharperRadioGroup->setEnabled(e.swindle);
  VoiceRadioGroup->setEnabled(e.voice);
  SexRadioGroup->setEnabled(e.voice);
  rulesPage_->setEnabled(e.rules);
  PackRadioGroup->setEnabled(e.deck);
}

void TPropertieForm::DefaultToggled(bool checked) {
  if (checked) {
    styleBeforeDefault_ = StyleGameRadioGroup->Index();
    Show(OptionsFormDefaults());
    return;
  }
  // Back to the options in force, with the style that was shown and the
  // speed the dialog was opened with.
  OptionsFormValues v = OptionsFormAtOpening(g_);
  v.Style = styleBeforeDefault_;
  v.Speed = speedAtOpening_;
  Show(v);
}

void TPropertieForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOver(this, parentWidget());
}

void TPropertieForm::accept() {
  WriteOptionsForm(g_, Shown(), Page(), ClearStatistics(), AllByDefault());
  QDialog::accept();
}

void TPropertieForm::reject() {
  WriteShownPage(g_, Page());
  QDialog::reject();
}
