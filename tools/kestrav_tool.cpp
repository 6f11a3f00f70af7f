// kestrav-tool: runs the game's rules without windows.
//
//   kestrav-tool new --seed SEED --skill LEVEL --out FILE [--state]
//       generates a mission exactly as the game does from random state SEED, writes it as a
//       saved game and prints the mission's orders
//   kestrav-tool show FILE
//       checks a saved game and describes it
//   kestrav-tool move FILE --seed SEED --course C (--warp W | --impulse I) --out FILE2 [--state]
//   kestrav-tool ricochet FILE --seed SEED --out FILE2 [--state]
//       load a saved game, move the ship headless and save the result (ship_moves.h)
//   kestrav-tool torpedo FILE --seed SEED --course C --distance D --out FILE2 [--state]
//   kestrav-tool phasers FILE --seed SEED --energy E (--single | --wide) --out FILE2 [--state]
//       load a saved game, fire the station's weapon headless and save the result (weapons.h)
//   kestrav-tool console FILE --seed SEED --line TEXT [--line TEXT ...] --out FILE2 [--state]
//       load a saved game, type lines at the Computer console and save the result
//       (console_session.h)
//   kestrav-tool wait FILE --seed SEED --ms N --out FILE2 [--state]
//       load a saved game, let N ms of game time pass headless and save the result
//       (idle_time.h)
//   kestrav-tool replay JOURNAL [--out FILE.gam] [--until TICK] [--state]
//       plays a mission's journal again headless, checking its checkpoints (replay_verb.h)
//   kestrav-tool soak --seed S --missions N [--skill K] [--report FILE] [--mission M] [--scratch DIR]
//                     [--journals DIR]
//       plays N whole missions headless, checking the game's rules after every step
//       (soak_verb.h)

#include <QCoreApplication>
#include <QFile>
#include <QResource>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/format_text.h"
#include "core/message_catalogue.h"
#include "core/new_game.h"
#include "core/options.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "headless/headless_host.h"
#include "sector/sector_reset.h"
#include "tools/command_line.h"
#include "tools/console_session.h"
#include "tools/game_summary.h"
#include "tools/idle_time.h"
#include "tools/replay_verb.h"
#include "tools/saved_game_files.h"
#include "tools/ship_moves.h"
#include "tools/soak_verb.h"
#include "tools/weapons.h"

namespace {
int Usage() {
  std::fputs(
      "usage: kestrav-tool new --seed SEED --skill LEVEL --out FILE [--state]\n"
      "       kestrav-tool show FILE\n"
      "       kestrav-tool move FILE --seed SEED --course C (--warp W | --impulse I) --out FILE2 [--state]\n"
      "       kestrav-tool ricochet FILE --seed SEED --out FILE2 [--state]\n"
      "       kestrav-tool torpedo FILE --seed SEED --course C --distance D --out FILE2 [--state]\n"
      "       kestrav-tool phasers FILE --seed SEED --energy E (--single | --wide) --out FILE2 [--state]\n"
      "       kestrav-tool console FILE --seed SEED --line TEXT [--line TEXT ...] --out FILE2 [--state]\n"
      "       kestrav-tool wait FILE --seed SEED --ms N --out FILE2 [--state]\n"
      "       kestrav-tool replay JOURNAL [--out FILE.gam] [--until TICK] [--state]\n"
      "       kestrav-tool soak --seed S --missions N [--skill K] [--report FILE] [--mission M] [--scratch DIR]\n"
      "            [--journals DIR]\n"
      "\n"
      "  new    generate a mission from random state SEED (0..4294967295) at skill LEVEL\n"
      "         (0 Crewman .. 5 Admiral), save it to FILE and print its orders\n"
      "  show   check the saved game FILE and describe it\n"
      "  move   load FILE, set the random state to SEED, move the ship on course C (0..359)\n"
      "         at warp W or impulse I (1..9), save the result to FILE2 and print the\n"
      "         ship's messages of the move\n"
      "  ricochet  the same for the gravity ricochet\n"
      "  torpedo  the same for the Photon Torpedoes station's EXECUTE with course C (0..359)\n"
      "           and DISTANCE D (0..9)\n"
      "  phasers  the same for the Phasers station's EXECUTE with a charge of E units (leaving\n"
      "           the ship at least 41) at a single target or in wide dispersal\n"
      "  console  load FILE, set the random state to SEED, type each TEXT at the Computer\n"
      "         console, then Enter; save the result to FILE2 and print the console's answers\n"
      "  wait   load FILE, set the random state to SEED, let N ms of game time pass (the\n"
      "         clock, and in red alert the aliens' moves and attacks), save the result to\n"
      "         FILE2 and print every ship message posted\n"
      "  replay play a mission's journal again headless, checking its checkpoints\n"
      "  soak   play N whole missions headless, checking the game's rules after every step\n"
      "  --state  end with the random generator's state\n"
      "\n"
      "  Every verb that loads a game refuses one whose mission is over, except show.\n",
      stderr);
  return ExitUsage;
}

// The picture bundle beside the tool, or where an installed copy keeps it, as the game finds it.
QString PictureBundlePath() {
  const QString beside = QCoreApplication::applicationDirPath() + "/KESTRAV1.rcc";
  const QString installed = QCoreApplication::applicationDirPath() + "/../share/kestrav/KESTRAV1.rcc";
  return QFile::exists(beside) || !QFile::exists(installed) ? beside : installed;
}

// The mission orders, communiqué 1 of the picture bundle.
std::optional<std::string> LoadMissionOrders() {
  const QString bundle = PictureBundlePath();
  if (!QResource::registerResource(bundle)) return std::nullopt;
  QByteArray bytes;
  {
    QFile item(":/kestrav1/communiques/1.txt");
    if (item.open(QIODevice::ReadOnly)) bytes = item.readAll();
  }
  QResource::unregisterResource(bundle);  // read once; the bundle goes before the program ends
  if (bytes.isEmpty()) return std::nullopt;
  return std::string(bytes.constData(), strnlen(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

int NewMission(const std::vector<std::string>& args) {
  std::optional<std::uint32_t> seed;
  std::optional<int> skill;
  std::string out;
  bool printState = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool hasValue = i + 1 < args.size();
    if (option == "--state")
      printState = true;
    else if (option == "--seed" && hasValue)
      seed = ParseNumber<std::uint32_t>(args[++i]);
    else if (option == "--skill" && hasValue)
      skill = ParseNumber<int>(args[++i]);
    else if (option == "--out" && hasValue)
      out = args[++i];
    else
      return Usage();
  }
  if (!seed || !skill || *skill < 0 || *skill > 5 || out.empty()) return Usage();

  const std::optional<std::string> orders = LoadMissionOrders();
  if (!orders)
    return Fail("cannot read the mission orders from the picture bundle " + PictureBundlePath().toStdString());

  HeadlessHost headless;
  ResetSectorState(headless);
  headless.communiques[1] = *orders;
  coreState.options.skillSetting = static_cast<SkillLevel>(*skill);
  coreState.game.skillLevel = coreState.options.skillSetting;
  lcg::Seed(*seed);
  NewGame();

  if (std::string problem = WriteGameFile(out, coreState.game); !problem.empty()) return Fail(problem);

  const std::vector<std::string> shown = headless.CallsNamed("ShowCommunique");
  std::printf("%s\n", shown.empty() ? "" : shown.front().c_str());
  if (printState) std::printf("random state: %u\n", lcg::State());
  return ExitOk;
}

int ShowGame(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage();
  GameState loaded;
  if (std::string problem = ReadGameFile(args[0], loaded); !problem.empty()) return Fail(problem);
  std::fputs(DescribeGame(loaded).c_str(), stdout);
  return ExitOk;
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  UseGameNumberFormat();
  if (argc < 2) return Usage();
  const std::string verb = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (verb == "new") return NewMission(args);
  if (verb == "show") return ShowGame(args);
  if (verb == "move") return MoveVerb(args);
  if (verb == "ricochet") return RicochetVerb(args);
  if (verb == "torpedo") return TorpedoVerb(args);
  if (verb == "phasers") return PhasersVerb(args);
  if (verb == "console") return ConsoleVerb(args);
  if (verb == "wait") return WaitVerb(args);
  if (verb == "replay") return ReplayVerb(args);
  if (verb == "soak") return SoakVerb(args);
  return Usage();
}
