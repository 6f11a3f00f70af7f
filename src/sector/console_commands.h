#pragma once
// The Computer console's command language. A command is a keyword of three or four capital
// letters found anywhere in the entered line; its arguments sit at fixed places after it.

#include <cstddef>
#include <string_view>

// What the console does after a line: stay, or hand the bridge back to the other stations.
enum class ConsoleAnswer { Stay, Leave };

// The longest line the interpreter reads.
inline constexpr std::size_t ConsoleLineLimit = 127;

// Carries out the command in an entered console row (the row's last cell is never part of
// the line) and prints its answer on the console.
ConsoleAnswer ExecuteConsoleLine(std::string_view row);
