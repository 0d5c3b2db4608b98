#include "ui/network_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/game_message.h"
#include "ui/dialog_parts.h"
#include "ui/window_network.h"

namespace {

const Texts kCaption{"Сетевая игра", "Network game"};
const Texts kNameGroup{"Введите свое имя", "Input your name"};
const Texts kConnectGroup{"Выберите способ подключения", "Choose a way of connection"};
const Texts kServer{"Сервер", "Server"};
const Texts kConnect{"Подключиться", "Connect"};
const Texts kDisconnect{"Отключиться", "Disconnect"};
const Texts kPortLabel{"IP - адрес (127.0.0.1)", "IP - address (127.0.0.1)"};
const Texts kOK{"ОК", "ОК"};
const Texts kCancel{"Отмена", "Cancel"};
constexpr int kMaxNameLength = 20;

}  // namespace

TNetworkForm::TNetworkForm(Game& g, WindowNetwork& network, QWidget* parent)
    : QDialog(parent), g_(g), network_(network) {
  setObjectName("NetworkForm");
  const int lang = g.program.Lang;
  setWindowTitle(kCaption.In(lang));

  NameGroupBox = new QGroupBox(kNameGroup.In(lang), this);
  NameGroupBox->setObjectName("NameGroupBox");
  NameEdit = new QLineEdit(QString::fromStdString(DefaultNetworkName(lang)), NameGroupBox);
  NameEdit->setObjectName("NameEdit");
  NameEdit->setMaxLength(kMaxNameLength);
  QPalette sky = NameEdit->palette();
  sky.setColor(QPalette::Base, QColor(0xA6, 0xCA, 0xF0));
  NameEdit->setPalette(sky);
  auto* nameLayout = new QVBoxLayout(NameGroupBox);
  nameLayout->setContentsMargins(6, 2, 6, 4);
  nameLayout->addWidget(NameEdit);

  ConnectGroupBox = new QGroupBox(kConnectGroup.In(lang), this);
  ConnectGroupBox->setObjectName("ConnectGroupBox");
  ServerRadioButton = new QRadioButton(kServer.In(lang), ConnectGroupBox);
  ServerRadioButton->setObjectName("ServerRadioButton");
  ConnectRadioButton = new QRadioButton(kConnect.In(lang), ConnectGroupBox);
  ConnectRadioButton->setObjectName("ConnectRadioButton");
  DisconnectRadioButton = new QRadioButton(kDisconnect.In(lang), ConnectGroupBox);
  DisconnectRadioButton->setObjectName("DisconnectRadioButton");
  PortLabel = new QLabel(kPortLabel.In(lang), ConnectGroupBox);
  PortLabel->setObjectName("PortLabel");
  PortEdit = new QLineEdit(QStringLiteral("127.0.0.1"), ConnectGroupBox);
  PortEdit->setObjectName("PortEdit");
  auto* connectLayout = new QVBoxLayout(ConnectGroupBox);
  connectLayout->setContentsMargins(6, 2, 6, 4);
  connectLayout->setSpacing(1);
  for (QWidget* w : std::initializer_list<QWidget*>{ServerRadioButton, ConnectRadioButton,
                                                    DisconnectRadioButton, PortLabel, PortEdit})
    connectLayout->addWidget(w);

  OKButton = new QPushButton(kOK.In(lang), this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  CancelButton = new QPushButton(kCancel.In(lang), this);
  CancelButton->setObjectName("CancelButton");
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);
  layout->addWidget(NameGroupBox);
  layout->addWidget(ConnectGroupBox);
  layout->addLayout(buttons);

  ServerRadioButton->setChecked(true);
  PortLabel->setEnabled(false);
  PortEdit->setEnabled(false);
  connect(ServerRadioButton, &QRadioButton::clicked, this, &TNetworkForm::ChoiceChanged);
  connect(ConnectRadioButton, &QRadioButton::clicked, this, &TNetworkForm::ChoiceChanged);
  connect(OKButton, &QPushButton::clicked, this, &TNetworkForm::OKButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  // 201 x 220 as designed, wider where this platform's font needs it to
  // show the group captions whole.
  const QSize hint = sizeHint();
  setFixedSize(std::max(201, hint.width()), std::max(220, hint.height()));
  NameEdit->setFocus();
  CentreOver(this, parent);
}

NetworkChoice TNetworkForm::Choice() const {
  if (ConnectRadioButton->isChecked()) return NetworkChoice::Connect;
  if (DisconnectRadioButton->isChecked()) return NetworkChoice::Disconnect;
  return NetworkChoice::Server;
}

// "Server" needs no address; "Connect" asks for one. "Disconnect" changes
// nothing until OK.
void TNetworkForm::ChoiceChanged() {
  const bool connecting = ConnectRadioButton->isChecked();
  PortLabel->setEnabled(connecting);
  PortEdit->setEnabled(connecting);
  if (connecting) {
    PortEdit->setFocus();
  } else {
    NameEdit->setFocus();
  }
}

void TNetworkForm::OKButtonClick() {
  const NetworkChoice choice = Choice();
  const NetworkDialogOutcome out = CheckNetworkDialog(NameEdit->text().toStdString(), choice,
                                                      PortEdit->text().toStdString());
  if (out.message != -1) {
    ShowGameMessage(g_, out.message, -1);
    g_.program.ModalFlag = -1;  // the dialog is still up
    return;
  }
  if (choice == NetworkChoice::Disconnect) {
    hide();
    network_.EndSession();
    accept();
    return;
  }
  const bool started = network_.StartSession(choice == NetworkChoice::Server, out.name,
                                             QString::fromStdString(out.address));
  g_.program.ModalFlag = -1;
  if (started) accept();
}
