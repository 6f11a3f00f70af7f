// The settings file: how each option is read back, what a write keeps of the player's own
// lines, and what becomes of files that are not what the game wrote.

#include <cstdlib>
#include <string>

#include "core/core_state.h"
#include "core/options.h"
#include "core/settings_file.h"
#include "tests/lifecycle/lifecycle_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/named_pipe.h"
#include "tests/support/unprivileged.h"

namespace {

class SettingsTest : public LifecycleTest {
 protected:
  void SetUp() override {
    LifecycleTest::SetUp();
    coreState.settingsPath = (directory / SettingsFileName).string();
  }
  void WriteSettingsFile(const std::string& text) { WriteText(coreState.settingsPath, text); }
  std::string SettingsFileText() { return ReadText(coreState.settingsPath); }
};

struct OptionsRow {
  const char* name;
  const char* file;
  SkillLevel skill;
  int autoSrs, singleControl, iconicPause, sounds;
};
void PrintTo(const OptionsRow& row, std::ostream* os) { *os << row.name; }

class OptionsReadTest : public SettingsTest, public ::testing::WithParamInterface<OptionsRow> {};

TEST_P(OptionsReadTest, EachKeyIsReadByItsRule) {
  const OptionsRow& row = GetParam();
  if (row.file) WriteSettingsFile(row.file);
  coreState.options.autoSrs = 77;  // whatever was there before is replaced
  ReadSettings();
  EXPECT_EQ(coreState.options.skillSetting, row.skill);
  EXPECT_EQ(coreState.options.autoSrs, row.autoSrs);
  EXPECT_EQ(coreState.options.singleControlWindow, row.singleControl);
  EXPECT_EQ(coreState.options.pauseWhenIconic, row.iconicPause);
  EXPECT_EQ(coreState.options.soundsEnabled, row.sounds);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OptionsReadTest,
    ::testing::Values(
        OptionsRow{"NoFile", nullptr, SkillLevel::Crewman, 1, 1, 0, 1},
        OptionsRow{"AllStored", "[General]\nSkill=4\nAutoSRS=0\nSingleCtrl=0\nIconicPause=1\nSounds=0\n",
                   SkillLevel::Captain, 0, 0, 1, 0},
        OptionsRow{"SkillNineIsTheLowest", "[General]\nSkill=9\n", SkillLevel::Crewman, 1, 1, 0, 1},
        OptionsRow{"SkillMinusOneIsTheLowest", "[General]\nSkill=-1\n", SkillLevel::Crewman, 1, 1, 0, 1},
        OptionsRow{"SkillFiveIsAdmiral", "[General]\nSkill=5\n", SkillLevel::Admiral, 1, 1, 0, 1},
        OptionsRow{"SkillKeepsOnlyItsLow16Bits", "[General]\nSkill=65539\n", SkillLevel::FirstOfficer, 1, 1, 0, 1},
        OptionsRow{"NamesIgnoreCaseAndBlanks", "[ general ]\n  skill = 2 \nAUTOSRS=0\n", SkillLevel::Officer, 0, 1, 0,
                   1},
        OptionsRow{"OptionsAreKeptAsStored", "[General]\nAutoSRS=7\nSounds=-3\n", SkillLevel::Crewman, 7, 1, 0, -3},
        OptionsRow{"DigitsThenJunkReadTheDigits", "[General]\nSkill=3rd\nIconicPause=yes\n", SkillLevel::FirstOfficer,
                   1, 1, 0, 1},
        OptionsRow{"TheFirstSectionAndKeyWin", "[General]\nSkill=1\nSkill=4\n[General]\nSkill=5\n", SkillLevel::Yeoman,
                   1, 1, 0, 1},
        OptionsRow{"KeysOfOtherSectionsDoNotCount", "[Positions]\nSkill=4\n[General]\nSounds=0\n[Other]\nAutoSRS=0\n",
                   SkillLevel::Crewman, 1, 1, 0, 0},
        OptionsRow{"CommentsAreNotKeys", "[General]\n;Skill=4\nSkill=2\n", SkillLevel::Officer, 1, 1, 0, 1},
        OptionsRow{"WindowsLineEnds", "[General]\r\nSkill=3\r\nSounds=0\r\n", SkillLevel::FirstOfficer, 1, 1, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(SettingsTest, AWriteChangesOnlyTheOptionsLinesAndKeepsEverythingElse) {
  WriteSettingsFile(
      "; my bridge\r\n"
      "[Positions]\r\n"
      "ShortRange=1,250,5,580,275\r\n"
      "\r\n"
      "[general]\r\n"
      "sounds = 1\r\n"
      "Skill=2\r\n"
      "Colour=blue\r\n"
      "\r\n"
      "[Mine]\r\n"
      "key with spaces=a,b;c\r\n");
  coreState.options = ProgramOptions{SkillLevel::Admiral, 0, 1, 1, 0};
  WriteSettings();
  EXPECT_EQ(SettingsFileText(),
            "; my bridge\r\n"
            "[Positions]\r\n"
            "ShortRange=1,250,5,580,275\r\n"
            "\r\n"
            "[general]\r\n"
            "Sounds=0\r\n"
            "Skill=5\r\n"
            "Colour=blue\r\n"
            "AutoSRS=0\r\n"
            "SingleCtrl=1\r\n"
            "IconicPause=1\r\n"
            "RecordMissions=1\r\n"
            "BridgeSize=0\r\n"
            "\r\n"
            "[Mine]\r\n"
            "key with spaces=a,b;c\r\n");

  coreState.options = ProgramOptions{};
  ReadSettings();
  EXPECT_EQ(coreState.options.skillSetting, SkillLevel::Admiral) << "what was written reads back";
  EXPECT_EQ(coreState.options.pauseWhenIconic, 1);
}

TEST_F(SettingsTest, AFirstWriteMakesTheGeneralSection) {
  coreState.options.skillSetting = SkillLevel::Yeoman;
  WriteSettings();
  EXPECT_EQ(SettingsFileText(),
            "[General]\nSkill=1\nAutoSRS=1\nSingleCtrl=1\nIconicPause=0\nSounds=1\nRecordMissions=1\nBridgeSize=0\n");
}

TEST_F(SettingsTest, TheBridgeSizeIsKeptAndAnythingButItsFourChoicesReadsAsAutomatic) {
  for (const auto& [stored, read] :
       {std::pair{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 0}, {"-1", 0}, {"huge", 0}, {"65538", 0}}) {
    WriteSettingsFile(std::string("[General]\nBridgeSize=") + stored + "\n");
    ReadSettings();
    EXPECT_EQ(coreState.options.bridgeSize, read) << stored;
  }
  coreState.options.bridgeSize = 3;
  WriteSettings();
  coreState.options = ProgramOptions{};
  ReadSettings();
  EXPECT_EQ(coreState.options.bridgeSize, 3);
}

struct HostileRow {
  const char* name;
  std::string file;
};
void PrintTo(const HostileRow& row, std::ostream* os) { *os << row.name; }

class HostileSettingsTest : public SettingsTest, public ::testing::WithParamInterface<HostileRow> {};

TEST_P(HostileSettingsTest, GiveTheDefaultsAndSurviveAWrite) {
  WriteSettingsFile(GetParam().file);
  ReadSettings();
  EXPECT_EQ(coreState.options.skillSetting, SkillLevel::Crewman);
  EXPECT_EQ(coreState.options.autoSrs, 1);
  EXPECT_EQ(coreState.options.soundsEnabled, 1);
  WriteSettings();
  ReadSettings();
  EXPECT_EQ(coreState.options.autoSrs, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileSettingsTest,
    ::testing::Values(HostileRow{"Empty", ""}, HostileRow{"TruncatedSection", "[Gener"},
                      HostileRow{"TruncatedKey", "[General]\nSki"},
                      HostileRow{"NoValue", "[General]\nSkill=\nAutoSRS\n"},
                      HostileRow{"Binary", std::string("\0\xff\x01[\0General]\n\xfe=\x80\r\r\n", 20)},
                      HostileRow{"MegabyteLine", "[General]\nSkill=" + std::string(1 << 20, '9') + "x\nSounds=1\n"},
                      HostileRow{"MegabyteSectionName", "[" + std::string(1 << 20, 'G') + "\n"},
                      HostileRow{"HugeNumbers", "[General]\nSkill=99999999999999999999\nAutoSRS=1\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(SettingsTest, AFileOverAMegabyteIsNeitherReadNorReplacedAndThePlayerIsTold) {
  const std::string huge = "[General]\nAutoSRS=0\n" + std::string(LargestSettingsFile, ';');
  WriteSettingsFile(huge);
  ReadSettings();
  EXPECT_EQ(coreState.options.autoSrs, 1);
  coreState.options.autoSrs = 0;
  WriteSettings();
  EXPECT_EQ(SettingsFileText().size(), huge.size()) << "the player's file is left alone";
  EXPECT_EQ(recorder.CallsNamed("ShowMessageBox"),
            std::vector<std::string>{"Settings: Your settings could not be saved in the file " +
                                     coreState.settingsPath + "\nFile too large"});
}

// Settings that cannot be kept are said once a session, with the file and the system's reason.
class LostSettings : public SettingsTest {
 protected:
  std::string NotKept(const std::string& reason) const {
    return "Settings: Your settings could not be saved in the file " + coreState.settingsPath + "\n" + reason;
  }
  std::vector<std::string> MessageBoxes() const { return recorder.CallsNamed("ShowMessageBox"); }
};

TEST_F(LostSettings, AFolderInTheFilesPlaceIsSaidOnceForOptionsAndPositionsAlike) {
  std::filesystem::create_directory(coreState.settingsPath);
  ReadSettings();
  WriteSettings();
  EXPECT_FALSE(UpdateSettingsFile([](ProfileText& text) { text.Set("Positions", "Status", "1,2,3,4,5"); }));
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{NotKept("Is a directory")});
  EXPECT_TRUE(std::filesystem::is_directory(coreState.settingsPath));
}

TEST_F(LostSettings, AFullDiskIsSaidAndKeepsTheOldFile) {
  WriteSettingsFile("[General]\nSkill=2\n; " + std::string(200, 'x') + "\n");
  const std::string old = SettingsFileText();
  coreState.options.skillSetting = SkillLevel::Admiral;
  {
    FileSizeLimit diskFull(100);
    WriteSettings();
  }
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{NotKept("File too large")});
  EXPECT_EQ(SettingsFileText(), old);
}

// The settings go to the player's own file when the one beside the program cannot be used.
class SettingsPlace : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    beside = (directory / "program" / SettingsFileName).string();
    perUser = (directory / "home" / ".config" / "kestrav" / SettingsFileName).string();
    std::filesystem::create_directories(directory / "program");
  }
  std::string beside, perUser;
};

TEST_F(SettingsPlace, AUsableFileBesideTheProgramOrNoneThereYetIsKept) {
  EXPECT_EQ(ChooseSettingsPath(beside, perUser), beside);
  WriteText(beside, "[General]\nSkill=3\n");
  EXPECT_EQ(ChooseSettingsPath(beside, perUser), beside);
  EXPECT_FALSE(std::filesystem::exists(directory / "home")) << "nothing is made for the player that is not used";
}

TEST_F(SettingsPlace, AFolderAHugeFileOrAPipeBesideTheProgramSendsThemToThePlayersFile) {
  std::filesystem::create_directory(beside);
  EXPECT_EQ(ChooseSettingsPath(beside, perUser), perUser);
  EXPECT_TRUE(std::filesystem::is_directory(directory / "home" / ".config" / "kestrav"));
  std::filesystem::remove(beside);

  WriteText(beside, std::string(10 << 20, ';'));
  EXPECT_EQ(ChooseSettingsPath(beside, perUser), perUser);
  std::filesystem::remove(beside);

  ASSERT_TRUE(MakeNamedPipe(beside));
  std::string chosen;
  ASSERT_TRUE(FinishesWithoutAWriter(beside, [&] { chosen = ChooseSettingsPath(beside, perUser); }));
  EXPECT_EQ(chosen, perUser);
}

TEST_F(SettingsPlace, AnImmutableFileBesideTheProgramSendsThemToThePlayersFile) {
  WriteText(beside, "[General]\nSkill=3\n");
  if (std::system(("chattr +i " + beside + " 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "this file system keeps no immutable files";
  const std::string chosen = ChooseSettingsPath(beside, perUser);
  std::system(("chattr -i " + beside).c_str());
  EXPECT_EQ(chosen, perUser);
}

TEST_F(SettingsPlace, AFileOrFolderThePlayerMayNotUseSendsThemToThePlayersFile) {
  // The program's folder and file are root's: another user may read the file but not replace it.
  WriteText(beside, "[General]\nSkill=3\n");
  std::filesystem::permissions(directory, std::filesystem::perms::all);  // lets the player make the per-user folder
  EXPECT_TRUE(PassesAsUnprivilegedUser([this] { return ChooseSettingsPath(beside, perUser) == perUser; }));
  std::filesystem::permissions(directory / "program", std::filesystem::perms::all);
  EXPECT_TRUE(PassesAsUnprivilegedUser([this] { return ChooseSettingsPath(beside, perUser) == perUser; }))
      << "a file the player may read but not change";
  std::filesystem::permissions(beside, std::filesystem::perms::all);
  EXPECT_TRUE(PassesAsUnprivilegedUser([this] { return ChooseSettingsPath(beside, perUser) == beside; }))
      << "once the player may change it, the file beside the program is used";
  std::filesystem::permissions(beside, std::filesystem::perms::none);
  EXPECT_TRUE(PassesAsUnprivilegedUser([this] { return ChooseSettingsPath(beside, perUser) == perUser; }))
      << "a file the player may not read";
}

TEST(ProfileTextTest, StrayReturnsEndLinesSoATextReadsBackAsItWasWritten) {
  const ProfileText text("a=1\r\r\n[b]\rc=2\r");
  EXPECT_EQ(text.Text(), "a=1\r\n[b]\rc=2\r\n");
  EXPECT_EQ(ProfileText(text.Text()).Text(), text.Text());
}

TEST(ProfileTextTest, AValueIsCutToItsBufferAndLosesOnePairOfQuotes) {
  const ProfileText text("[Positions]\nStatus=  \"1,2,3\"  \nLong=" + std::string(100, '7') + "\n");
  EXPECT_EQ(text.GetString("Positions", "Status", 32), "1,2,3");
  EXPECT_EQ(text.GetString("Positions", "Long", 32)->size(), 31u);
  EXPECT_FALSE(text.GetString("Positions", "Missing", 32));
  EXPECT_FALSE(text.GetString("Nowhere", "Status", 32));
}

TEST(ProfileTextTest, NamesMatchWhateverTheCaseOfEveryLetter) {
  const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const std::string lower = "abcdefghijklmnopqrstuvwxyz";
  for (std::size_t i = 0; i < upper.size(); ++i) {
    const std::string big(1, upper[i]), small(1, lower[i]);
    SCOPED_TRACE(big);
    const ProfileText text("[" + big + "x]\n" + small + "y=1\n");
    EXPECT_EQ(text.GetInt(small + "x", big + "y", 0), 1);
    EXPECT_EQ(text.GetInt(big + "X", small + "Y", 0), 1);
  }
  // Only letters have a case: the characters next to them in the code table stay apart.
  const ProfileText marks("[@[`{]\nk=1\n");
  EXPECT_EQ(marks.GetInt("@[`{", "K", 0), 1);
  EXPECT_EQ(marks.GetInt("`{@[", "k", 0), 0);
}

struct PlacementRow {
  const char* name;
  const char* text;
  std::optional<WindowPlacement> parsed;
};
void PrintTo(const PlacementRow& row, std::ostream* os) { *os << row.name; }

class PlacementParseTest : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(PlacementParseTest, TakesFiveNumbersOrNone) { EXPECT_EQ(ParsePlacement(GetParam().text), GetParam().parsed); }

INSTANTIATE_TEST_SUITE_P(
    Values, PlacementParseTest,
    ::testing::Values(PlacementRow{"Written", "2,250,5,580,275", WindowPlacement{2, 250, 5, 580, 275}},
                      PlacementRow{"Negative", "1,-40,-3,100,90", WindowPlacement{1, -40, -3, 100, 90}},
                      PlacementRow{"BlanksBeforeNumbers", "1, 2, 3, 4, 5", WindowPlacement{1, 2, 3, 4, 5}},
                      PlacementRow{"TrailingTextIgnored", "1,2,3,4,5,6 and more", WindowPlacement{1, 2, 3, 4, 5}},
                      PlacementRow{"HugeNumbersStopAtTheEnds", "1,99999999999,-99999999999,3,4",
                                   WindowPlacement{1, 2147483647, -2147483647 - 1, 3, 4}},
                      PlacementRow{"FourNumbers", "1,2,3,4", std::nullopt}, PlacementRow{"Empty", "", std::nullopt},
                      PlacementRow{"EmptyField", "1,,3,4,5", std::nullopt},
                      PlacementRow{"BlankBeforeComma", "1 ,2,3,4,5", std::nullopt},
                      PlacementRow{"Words", "normal,10,10,300,200", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PlacementFormatTest, WritesTheFiveNumbersWithCommas) {
  EXPECT_EQ(FormatPlacement({2, -4, 5, 580, 275}), "2,-4,5,580,275");
}
}  // namespace
