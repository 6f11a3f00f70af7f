// Every text is formatted only with values that fit its directives: the string table's texts
// against every place the game posts them, and the picture bundle's communiqués, which are
// checked before they are used as formats.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/format_directives.h"
#include "core/game_over.h"
#include "core/message_catalogue.h"
#include "core/new_game.h"
#include "core/random.h"
#include "tests/support/core_fixture.h"

namespace {
struct DirectiveCase {
  const char* name;
  const char* format;
  const char* directives;
};
void PrintTo(const DirectiveCase& row, std::ostream* os) { *os << row.name; }

class Directives : public ::testing::TestWithParam<DirectiveCase> {};

TEST_P(Directives, AreReadInOrder) { EXPECT_EQ(FormatDirectives(GetParam().format), GetParam().directives); }

INSTANTIATE_TEST_SUITE_P(Formats, Directives,
                         ::testing::Values(DirectiveCase{"None", "Condition Green, Sir.", ""},
                                           DirectiveCase{"PercentSignsAskNothing", "Shields power reduced %u%%", "u"},
                                           DirectiveCase{"WidthsAndPrecisions", "%-4.1f and %1.2f, %03d", "ffd"},
                                           DirectiveCase{"TextAndCharacter", "Class %c Star at %d,%d", "cdd"},
                                           DirectiveCase{"LongInteger", "%ld %zu", "du"},
                                           DirectiveCase{"StarWidthIsUnusable", "%*d", "?"},
                                           DirectiveCase{"WriteBackIsUnusable", "%n", "?"},
                                           DirectiveCase{"PointerIsUnusable", "%p", "?"},
                                           DirectiveCase{"LonePercentAtTheEnd", "100%", "?"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ValuesFitDirectives, IntegersFitNumbersTextsFitTextsAndCountsMustAgree) {
  EXPECT_TRUE(ValuesFitDirectives("iis", "dus"));
  EXPECT_TRUE(ValuesFitDirectives("i", "c"));
  EXPECT_TRUE(ValuesFitDirectives("if", "df"));
  EXPECT_FALSE(ValuesFitDirectives("i", "s")) << "an integer read as a text would crash";
  EXPECT_FALSE(ValuesFitDirectives("s", "d"));
  EXPECT_FALSE(ValuesFitDirectives("i", "f"));
  EXPECT_FALSE(ValuesFitDirectives("ii", "ddd")) << "a value too few";
  EXPECT_FALSE(ValuesFitDirectives("ii", "d")) << "a value too many";
  EXPECT_FALSE(ValuesFitDirectives("i", "?"));
}

// The names of message_ids.h and their numbers.
std::map<std::string, int> MessageNumbers() {
  std::ifstream in(KESTRAV_SOURCE_DIR "/src/core/message_ids.h");
  std::map<std::string, int> numbers;
  const std::regex line(R"(inline constexpr MessageId (\w+) = (\d+);)");
  for (std::string text; std::getline(in, text);) {
    std::smatch m;
    if (std::regex_search(text, m, line)) numbers[m[1]] = std::stoi(m[2]);
  }
  return numbers;
}

// The values a call passes after its message id, one kind letter each: 's' for a quoted
// text, 'i' for anything else (the game posts only integers and C texts).
std::string KindsOfCall(const std::string& source, std::size_t open) {
  std::string kinds;
  int depth = 0;
  bool first = true, quoted = false;
  std::string value;
  for (std::size_t i = open; i < source.size(); ++i) {
    const char c = source[i];
    if (c == '"') quoted = !quoted;
    if (quoted) {
      value += c;
      continue;
    }
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) {
      if (!first) kinds += value.find('"') != std::string::npos ? 's' : 'i';
      break;
    }
    if (c == ',' && depth == 1) {
      if (!first) kinds += value.find('"') != std::string::npos ? 's' : 'i';
      first = false;
      value.clear();
      continue;
    }
    value += c;
  }
  return kinds;
}

TEST(StringTable, EveryTextHasOnlyDirectivesTheGameCanFill) {
  for (int id = 1; id < 1000; ++id) {
    const char* text = MessageText(static_cast<MessageId>(id));
    if (!text) continue;
    EXPECT_EQ(FormatDirectives(text).find('?'), std::string::npos) << "text " << id << ": " << text;
  }
}

TEST(StringTable, EveryPostedMessageGetsTheValuesItsTextAsksFor) {
  const std::map<std::string, int> numbers = MessageNumbers();
  ASSERT_GT(numbers.size(), 100u);
  const std::regex call(R"(PostShipMessage\(Msg::(\w+)\s*[,)])");
  int calls = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(KESTRAV_SOURCE_DIR "/src")) {
    if (entry.path().extension() != ".cpp") continue;
    std::ifstream in(entry.path());
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string source = buffer.str();
    for (std::sregex_iterator m(source.begin(), source.end(), call), end; m != end; ++m) {
      const std::string name = (*m)[1];
      ASSERT_TRUE(numbers.count(name)) << entry.path() << ": Msg::" << name;
      const char* text = MessageText(static_cast<MessageId>(numbers.at(name)));
      ASSERT_NE(text, nullptr) << "Msg::" << name << " has no text";
      const std::string kinds = KindsOfCall(source, static_cast<std::size_t>(m->position(0)) + 15);
      EXPECT_TRUE(ValuesFitDirectives(kinds, FormatDirectives(text)))
          << entry.path().filename() << ": Msg::" << name << " \"" << text << "\" given " << kinds;
      ++calls;
    }
  }
  EXPECT_GT(calls, 10) << "the scan found the game's messages";
}

TEST_F(CoreTest, AMessageGivenValuesThatDoNotFitIsPostedAsItStands) {
  PostShipMessage(Msg::TorpedoHit, "three", 5);  // would read a text as a number
  EXPECT_STREQ(coreState.messageLines[MessageLineCount - 1].data(), "Torpedo hit at %d,%d  %d Units");
}

// Communiqués with a stray directive, as a damaged or foreign picture bundle could hold.
TEST_F(CoreTest, ACommuniqueThatAsksForOtherValuesIsShownAsItStands) {
  recorder.communiques[1] = "ORDERS %s %s %s %n";
  lcg::Seed(12345);
  NewGame();
  ASSERT_EQ(recorder.CallsNamed("ShowCommunique").size(), 1u);
  EXPECT_EQ(recorder.CallsNamed("ShowCommunique")[0], "ORDERS %s %s %s %n");

  for (int id : {2, 3, 4, 5}) recorder.communiques[id] = "LOST AT %s";
  for (GameOverReason reason : {GameOverReason::EnergyExhausted, GameOverReason::TimeExpired,
                                GameOverReason::SystemsDisabled, GameOverReason::AliensDestroyed})
    EXPECT_EQ(EndCommunique(reason), "LOST AT %s");
  recorder.communiques[2] = "%d out of energy at %.1f";
  coreState.game.stardateNow = 2010.25;
  lcg::Seed(1);
  const int uid = lcg::rand();
  lcg::Seed(1);
  EXPECT_EQ(EndCommunique(GameOverReason::EnergyExhausted), std::to_string(uid) + " out of energy at 2010.2")
      << "a well-formed one is formatted";
}

TEST_F(CoreTest, EveryConversionTheGameAcceptsIsFormatted) {
  struct Row {
    int communique;  // 3 gives the UID number alone; 2 the UID number and the stardate
    const char* format;
    const char* shown;
  };
  coreState.game.stardateNow = 2010.25;
  for (const Row& row :
       {Row{3, "%d", "41"}, Row{3, "%i", "41"}, Row{3, "%u", "41"}, Row{3, "%x", "29"}, Row{3, "%X", "29"},
        Row{3, "%c", ")"}, Row{3, "%-4i|", "41  |"}, Row{3, "%03i", "041"}, Row{3, "%i%%", "41%"},
        Row{2, "%i %.1f", "41 2010.2"}, Row{2, "%i %.1F", "41 2010.2"}, Row{2, "%i %.2e", "41 2.01e+03"},
        Row{2, "%i %.2E", "41 2.01E+03"}, Row{2, "%i %g", "41 2010.25"}, Row{2, "%i %G", "41 2010.25"}}) {
    recorder.communiques[row.communique] = row.format;
    lcg::Seed(1);  // the UID number is the first draw, 41
    const GameOverReason reason = row.communique == 3 ? GameOverReason::TimeExpired : GameOverReason::EnergyExhausted;
    EXPECT_EQ(EndCommunique(reason), row.shown) << row.format;
  }
  EXPECT_EQ(FormatDirectives("%d %i %u %x %X %c %s %f %F %e %E %g %G %%"), "dduxxcsffffff");
}
}  // namespace
