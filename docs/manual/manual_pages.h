#pragma once
// The Player's Manual compiled into the game program (link kestrav_manual): the pages of
// this folder under :/manual/, and beside them, in :/manual/pictures/, the bundle's
// pictures they show.

namespace manual_pages {
inline constexpr const char* Folder = ":/manual";
inline constexpr const char* Index = "qrc:/manual/index.html";  // where the manual opens
}  // namespace manual_pages
