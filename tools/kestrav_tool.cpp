// kestrav-tool: runs the game's rules without windows.
//
//   kestrav-tool new --seed SEED --skill LEVEL --out FILE [--state]
//       generates a mission exactly as the game does from random state SEED, writes it as a
//       saved game and prints the mission's orders
//   kestrav-tool show FILE
//       checks a saved game and describes it

#include <QCoreApplication>
#include <QFile>
#include <QResource>
#include <QSaveFile>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "format_text.h"
#include "game_summary.h"
#include "headless_host.h"
#include "message_catalogue.h"
#include "new_game.h"
#include "options.h"
#include "program_reset.h"
#include "random.h"
#include "saved_game.h"

namespace {
constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

int Usage() {
  std::fputs(
      "usage: kestrav-tool new --seed SEED --skill LEVEL --out FILE [--state]\n"
      "       kestrav-tool show FILE\n"
      "\n"
      "  new    generate a mission from random state SEED (0..4294967295) at skill LEVEL\n"
      "         (0 Crewman .. 5 Admiral), save it to FILE and print its orders\n"
      "  show   check the saved game FILE and describe it\n"
      "  --state  end with the random generator's state\n",
      stderr);
  return ExitUsage;
}

int Fail(const std::string& problem) {
  std::fprintf(stderr, "kestrav-tool: %s\n", problem.c_str());
  return ExitFailure;
}

template <typename Number>
std::optional<Number> ParseNumber(const std::string& text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// The mission orders, communiqué 1 of the picture bundle beside the program.
std::optional<std::string> LoadMissionOrders() {
  const QString bundle = QCoreApplication::applicationDirPath() + "/KESTRAV1.rcc";
  if (!QResource::registerResource(bundle)) return std::nullopt;
  QFile item(":/kestrav1/communiques/1.txt");
  if (!item.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = item.readAll();
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
    if (option == "--state") printState = true;
    else if (option == "--seed" && hasValue) seed = ParseNumber<std::uint32_t>(args[++i]);
    else if (option == "--skill" && hasValue) skill = ParseNumber<int>(args[++i]);
    else if (option == "--out" && hasValue) out = args[++i];
    else return Usage();
  }
  if (!seed || !skill || *skill < Crewman || *skill > Admiral || out.empty()) return Usage();

  const std::optional<std::string> orders = LoadMissionOrders();
  if (!orders)
    return Fail("cannot read the mission orders from the picture bundle " +
                (QCoreApplication::applicationDirPath() + "/KESTRAV1.rcc").toStdString());

  HeadlessHost headless;
  ResetProgramState(headless);
  headless.communiques[1] = *orders;
  options.skillSetting = *skill;
  game.skillLevel = *skill;
  lcg::Seed(*seed);
  NewGame();

  const std::vector<std::uint8_t> bytes = EncodeSavedGame(game);
  QSaveFile file(QString::fromStdString(out));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit())
    return Fail(FormatText(MessageText(31), out.c_str()) + ": " + file.errorString().toStdString());

  const std::vector<std::string> shown = headless.CallsNamed("ShowCommunique");
  std::printf("%s\n", shown.empty() ? "" : shown.front().c_str());
  if (printState) std::printf("random state: %u\n", lcg::State());
  return ExitOk;
}

int ShowGame(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage();
  const std::string& path = args[0];
  QFile file(QString::fromStdString(path));
  std::vector<std::uint8_t> bytes;
  if (file.open(QIODevice::ReadOnly)) {
    // One byte more than the largest game is enough to know a file is too long.
    const QByteArray read = file.read(static_cast<qint64>(MaxSavedGameSize + 1));
    bytes.assign(read.begin(), read.end());
  }
  if (!file.isOpen() || file.error() != QFileDevice::NoError)
    return Fail(FormatText(MessageText(ReadErrorText), path.c_str()) + ": " + file.errorString().toStdString());

  if (bytes.size() > MaxSavedGameSize)
    return Fail(FormatText(MessageText(ReadErrorText), path.c_str()) + ": the file is larger than any saved game");

  GameState loaded;
  const DecodeOutcome outcome = DecodeSavedGame(bytes, loaded);
  if (!outcome.Ok()) return Fail(FormatText(MessageText(outcome.error), path.c_str()) + ": " + outcome.problem);
  std::fputs(DescribeGame(loaded).c_str(), stdout);
  return ExitOk;
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc < 2) return Usage();
  const std::string verb = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (verb == "new") return NewMission(args);
  if (verb == "show") return ShowGame(args);
  return Usage();
}
