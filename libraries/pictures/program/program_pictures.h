#pragma once
// The pictures compiled into the game program itself (link kestrav_program_pictures).

namespace program_pictures {
inline constexpr const char* ButtonOn = ":/program/button_on.bmp";    // Controls button, pressed
inline constexpr const char* ButtonOff = ":/program/button_off.bmp";  // Controls button, up
inline constexpr const char* ProgramIcon = ":/program/kestrav.ico";   // the frame's icon
}  // namespace program_pictures
