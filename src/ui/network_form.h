// The network dialog: the player's name and the way of connection (serve,
// connect to an address, or disconnect). OK starts or ends the window's
// session; a missing name or address is told with message 14 or 15 and
// the dialog stays open. It never remembers what was typed: every opening
// offers the language's default name and "127.0.0.1".
#pragma once

#include <QDialog>

#include "core/game.h"
#include "network/network_dialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class WindowNetwork;

class TNetworkForm final : public QDialog {
 public:
  TNetworkForm(Game& g, WindowNetwork& network, QWidget* parent);

  NetworkChoice Choice() const;
  // OK: the checks, then the session.
  void OKButtonClick();

 private:
  void ChoiceChanged();

  Game& g_;
  WindowNetwork& network_;
  QGroupBox* NameGroupBox = nullptr;
  QLineEdit* NameEdit = nullptr;
  QGroupBox* ConnectGroupBox = nullptr;
  QRadioButton* ServerRadioButton = nullptr;
  QRadioButton* ConnectRadioButton = nullptr;
  QRadioButton* DisconnectRadioButton = nullptr;
  QLabel* PortLabel = nullptr;
  QLineEdit* PortEdit = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
};
