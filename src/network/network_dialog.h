// The checks of the network dialog, apart from its widgets: the name and
// the address the player typed, and the way of connection chosen.
#pragma once

#include <string>

enum class NetworkChoice { Server, Connect, Disconnect };

struct NetworkDialogOutcome {
  int message = -1;  // 14 no name, 15 no address; -1 when the choice may go ahead
  std::string name;  // the name with its first letter upper-cased (UTF-8)
  std::string address;
};

// Only an empty name is refused (a name of blanks is a name); the address
// matters only to a client.
NetworkDialogOutcome CheckNetworkDialog(const std::string& name, NetworkChoice choice,
                                        const std::string& address);

// The name the dialog offers at every opening, in the language's words.
std::string DefaultNetworkName(int lang);
