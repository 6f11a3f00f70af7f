#pragma once
// printf-style formatting into a std::string of whatever length the text needs.

#include <string>

std::string FormatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
