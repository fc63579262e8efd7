#include "ui/message_chain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ui {
namespace {

using TChain = TMessageChain<int, int>;

// A chain whose handlers log "<id>:<message>" and pass the message on.
struct ChainFixture : ::testing::Test {
  std::vector<std::string> Log;
  TChain Chain{[this](const int& AMessage) {
    Log.push_back("final:" + std::to_string(AMessage));
    return AMessage * 10;
  }};
  TChain::THandler Logger(int AId) {
    return [this, AId](const int& AMessage, const TChain::TNext& ANext) {
      Log.push_back(std::to_string(AId) + ":" + std::to_string(AMessage));
      return ANext(AMessage);
    };
  }
};

TEST_F(ChainFixture, LatestHandlerSeesTheMessageFirstAndMayWithholdIt) {
  Chain.Add(1, Logger(1));
  Chain.Add(2, [this](const int& AMessage, const TChain::TNext& ANext) {
    Log.push_back("2:" + std::to_string(AMessage));
    return AMessage == 7 ? -1 : ANext(AMessage + 1);  // withholds 7, changes the rest
  });
  EXPECT_EQ(Chain.Call(3), 40);
  EXPECT_EQ(Chain.Call(7), -1);
  EXPECT_EQ(Log, (std::vector<std::string>{"2:3", "1:4", "final:4", "2:7"}));
  EXPECT_FALSE(Chain.Add(1, Logger(1)));  // one handler per id
}

TEST_F(ChainFixture, HandlersUnhookInEitherOrderAndBothStopSeeingMessages) {
  for (const std::vector<uintptr_t>& order : {std::vector<uintptr_t>{1, 2}, {2, 1}}) {
    Chain.Add(1, Logger(1));
    Chain.Add(2, Logger(2));
    Chain.Add(3, Logger(3));
    for (uintptr_t id : order) EXPECT_TRUE(Chain.Remove(id));
    Log.clear();
    Chain.Call(5);
    EXPECT_EQ(Log, (std::vector<std::string>{"3:5", "final:5"}));
    EXPECT_TRUE(Chain.Remove(3));
    EXPECT_FALSE(Chain.Remove(3));
    EXPECT_TRUE(Chain.Empty());
  }
}

TEST_F(ChainFixture, RemovalDuringAMessageSkipsTheRemovedForTheRestOfIt) {
  Chain.Add(1, Logger(1));
  Chain.Add(2, Logger(2));
  // The top handler takes the one below it out, and itself, then passes on.
  Chain.Add(3, [this](const int& AMessage, const TChain::TNext& ANext) {
    Log.push_back("3:" + std::to_string(AMessage));
    Chain.Remove(2);
    Chain.Remove(3);
    Chain.Add(4, Logger(4));  // sees only the next message
    return ANext(AMessage);
  });
  Chain.Call(1);
  Chain.Call(2);
  EXPECT_EQ(Log, (std::vector<std::string>{"3:1", "1:1", "final:1", "4:2", "1:2", "final:2"}));
}

}  // namespace
}  // namespace ui
