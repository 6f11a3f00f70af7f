#pragma once
// The settings file "KESTRAV.INI": the player's options, read once at start-up and written
// once at exit, and the saved places of the station windows. Section and key names come from
// the string table. The file is not trusted: whatever it holds gives the defaults, never a
// crash; a file too large or unreadable to be a settings file is read as empty and never
// overwritten. Settings that cannot be kept are never lost without a word: the first write
// that fails in a session tells the player which file and why.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/host.h"
#include "core/options.h"
#include "core/profile_file.h"

inline constexpr const char* SettingsFileName = "KESTRAV.INI";

// A settings file over this size is none a player wrote: it is not read.
inline constexpr std::size_t LargestSettingsFile = std::size_t{1024} * 1024;

// The file beside the program while it can be read and replaced (or made there), otherwise
// the player's own file, whose folder is made when missing.
std::string ChooseSettingsPath(const std::string& besideProgram, const std::string& perUser);

// The options from the file's "General" section into `options`.
void ReadSettings();
// `options` into the "General" section, keeping everything else in the file.
void WriteSettings();

// Applies `change` to the file's text and writes it back; false, and the player told once a
// session, when the file cannot be read or replaced.
bool UpdateSettingsFile(const std::function<void(ProfileText&)>& change);

// The options a settings text holds; keys it lacks keep their defaults.
ProgramOptions OptionsFrom(const ProfileText& text);
void StoreOptions(ProfileText& text, const ProgramOptions& stored);

// The file's text: empty when it does not exist, nullopt when it is there but cannot be
// used (unreadable or far too large), in which case it must not be replaced either.
std::optional<ProfileText> LoadSettingsText();
// Replaces the file atomically; false when that fails (the old file stays), with the reason
// in `reason` when one is asked for.
bool SaveSettingsText(const ProfileText& text, std::string* reason = nullptr);

// A station window's place: its show state (the platform's show command number) and its
// normal rectangle in the bridge's coordinates, right and bottom exclusive.
struct WindowPlacement {
  int showState;
  int left, top, right, bottom;
  bool operator==(const WindowPlacement&) const = default;
};
inline constexpr int ShowNormal = 1, ShowMinimized = 2, ShowMaximized = 3;

// "state,left,top,right,bottom".
std::string FormatPlacement(const WindowPlacement& placement);
// The five numbers of a stored place; nullopt unless all five are there. Numbers beyond
// the integer range stop at its ends.
std::optional<WindowPlacement> ParsePlacement(std::string_view text);

// The station's key in the "Positions" section, and the sections' names.
const char* PositionKey(Station station);
const char* GeneralSectionName();
const char* PositionsSectionName();

// A stored position is read into a buffer of this many characters.
inline constexpr std::size_t PositionValueCapacity = 32;
