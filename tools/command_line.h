#pragma once
// Reading kestrav-tool's arguments and reporting back.

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

// kestrav-tool's exit codes.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

// Reports a problem on standard error; returns ExitFailure.
inline int Fail(const std::string& problem) {
  std::fprintf(stderr, "kestrav-tool: %s\n", problem.c_str());
  return ExitFailure;
}

// The whole of `text` as a number, or nothing.
template <typename Number>
std::optional<Number> ParseNumber(const std::string& text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}
