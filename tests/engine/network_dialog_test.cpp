#include "network/network_dialog.h"

#include <gtest/gtest.h>

#include "core/game_message.h"

namespace {

TEST(NetworkDialogChecks, OnlyAnEmptyNameOrAClientWithoutAddressIsRefused) {
  struct Case {
    std::string name;
    NetworkChoice choice;
    std::string address;
    int message;
    std::string storedName, storedAddress;
  };
  const Case cases[] = {
      {"", NetworkChoice::Server, "", kMsgNoName, "", ""},
      {"", NetworkChoice::Connect, "127.0.0.1", kMsgNoName, "", ""},
      {"ann", NetworkChoice::Connect, "", kMsgNoAddress, "", ""},
      {"ann", NetworkChoice::Server, "", -1, "Ann", ""},
      {"ann", NetworkChoice::Server, "10.0.0.1", -1, "Ann", ""},  // a server keeps no address
      {"тарвен", NetworkChoice::Connect, "10.0.0.2", -1, "Тарвен", "10.0.0.2"},
      {"   ", NetworkChoice::Server, "", -1, "   ", ""},  // blanks are a name
      {"", NetworkChoice::Disconnect, "", -1, "", ""},   // leaving needs neither
  };
  for (const Case& c : cases) {
    const NetworkDialogOutcome out = CheckNetworkDialog(c.name, c.choice, c.address);
    EXPECT_EQ(out.message, c.message) << "'" << c.name << "'";
    EXPECT_EQ(out.name, c.storedName) << "'" << c.name << "'";
    EXPECT_EQ(out.address, c.storedAddress) << "'" << c.name << "'";
  }
  EXPECT_EQ(DefaultNetworkName(0), "Тарвен");
  EXPECT_EQ(DefaultNetworkName(1), "Tarven");
}

}  // namespace
