#include "core/profile_file.h"

#include <algorithm>

namespace {
constexpr std::string_view Blanks = " \t";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(Blanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(Blanks);
  return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  a = Trimmed(a);
  b = Trimmed(b);
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

// The name of a "[Section]" line, or nullopt when the line is not one.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trimmed(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return line.substr(1, close - 1);
}

// Key and value of a "key=value" line; comments and lines without "=" have none.
std::optional<std::pair<std::string_view, std::string_view>> KeyAndValue(std::string_view line) {
  const std::string_view trimmed = Trimmed(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return std::pair{line.substr(0, equals), line.substr(equals + 1)};
}
}  // namespace

ProfileText::ProfileText(std::string_view text) {
  if (text.find("\r\n") != std::string_view::npos) lineEnd_ = "\r\n";
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // stray returns end a line too
    lines_.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

std::optional<ProfileText::Found> ProfileText::Find(std::string_view section, std::string_view key) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i]);
    if (!name || !SameName(*name, section)) continue;
    Found found{i, lines_.size(), std::nullopt};
    for (std::size_t j = i + 1; j < lines_.size(); ++j) {
      if (SectionName(lines_[j])) {
        found.end = j;
        break;
      }
      const auto entry = KeyAndValue(lines_[j]);
      if (!found.keyLine && entry && SameName(entry->first, key)) found.keyLine = j;
    }
    return found;
  }
  return std::nullopt;
}

std::optional<std::string> ProfileText::GetString(std::string_view section, std::string_view key,
                                                  std::size_t capacity) const {
  const auto found = Find(section, key);
  if (!found || !found->keyLine) return std::nullopt;
  std::string_view value = Trimmed(KeyAndValue(lines_[*found->keyLine])->second);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  if (capacity == 0) return std::string();
  return std::string(value.substr(0, capacity - 1));
}

int ProfileText::GetInt(std::string_view section, std::string_view key, int fallback) const {
  const auto found = Find(section, key);
  if (!found || !found->keyLine) return fallback;
  return ProfileNumber(KeyAndValue(lines_[*found->keyLine])->second);
}

int ProfileNumber(std::string_view text) {
  text = Trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Kept in 32 bits as the platform's reader keeps it: a longer number wraps, never overflows.
  std::uint32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10u + static_cast<std::uint32_t>(c - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}

void ProfileText::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string line = std::string(Trimmed(key)) + "=" + std::string(value);
  const auto found = Find(section, key);
  if (!found) {
    if (!lines_.empty() && !Trimmed(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(Trimmed(section)) + "]");
    lines_.push_back(std::move(line));
    return;
  }
  if (found->keyLine) {
    lines_[*found->keyLine] = std::move(line);
    return;
  }
  // After the section's last non-blank line, so the blank line before the next section stays.
  std::size_t at = found->end;
  while (at > found->sectionLine + 1 && Trimmed(lines_[at - 1]).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string ProfileText::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + lineEnd_;
  return text;
}
