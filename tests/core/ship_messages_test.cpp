#include <gtest/gtest.h>

#include <string>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/message_catalogue.h"
#include "core/program_reset.h"
#include "core/ship_messages.h"
#include "headless/headless_host.h"

namespace {
class ShipMessages : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(recorder); }
  std::string Newest() const { return coreState.messageLines[MessageLineCount - 1].data(); }
  HeadlessHost recorder;
};
}  // namespace

TEST_F(ShipMessages, FormatsIntegerArgumentsIntoTheNewestLine) {
  PostShipMessage(112, 3, 5, 240);
  EXPECT_EQ(Newest(), "Torpedo hit at 3,5  240 Units");
  PostShipMessage(122, 40u);
  EXPECT_EQ(Newest(), "Shields power reduced 40%");
  EXPECT_STREQ(coreState.messageLines[MessageLineCount - 2].data(), "Torpedo hit at 3,5  240 Units");
}

TEST_F(ShipMessages, TheThirtyFirstMessagePushesTheOldestOut) {
  for (int i = 0; i < 31; ++i) PostShipMessage(102, i, 0);
  EXPECT_STREQ(coreState.messageLines[0].data(), "All Stop at Sector 1,0");
  EXPECT_EQ(Newest(), "All Stop at Sector 30,0");
}

TEST_F(ShipMessages, ReroutedMessagesGoToTheConsoleWithALineBreak) {
  coreState.game.messagesToComputer = 1;
  PostShipMessage(135);
  EXPECT_EQ(recorder.console, "Ready\n");
  EXPECT_EQ(Newest(), "");
}

TEST_F(ShipMessages, ADamagedDisplayLosesTheMessageForGood) {
  coreState.game.Damage(ShipSystem::MessageDisplay) = 0.5;
  PostShipMessage(135);
  coreState.game.Damage(ShipSystem::MessageDisplay) = 0.0;
  EXPECT_EQ(Newest(), "");
  EXPECT_TRUE(recorder.CallsNamed("MessagesChanged").empty());
}

TEST(MessageCatalogue, HoldsEveryRangeAndNothingElse) {
  EXPECT_STREQ(MessageText(1), "Save Game");
  EXPECT_STREQ(MessageText(200), "BridgeNet Ver1021.047\nNeural %d connected\n\n>");
  EXPECT_STREQ(MessageText(629), "Message Display System destroyed");
  EXPECT_EQ(MessageText(223), nullptr);
  EXPECT_EQ(MessageText(32), nullptr);
}
