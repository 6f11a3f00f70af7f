#include "core/format_directives.h"

#include <algorithm>
#include <cstring>

namespace {
char Conversion(char c) {
  switch (c) {
    case 'd':
    case 'i': return 'd';
    case 'u': return 'u';
    case 'x':
    case 'X': return 'x';
    case 'c': return 'c';
    case 's': return 's';
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G': return 'f';
    default: return '?';
  }
}
}  // namespace

std::string FormatDirectives(std::string_view format) {
  std::string directives;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (++i < format.size() && format[i] == '%') continue;
    while (i < format.size() && std::strchr("-+ #0", format[i])) ++i;
    bool unusable = false;
    while (i < format.size() && (std::strchr("0123456789.", format[i]) || format[i] == '*'))
      unusable |= format[i++] == '*';
    while (i < format.size() && std::strchr("hlLqjzt", format[i])) ++i;
    directives += i < format.size() && !unusable ? Conversion(format[i]) : '?';
  }
  return directives;
}

bool ValuesFitDirectives(std::string_view kinds, std::string_view directives) {
  auto fits = [](char kind, char d) {
    switch (kind) {
      case 'i': return d == 'd' || d == 'u' || d == 'x' || d == 'c';
      case 's': return d == 's';
      case 'f': return d == 'f';
      default: return false;
    }
  };
  // One value for each directive, no more and no fewer.
  return std::equal(kinds.begin(), kinds.end(), directives.begin(), directives.end(), fits);
}
