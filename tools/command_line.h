#pragma once
// Reading kestrav-tool's arguments.

#include <charconv>
#include <optional>
#include <string>

// The whole of `text` as a number, or nothing.
template <typename Number>
std::optional<Number> ParseNumber(const std::string& text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}
