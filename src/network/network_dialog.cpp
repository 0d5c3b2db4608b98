#include "network/network_dialog.h"

#include "core/game_message.h"
#include "network/cp1251.h"

NetworkDialogOutcome CheckNetworkDialog(const std::string& name, NetworkChoice choice,
                                        const std::string& address) {
  NetworkDialogOutcome out;
  if (choice == NetworkChoice::Disconnect) return out;
  if (name.empty()) {
    out.message = kMsgNoName;
    return out;
  }
  if (choice == NetworkChoice::Connect && address.empty()) {
    out.message = kMsgNoAddress;
    return out;
  }
  out.name = Cp1251ToUtf8(UpperFirstCp1251(Utf8ToCp1251(name)));
  if (choice == NetworkChoice::Connect) out.address = address;
  return out;
}

std::string DefaultNetworkName(int lang) {
  return lang == 1 ? "Tarven" : "Тарвен";
}
