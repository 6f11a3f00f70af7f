#pragma once
// What a printf format asks for. The game's texts come from its string table and from the
// picture bundle; a text whose directives do not fit the values the game passes is never
// used as a format (a stray %s would read memory that is not there).

#include <string>
#include <string_view>

// The conversions `format` asks for, in order, one letter each: 'd' (d, i), 'u', 'x' (x, X),
// 'c', 's' and 'f' (f, e, g and their capitals); "%%" asks for nothing. A directive the game
// never uses (a '*' width or precision, %n, %p, an unknown conversion, a lone '%' at the end)
// gives '?'.
std::string FormatDirectives(std::string_view format);

// True when values of `kinds` fit the directives one for one: 'i' (an integer) fits d, u, x
// and c; 's' (a text) fits s; 'f' (a double) fits f.
bool ValuesFitDirectives(std::string_view kinds, std::string_view directives);
