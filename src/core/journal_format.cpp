#include "core/journal_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <span>

#include "core/format_text.h"
#include "core/saved_game.h"

namespace {
constexpr std::string_view Magic = "kestrav-journal";
constexpr std::size_t GameBytesPerLine = 64;
constexpr std::size_t LongestLine = 4096;

// Notes what is wrong with the text; a reader's way of giving up.
std::nullopt_t Refuse(std::string& problem, std::string what) {
  problem = std::move(what);
  return std::nullopt;
}

// What one figure of a record may hold.
enum class Figure { Course, Setting, Units, Tick, Target, State };

// A record's figures, up to three, as a constant table holds them.
class Figures {
 public:
  constexpr Figures(std::initializer_list<Figure> figures) : count_(figures.size()) {
    std::copy(figures.begin(), figures.end(), at_.begin());
  }
  constexpr std::size_t size() const { return count_; }
  constexpr const Figure* begin() const { return at_.data(); }
  constexpr const Figure* end() const { return at_.data() + count_; }
  constexpr Figure operator[](std::size_t i) const { return at_[i]; }

 private:
  std::array<Figure, 3> at_{};
  std::size_t count_;
};

struct KindSyntax {
  JournalKind kind;
  std::string_view name;
  Figures figures;
};

constexpr KindSyntax KindTable[] = {
    {JournalKind::Move, "move", {Figure::Course, Figure::Setting, Figure::Setting}},
    {JournalKind::Torpedo, "torpedo", {Figure::Course, Figure::Setting}},
    {JournalKind::Ricochet, "ricochet", {}},
    {JournalKind::PhaserCharge, "charge", {Figure::Units, Figure::Target}},
    {JournalKind::Phasers, "phasers", {Figure::Units, Figure::Target}},
    {JournalKind::Shields, "shields", {Figure::Units, Figure::Units}},
    {JournalKind::Console, "console", {}},
    {JournalKind::Idle, "idle", {Figure::Tick}},
    {JournalKind::Frames, "frames", {}},
    {JournalKind::Random, "random", {Figure::State}},
    {JournalKind::Save, "save", {}},
    {JournalKind::Check, "check", {}},
    {JournalKind::End, "end", {}},
};

constexpr std::span<const KindSyntax> Kinds() { return KindTable; }

const KindSyntax& SyntaxOf(JournalKind kind) {
  return *std::find_if(Kinds().begin(), Kinds().end(), [kind](const KindSyntax& k) { return k.kind == kind; });
}

// The checkpoint's figures, in their order.
constexpr std::array<std::string_view, 7> CheckFields = {"energy",   "shields", "torpedoes", "stardate",
                                                         "quadrant", "sector",  "aliens"};
// Energies beyond any a game can reach make a record absurd.
constexpr std::uint32_t MostUnits = 1000000;

std::string FigureText(Figure figure, std::uint32_t value) {
  if (figure == Figure::Target) return value ? "single" : "wide";
  return std::to_string(value);
}

std::string QuoteRow(const std::string& row) {
  std::string quoted = "\"";
  for (const char c : row) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\')
      quoted += std::string("\\") + c;
    else if (byte < 0x20 || byte >= 0x7F)
      quoted += FormatText("\\x%02x", byte);
    else
      quoted += c;
  }
  return quoted + '"';
}

// Splits a line at single spaces; an empty word (two spaces, a space at an end) is an error.
std::optional<std::vector<std::string_view>> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (true) {
    const std::size_t space = line.find(' ', start);
    const std::string_view word = line.substr(start, space == std::string_view::npos ? space : space - start);
    if (word.empty()) return std::nullopt;
    words.push_back(word);
    if (space == std::string_view::npos) return words;
    start = space + 1;
  }
}

// A whole unsigned decimal number without sign or leading zeros.
std::optional<std::uint32_t> Decimal(std::string_view text) {
  if (text.empty() || (text.size() > 1 && text[0] == '0')) return std::nullopt;
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> ParseFigure(Figure figure, std::string_view text) {
  if (figure == Figure::Target) {
    if (text == "single") return 1;
    if (text == "wide") return 0;
    return std::nullopt;
  }
  const std::optional<std::uint32_t> value = Decimal(text);
  if (!value) return std::nullopt;
  switch (figure) {
    case Figure::Course: return *value <= 359 ? value : std::nullopt;
    case Figure::Setting: return *value <= 9 ? value : std::nullopt;
    case Figure::Units: return *value <= MostUnits ? value : std::nullopt;
    default: return value;
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> UnquoteRow(std::string_view text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
  std::string row;
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') return std::nullopt;
    if (c != '\\') {
      row += c;
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const char next = text[++i];
    if (next == '"' || next == '\\') {
      row += next;
    } else if (next == 'x' && i + 3 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
      row += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  return row;
}

std::optional<std::uint64_t> ParseHash(std::string_view text) {
  if (text.size() != 16) return std::nullopt;
  std::uint64_t hash = 0;
  for (const char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    hash = hash * 16 + static_cast<std::uint64_t>(digit);
  }
  return hash;
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text) {
  if (text.empty() || text.size() % 2 != 0 || text.size() > 2 * GameBytesPerLine) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  return bytes;
}

// Reads the text one line at a time, counting them; every line must end with a newline.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return position_ == text_.size(); }
  int Number() const { return number_; }
  // The next line without its newline; nothing when it has none, is too long or holds a byte
  // that is not printable text (which the format always writes escaped).
  std::optional<std::string_view> Next() {
    ++number_;
    const std::size_t newline = text_.find('\n', position_);
    if (newline == std::string_view::npos || newline - position_ > LongestLine) {
      fault_ = "a line cut short or too long";
      return std::nullopt;
    }
    const std::string_view line = text_.substr(position_, newline - position_);
    if (!std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; })) {
      fault_ = "a line holds a byte that is not printable text";
      return std::nullopt;
    }
    position_ = newline + 1;
    return line;
  }
  // Why the last line could not be had.
  const std::string& Fault() const { return fault_; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  int number_ = 0;
  std::string fault_;
};

// The header line `name V1 V2 ...` with exactly `count` decimal values.
std::optional<std::vector<std::uint32_t>> HeaderNumbers(std::string_view line, std::string_view name,
                                                        std::size_t count) {
  const auto words = Words(line);
  if (!words || words->size() != count + 1 || (*words)[0] != name) return std::nullopt;
  std::vector<std::uint32_t> values;
  for (std::size_t i = 1; i < words->size(); ++i) {
    const auto value = Decimal((*words)[i]);
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  return values;
}

std::optional<JournalCheck> ParseCheck(const std::vector<std::string_view>& words, std::size_t first) {
  if (words.size() != first + 1 + CheckFields.size()) return std::nullopt;
  JournalCheck check;
  const auto hash = ParseHash(words[first]);
  if (!hash) return std::nullopt;
  check.hash = *hash;
  for (std::size_t i = 0; i < CheckFields.size(); ++i) {
    const std::string_view word = words[first + 1 + i];
    const std::size_t equals = word.find('=');
    if (equals == std::string_view::npos || word.substr(0, equals) != CheckFields[i] || equals + 1 == word.size())
      return std::nullopt;
    check.fields.emplace_back(std::string(CheckFields[i]), std::string(word.substr(equals + 1)));
  }
  return check;
}

std::optional<JournalRecord> ParseRecord(std::string_view line, std::string& problem) {
  JournalRecord record;
  // A console row may hold spaces: it is the rest of the line, quoted.
  std::string_view row;
  if (const std::size_t quote = line.find(" \""); quote != std::string_view::npos) {
    row = line.substr(quote + 1);
    line = line.substr(0, quote);
  }
  const auto words = Words(line);
  if (!words) return Refuse(problem, "a record's words are separated by single spaces");
  std::size_t next = 0;
  if ((*words)[0].starts_with('@')) {
    const auto pump = Decimal((*words)[0].substr(1));
    if (!pump || *pump == 0 || *pump > 0x7FFFFFFF) return Refuse(problem, "a bad wait number after @");
    record.pump = static_cast<int>(*pump);
    ++next;
  }
  if (next + 2 > words->size()) return Refuse(problem, "a record needs a tick and a kind");
  const auto tick = Decimal((*words)[next++]);
  if (!tick) return Refuse(problem, "a bad tick");
  record.tick = *tick;
  const std::string_view name = (*words)[next++];
  const auto syntax =
      std::find_if(Kinds().begin(), Kinds().end(), [name](const KindSyntax& k) { return k.name == name; });
  if (syntax == Kinds().end()) return Refuse(problem, "an unknown record \"" + std::string(name) + "\"");
  record.kind = syntax->kind;
  if (!row.empty() && record.kind != JournalKind::Console)
    return Refuse(problem, "only a console record holds a quoted row");
  if (record.kind == JournalKind::Console) {
    const auto text = UnquoteRow(row);
    if (!text || next != words->size()) return Refuse(problem, "a console record holds one quoted row");
    record.text = *text;
    return record;
  }
  if (record.kind == JournalKind::Check) {
    const auto check = ParseCheck(*words, next);
    if (!check) return Refuse(problem, "a checkpoint is a 16-digit hash and its seven figures");
    record.check = *check;
    return record;
  }
  if (words->size() - next != syntax->figures.size())
    return Refuse(problem, FormatText("\"%s\" takes %zu figures", syntax->name.data(), syntax->figures.size()));
  for (const Figure figure : syntax->figures) {
    const auto value = ParseFigure(figure, (*words)[next]);
    if (!value) return Refuse(problem, FormatText("a bad figure \"%s\"", std::string((*words)[next]).c_str()));
    record.numbers.push_back(*value);
    ++next;
  }
  return record;
}

std::optional<JournalStart> ParseStart(LineReader& lines, std::string& problem) {
  JournalStart start;
  const auto line = lines.Next();
  const auto words = line ? Words(*line) : std::nullopt;
  if (!words || words->size() < 3 || (*words)[0] != "start")
    return Refuse(problem, "expected \"start new SEED SKILL\" or \"start load BYTES\"");
  if ((*words)[1] == "new" && words->size() == 4) {
    const auto seed = Decimal((*words)[2]);
    const auto skill = Decimal((*words)[3]);
    if (!seed || !skill || *skill > 5) return Refuse(problem, "a bad seed or skill");
    start.seed = *seed;
    start.skill = static_cast<SkillLevel>(*skill);
    return start;
  }
  if ((*words)[1] != "load" || words->size() != 3) return Refuse(problem, "expected \"start new\" or \"start load\"");
  const auto size = Decimal((*words)[2]);
  if (!size || *size < SavedGameHeaderSize || *size > MaxSavedGameSize)
    return Refuse(problem, "a saved game's size is out of range");
  start.newMission = false;
  while (start.savedGame.size() < *size) {
    const auto data = lines.Next();
    if (!data || !data->starts_with("game ")) return Refuse(problem, "expected a \"game\" line of the saved game");
    const auto bytes = ParseHexBytes(data->substr(5));
    const std::size_t wanted = std::min<std::size_t>(GameBytesPerLine, *size - start.savedGame.size());
    if (!bytes || bytes->size() != wanted) return Refuse(problem, "a \"game\" line holds bad hex");
    start.savedGame.insert(start.savedGame.end(), bytes->begin(), bytes->end());
  }
  return start;
}

std::optional<Journal> ParseHeader(LineReader& lines, std::string& problem) {
  Journal journal;
  auto line = lines.Next();
  if (!line || !line->starts_with(Magic)) return Refuse(problem, "not a Kestrav journal");
  if (*line != std::string(Magic) + " " + std::to_string(JournalVersion))
    return Refuse(problem, "a journal of another format version (this program reads version " +
                               std::to_string(JournalVersion) + ")");
  line = lines.Next();
  if (!line || !line->starts_with("program ") || line->size() == 8)
    return Refuse(problem, "expected \"program VERSION\"");
  journal.program = std::string(line->substr(8));
  auto start = ParseStart(lines, problem);
  if (!start) return std::nullopt;
  journal.start = std::move(*start);
  line = lines.Next();
  const auto random = line ? HeaderNumbers(*line, "random", 1) : std::nullopt;
  if (!random) return Refuse(problem, "expected \"random STATE\"");
  journal.start.randomState = (*random)[0];
  line = lines.Next();
  const auto clock = line ? HeaderNumbers(*line, "clock", 2) : std::nullopt;
  if (!clock) return Refuse(problem, "expected \"clock TICK NEXTSTEP\"");
  journal.start.tick = (*clock)[0];
  journal.start.nextClockTick = (*clock)[1];
  return journal;
}
}  // namespace

JournalRecord MakeJournalRecord(JournalKind kind, std::vector<std::uint32_t> numbers, std::string text) {
  JournalRecord record;
  record.kind = kind;
  record.numbers = std::move(numbers);
  record.text = std::move(text);
  return record;
}

std::string FormatJournalHeader(const std::string& program, const JournalStart& start) {
  std::string text = FormatText("%s %d\nprogram %s\n", Magic.data(), JournalVersion, program.c_str());
  if (start.newMission) {
    text += FormatText("start new %u %d\n", start.seed, static_cast<int>(start.skill));
  } else {
    text += FormatText("start load %zu\n", start.savedGame.size());
    for (std::size_t i = 0; i < start.savedGame.size(); i += GameBytesPerLine) {
      text += "game ";
      for (std::size_t j = i; j < std::min(i + GameBytesPerLine, start.savedGame.size()); ++j)
        text += FormatText("%02x", start.savedGame[j]);
      text += '\n';
    }
  }
  return text + FormatText("random %u\nclock %u %u\n", start.randomState, start.tick, start.nextClockTick);
}

std::string DescribeJournalRecord(const JournalRecord& record) {
  const KindSyntax& syntax = SyntaxOf(record.kind);
  std::string text(syntax.name);
  if (record.kind == JournalKind::Console) return text + " " + QuoteRow(record.text);
  if (record.kind == JournalKind::Check) {
    text += FormatText(" %016llx", static_cast<unsigned long long>(record.check.hash));
    for (const auto& [name, value] : record.check.fields) text += " " + name + "=" + value;
    return text;
  }
  for (std::size_t i = 0; i < syntax.figures.size() && i < record.numbers.size(); ++i)
    text += " " + FigureText(syntax.figures[i], record.numbers[i]);
  return text;
}

std::string FormatJournalRecord(const JournalRecord& record) {
  const std::string where = record.pump > 0 ? FormatText("@%d ", record.pump) : std::string();
  return where + std::to_string(record.tick) + " " + DescribeJournalRecord(record) + "\n";
}

JournalReading ParseJournal(std::string_view text) {
  JournalReading reading;
  if (!text.starts_with(Magic)) {
    reading.line = 1;
    reading.problem = "not a Kestrav journal";
    return reading;
  }
  LineReader lines(text);
  std::string problem;
  std::optional<Journal> journal = ParseHeader(lines, problem);
  while (journal && !lines.AtEnd()) {
    const auto line = lines.Next();
    if (!line) {
      journal.reset();
    } else if (auto record = ParseRecord(*line, problem)) {
      journal->records.push_back(std::move(*record));
      journal->lines.push_back(lines.Number());
    } else {
      journal.reset();
    }
  }
  if (!journal) {
    reading.line = lines.Number();
    // A line that could not be had says why; the line's own fault otherwise.
    reading.problem = lines.Fault().empty() ? problem : lines.Fault();
    return reading;
  }
  reading.journal = std::move(journal);
  return reading;
}

std::uint64_t SavedGameHash(const GameState& state) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (const std::uint8_t byte : EncodeSavedGame(state)) {
    hash ^= byte;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

JournalCheck CheckpointOf(const GameState& state) {
  JournalCheck check;
  check.hash = SavedGameHash(state);
  const std::array<std::string, CheckFields.size()> values = {
      std::to_string(state.shipEnergy),     std::to_string(state.shieldEnergy),
      std::to_string(state.torpedoCount),   FormatText("%.1f", state.stardateNow),
      std::to_string(state.shipQuadrant),   FormatText("%d,%d", state.shipSectorX, state.shipSectorY),
      std::to_string(state.aliensRemaining)};
  for (std::size_t i = 0; i < CheckFields.size(); ++i) check.fields.emplace_back(CheckFields[i], values[i]);
  return check;
}
