#pragma once
// printf-style formatting into a std::string of whatever length the text needs.

#include <string>

std::string FormatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Keeps the decimal point of every formatted number a '.', as on the game's read-outs, whatever
// the player's locale. The window system switches the C library to that locale when it starts,
// so each program calls this right after creating its application object.
void UseGameNumberFormat();
