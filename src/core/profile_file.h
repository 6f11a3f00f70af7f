#pragma once
// The settings file's text in the classic profile format: "[Section]" lines, "key=value"
// lines under them, and anything else (comments, blank lines) kept as it stands. Section
// and key names match without regard to case or surrounding blanks; the first match wins.
// Writing a value changes only its own line, so whatever else a player put in the file
// survives. Any text at all is accepted: lines that are neither sections nor keys are kept
// but never match.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ProfileText {
 public:
  ProfileText() = default;
  explicit ProfileText(std::string_view text);

  // The value under `key` in `section` with its surrounding blanks (and one pair of
  // enclosing quotes) removed, cut to `capacity` - 1 characters as a fixed buffer of that
  // size would hold it; nullopt when the section or the key is missing.
  std::optional<std::string> GetString(std::string_view section, std::string_view key, std::size_t capacity) const;

  // The value read as a number: an optional sign and the decimal digits that follow, the rest
  // ignored (no digits read as 0), kept in 32 bits however long; `fallback` when missing.
  int GetInt(std::string_view section, std::string_view key, int fallback) const;

  // Replaces the key's line, or adds it at the end of its section, or adds the section at
  // the end of the text.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The whole text, with the line ending the text came with ("\n" for a new one).
  std::string Text() const;

 private:
  struct Found {
    std::size_t sectionLine;  // the "[Section]" line
    std::size_t end;          // one past the section's last line
    std::optional<std::size_t> keyLine;
  };
  std::optional<Found> Find(std::string_view section, std::string_view key) const;

  std::vector<std::string> lines_;
  std::string lineEnd_ = "\n";
};

// A number as the profile reads it (see GetInt).
int ProfileNumber(std::string_view text);
