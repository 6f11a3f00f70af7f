#include "core/settings_file.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "core/bridge_size.h"
#include "core/core_state.h"
#include "core/file_failures.h"
#include "core/file_io.h"
#include "core/format_text.h"
#include "core/message_catalogue.h"

namespace {
const char* Text(MessageId id) { return MessageText(id); }

// The file's text; none when it is there but unusable.
std::optional<ProfileText> TextOf(const FileContent& content) {
  if (content.failure == ReadFailure::Missing) return ProfileText();
  if (!content.Ok()) return std::nullopt;
  return ProfileText(std::string_view(reinterpret_cast<const char*>(content.bytes.data()), content.bytes.size()));
}

void TellSettingsNotKept(const std::string& reason) {
  if (coreState.settingsLossTold) return;
  coreState.settingsLossTold = true;
  host().ShowMessageBox(FormatText(Text(Msg::SettingsNotKeptText), coreState.settingsPath.c_str()) + "\n" + reason,
                        Text(Msg::SettingsCaption), MessageStyle::ExclamationOk);
}

bool Usable(const std::string& path) {
  const FileContent content = ReadWholeFile(path, LargestSettingsFile);
  return TextOf(content) && ReplaceRefusal(path) == 0;
}

// Only the low 16 bits of the stored number count; a level outside the six is the lowest.
SkillLevel StoredSkill(int stored) {
  const auto low = static_cast<std::int16_t>(static_cast<std::uint16_t>(stored & 0xFFFF));
  return low < 0 || low > 5 ? SkillLevel::Crewman : static_cast<SkillLevel>(low);
}

// One "%d" of a plain scan: blanks, a sign, at least one digit; saturates instead of
// overflowing.
std::optional<int> ScanNumber(std::string_view& text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  long long value = 0;
  while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
    value = std::min<long long>(value * 10 + (text.front() - '0'), static_cast<long long>(INT_MAX) + 1);
    text.remove_prefix(1);
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
}  // namespace

const char* GeneralSectionName() { return Text(Msg::GeneralSection); }
const char* PositionsSectionName() { return Text(Msg::PositionsSection); }

const char* PositionKey(Station station) {
  switch (station) {
    case Station::ShortRangeScan: return Text(Msg::ShortRangeKey);
    case Station::LongRangeScan: return Text(Msg::LongRangeKey);
    case Station::Navigation: return Text(Msg::NavigationKey);
    case Station::PhotonTorpedoes: return Text(Msg::PhotonsKey);
    case Station::Phasers: return Text(Msg::PhasersKey);
    case Station::Shields: return Text(Msg::ShieldsKey);
    case Station::DamageReport: return Text(Msg::DamageKey);
    case Station::Computer: return Text(Msg::ComputerKey);
    case Station::Status: return Text(Msg::StatusKey);
    case Station::Controls: return Text(Msg::ControlsKey);
    case Station::Messages: break;
  }
  return Text(Msg::MessagesKey);
}

ProgramOptions OptionsFrom(const ProfileText& text) {
  const ProgramOptions defaults;
  const char* general = GeneralSectionName();
  ProgramOptions read;
  read.skillSetting = StoredSkill(text.GetInt(general, Text(Msg::SkillKey), static_cast<int>(defaults.skillSetting)));
  read.autoSrs = text.GetInt(general, Text(Msg::AutoSrsKey), defaults.autoSrs);
  read.singleControlWindow = text.GetInt(general, Text(Msg::SingleControlKey), defaults.singleControlWindow);
  read.pauseWhenIconic = text.GetInt(general, Text(Msg::IconicPauseKey), defaults.pauseWhenIconic);
  read.soundsEnabled = text.GetInt(general, Text(Msg::SoundsKey), defaults.soundsEnabled);
  read.recordMissions = text.GetInt(general, Text(Msg::RecordMissionsKey), defaults.recordMissions);
  read.bridgeSize = StoredBridgeSize(text.GetInt(general, Text(Msg::BridgeSizeKey), defaults.bridgeSize));
  return read;
}

void StoreOptions(ProfileText& text, const ProgramOptions& stored) {
  const char* general = GeneralSectionName();
  text.Set(general, Text(Msg::SkillKey), std::to_string(static_cast<int>(stored.skillSetting)));
  text.Set(general, Text(Msg::AutoSrsKey), std::to_string(stored.autoSrs));
  text.Set(general, Text(Msg::SingleControlKey), std::to_string(stored.singleControlWindow));
  text.Set(general, Text(Msg::IconicPauseKey), std::to_string(stored.pauseWhenIconic));
  text.Set(general, Text(Msg::SoundsKey), std::to_string(stored.soundsEnabled));
  text.Set(general, Text(Msg::RecordMissionsKey), std::to_string(stored.recordMissions));
  text.Set(general, Text(Msg::BridgeSizeKey), std::to_string(stored.bridgeSize));
}

std::string ChooseSettingsPath(const std::string& besideProgram, const std::string& perUser) {
  if (Usable(besideProgram)) return besideProgram;
  std::error_code ignored;  // a folder that cannot be made is told at the first write
  std::filesystem::create_directories(std::filesystem::path(perUser).parent_path(), ignored);
  return perUser;
}

std::optional<ProfileText> LoadSettingsText() {
  return TextOf(ReadWholeFile(coreState.settingsPath, LargestSettingsFile));
}

bool SaveSettingsText(const ProfileText& text, std::string* reason) {
  const std::string bytes = text.Text();
  return ReplaceFileAtomically(coreState.settingsPath,
                               std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), reason);
}

void ReadSettings() {
  const std::optional<ProfileText> text = LoadSettingsText();
  coreState.options = text ? OptionsFrom(*text) : ProgramOptions{};
}

void WriteSettings() {
  UpdateSettingsFile([](ProfileText& text) { StoreOptions(text, coreState.options); });
}

bool UpdateSettingsFile(const std::function<void(ProfileText&)>& change) {
  const FileContent content = ReadWholeFile(coreState.settingsPath, LargestSettingsFile);
  std::optional<ProfileText> text = TextOf(content);
  if (!text) {
    TellSettingsNotKept(ReadFailureReason(content.failure, content.systemError));
    return false;
  }
  change(*text);
  if (std::string why; !SaveSettingsText(*text, &why)) {
    TellSettingsNotKept(why);
    return false;
  }
  return true;
}

std::string FormatPlacement(const WindowPlacement& p) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%d,%d,%d,%d,%d", p.showState, p.left, p.top, p.right, p.bottom);
  return buffer;
}

std::optional<WindowPlacement> ParsePlacement(std::string_view text) {
  int numbers[5];
  for (int i = 0; i < 5; ++i) {
    if (i > 0) {
      if (text.empty() || text.front() != ',') return std::nullopt;
      text.remove_prefix(1);
    }
    const std::optional<int> number = ScanNumber(text);
    if (!number) return std::nullopt;
    numbers[i] = *number;
  }
  return WindowPlacement{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]};
}
