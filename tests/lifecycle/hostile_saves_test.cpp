// Saving where the world is not friendly: a save that fails keeps the game and the old file,
// honours read-only files and symbolic links, says why, and leaves no debris behind.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <functional>

#include "core/core_state.h"
#include "core/file_io.h"
#include "core/game_commands.h"
#include "core/game_files.h"
#include "core/new_game.h"
#include "core/saved_game.h"
#include "core/temporary_file.h"
#include "tests/lifecycle/lifecycle_fixture.h"

namespace {
namespace fs = std::filesystem;
constexpr uid_t Nobody = 65534;

class HostileSaves : public LifecycleTest {
 protected:
  void SetUp() override {
    LifecycleTest::SetUp();
    lcg::Seed(3);
    NewGame();
    coreState.game.changeCount = 1;
    recorder.Clear();
  }
  std::string PathOf(const char* name) const { return (directory / name).string(); }
  std::vector<std::string> MessageBoxes() const { return recorder.CallsNamed("ShowMessageBox"); }
  static std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // Saves to `path`; the message boxes it showed, or "saved".
  std::string SaveTo(const std::string& path) {
    recorder.Clear();
    coreState.game.gameFilePath = path;
    if (SaveGame()) return "saved";
    std::string boxes;
    for (const std::string& box : MessageBoxes()) boxes += box;
    return boxes;
  }
  std::string WriteError(const std::string& path, const char* reason) const {
    return "Save Game: Errors trying to write the game file " + path + "\n" + reason;
  }

  // Runs `body` in a child process (to drop root, or to mount a file system of its own) and
  // returns what it reported; empty when the child could not set itself up.
  static std::string InChild(const std::function<std::string()>& body) {
    int report[2];
    if (::pipe(report) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(report[0]);
      const std::string text = body();
      if (::write(report[1], text.data(), text.size()) < 0) ::_exit(1);
      ::_exit(0);
    }
    ::close(report[1]);
    std::string text;
    char chunk[512];
    for (ssize_t n; (n = ::read(report[0], chunk, sizeof chunk)) > 0;) text.append(chunk, static_cast<std::size_t>(n));
    ::close(report[0]);
    ::waitpid(child, nullptr, 0);
    return text;
  }
  // In the child: a mount namespace of its own, as root or as the root of a user namespace.
  static bool OwnMountNamespace() {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (uid == 0)
      return ::unshare(CLONE_NEWNS) == 0 && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
    std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
    return ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
  }
};

TEST_F(HostileSaves, AFailedSaveCancelsTheCommandThatAskedForItAndKeepsTheGame) {
  const std::string nowhere = PathOf("gone/voyage.gam");
  const std::vector<std::uint8_t> before = EncodeSavedGame(coreState.game);
  for (const auto& command : {NewGameCommand, EndGameCommand}) {
    coreState.game.gameFilePath = nowhere;
    coreState.game.gameFileTitle = "voyage.gam";
    recorder.Clear();
    recorder.answers = {Answer::Yes};
    command();
    EXPECT_EQ(MessageBoxes(), (std::vector<std::string>{"Save Game: Do you want to save the current game voyage.gam?",
                                                        WriteError(nowhere, "No such file or directory")}));
    EXPECT_EQ(EncodeSavedGame(coreState.game), before);
    EXPECT_NE(coreState.game.gamePhase, GamePhase::NoGame);
    EXPECT_EQ(coreState.game.gameFileTitle, "voyage.gam");
    EXPECT_EQ(coreState.game.changeCount, 1);
  }

  // A file chosen in the Save As dialog that could not take the game does not become its name.
  coreState.game.gameFilePath.clear();
  coreState.game.gameFileTitle.clear();
  recorder.answers = {Answer::Yes};
  recorder.saveFileChoices = {nowhere};
  EXPECT_EQ(PromptSaveGame(), Answer::Cancel);
  EXPECT_EQ(coreState.game.gameFilePath, "");
}

TEST_F(HostileSaves, AFileTheUserMayNotWriteIsAnErrorAndAReplacedFileKeepsItsMode) {
  fs::permissions(directory, fs::perms::all);
  const std::string readOnly = PathOf("read-only.gam");
  const std::string shared = PathOf("shared.gam");
  WriteText(readOnly, "the old game");
  WriteText(shared, "the old game");
  ::chmod(readOnly.c_str(), 0444);
  ::chmod(shared.c_str(), 0664);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(readOnly.c_str(), Nobody, Nobody), 0);
    ASSERT_EQ(::chown(shared.c_str(), Nobody, Nobody), 0);
  }
  // As an ordinary user, whoever runs the tests.
  const std::string report = InChild([&] {
    if (::geteuid() == 0 && (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)) return std::string();
    return SaveTo(readOnly) + "|" + SaveTo(shared);
  });
  EXPECT_EQ(report, WriteError(readOnly, "Permission denied") + "|saved");
  EXPECT_EQ(ReadText(readOnly), "the old game");
  struct stat info {};
  ASSERT_EQ(::stat(shared.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0664u);
  EXPECT_EQ(fs::file_size(shared), 9456u + 36u * static_cast<unsigned>(coreState.game.alienTotal));
  if (::geteuid() == 0) {
    EXPECT_EQ(info.st_uid, Nobody) << "the owner is kept too";
  }
}

TEST_F(HostileSaves, ThroughASymbolicLinkTheFileItPointsToIsReplacedInItsOwnFolder) {
  fs::create_directories(directory / "games");
  WriteText(directory / "games" / "voyage.gam", "the old game");
  fs::create_symlink("games/voyage.gam", directory / "link.gam");
  fs::create_symlink("link.gam", directory / "link-to-link.gam");
  fs::create_symlink("games/new.gam", directory / "dangling.gam");
  fs::create_symlink("loop.gam", directory / "loop.gam");

  EXPECT_EQ(SaveTo(PathOf("link-to-link.gam")), "saved");
  EXPECT_EQ(SaveTo(PathOf("dangling.gam")), "saved");
  EXPECT_EQ(SaveTo(PathOf("loop.gam")), WriteError(PathOf("loop.gam"), "Too many levels of symbolic links"));

  for (const char* link : {"link.gam", "link-to-link.gam", "dangling.gam"})
    EXPECT_TRUE(fs::is_symlink(directory / link)) << link;
  EXPECT_EQ(ReadText(directory / "games" / "voyage.gam"), ReadText(directory / "games" / "new.gam"));
  EXPECT_EQ(fs::file_size(directory / "games" / "voyage.gam"),
            9456u + 36u * static_cast<unsigned>(coreState.game.alienTotal));
  EXPECT_EQ(FilesIn(directory / "games"), (std::vector<std::string>{"new.gam", "voyage.gam"}));
}

TEST_F(HostileSaves, WhatIsNotARegularFileIsNeverReplaced) {
  ASSERT_EQ(::mkfifo(PathOf("pipe.gam").c_str(), 0644), 0);
  fs::create_directory(directory / "folder.gam");
  EXPECT_EQ(SaveTo(PathOf("pipe.gam")), WriteError(PathOf("pipe.gam"), "Not a regular file"));
  EXPECT_EQ(SaveTo(PathOf("folder.gam")), WriteError(PathOf("folder.gam"), "Not a regular file"));
  EXPECT_TRUE(fs::is_fifo(directory / "pipe.gam"));
  EXPECT_TRUE(fs::is_directory(directory / "folder.gam"));
}

TEST_F(HostileSaves, AFullDiskOrAReadOnlyPlaceKeepsTheOldFileAndSaysWhy) {
  const fs::path disk = directory / "disk";
  fs::create_directory(disk);
  const std::string full = (disk / "full.gam").string();
  const std::string readOnly = (disk / "ro" / "kept.gam").string();
  const std::string report = InChild([&] {
    if (!OwnMountNamespace() || ::mount("none", disk.c_str(), "tmpfs", 0, "size=64k") != 0) return std::string();
    fs::create_directory(disk / "ro");
    std::string result = SaveTo(full) + "|" + SaveTo(readOnly) + "|";
    const std::string saved = ReadText(full);
    // Fill the disk until less than a game's worth is free.
    WriteText(disk / "filler", std::string(64 * 1024 - 3 * 4096, 'x'));
    coreState.game.stardateNow += 1;
    result += SaveTo(full) + "|" + (ReadText(full) == saved ? "kept" : "changed") + "|";
    ::mount((disk / "ro").c_str(), (disk / "ro").c_str(), nullptr, MS_BIND, nullptr);
    ::mount("none", (disk / "ro").c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr);
    result += SaveTo(readOnly) + "|";
    for (const std::string& name : FilesIn(disk)) result += name + " ";
    return result;
  });
  if (report.empty()) GTEST_SKIP() << "no tmpfs of our own can be mounted here";
  EXPECT_EQ(report, "saved|saved|" + WriteError(full, "No space left on device") + "|kept|" +
                        WriteError(readOnly, "Read-only file system") + "|filler full.gam ro ");
}

// A save that is killed after it made its temporary file and wrote some of it.
pid_t StartASaveThatHangs(const std::string& directory, int& ready) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    std::string path;
    const FileDescriptor file = CreateTemporaryFor(directory, "voyage.gam", path);
    if (file.Get() < 0 || ::write(file.Get(), "KVF", 4) != 4 || ::write(pipeEnds[1], "!", 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  ready = pipeEnds[0];
  char signal = 0;
  if (::read(ready, &signal, 1) != 1) return -1;
  return child;
}

TEST_F(HostileSaves, ASaveKilledMidwayLeavesNothingTheNextSaveDoesNotRemove) {
  int ready = -1;
  const pid_t saving = StartASaveThatHangs(directory.string(), ready);
  ASSERT_GT(saving, 0);
  ASSERT_EQ(FilesIn(directory).size(), 1u);
  const std::string inProgress = FilesIn(directory).front();
  EXPECT_TRUE(inProgress.starts_with(".voyage.gam.kestrav-")) << inProgress;

  // Files that only look like leftovers, and a save still in progress, stay.
  for (const char* name : {"voyage.gam.AbC123", ".voyage.gam.kestrav-AbC12", ".voyage.gam.kestrav-AbC12!", "notes"})
    WriteText(directory / name, "keep me");
  fs::create_symlink("notes", directory / ".link.kestrav-AbC123");
  EXPECT_EQ(SaveTo(PathOf("other.gam")), "saved");
  EXPECT_TRUE(fs::exists(directory / inProgress)) << "a save in progress keeps its file";

  ::kill(saving, SIGKILL);
  ::waitpid(saving, nullptr, 0);
  ::close(ready);
  EXPECT_EQ(SaveTo(PathOf("other.gam")), "saved");
  EXPECT_FALSE(fs::exists(directory / inProgress)) << "the next save into the folder removes what a killed one left";

  WriteText(directory / ".old.gam.kestrav-Zz9Zz9", "a leftover of an earlier run");
  if (::geteuid() == 0) {
    WriteText(directory / ".theirs.gam.kestrav-Zz9Zz9", "somebody else's");
    ASSERT_EQ(::chown(PathOf(".theirs.gam.kestrav-Zz9Zz9").c_str(), Nobody, Nobody), 0);
  }
  RemoveSaveLeftovers(directory.string());  // as the next start does

  std::vector<std::string> expected = {
      ".link.kestrav-AbC123", ".voyage.gam.kestrav-AbC12", ".voyage.gam.kestrav-AbC12!", "notes", "other.gam",
      "voyage.gam.AbC123"};
  if (::geteuid() == 0) expected.insert(expected.begin() + 1, ".theirs.gam.kestrav-Zz9Zz9");
  EXPECT_EQ(FilesIn(directory), expected);
}
}  // namespace
