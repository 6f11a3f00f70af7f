#pragma once
// The temporary file a save writes before renaming it over its target. It sits beside the
// target as ".<target's name>.kestrav-XXXXXX" and is locked for as long as its save runs, so
// a later save into that folder, or the next start, can tell what a save killed midway left
// behind from a save still in progress and from any file the program did not make.

#include <string>

#include "core/file_descriptor.h"

// Clears `directory` of leftovers, then creates in it a locked temporary file for the file
// `name` there, readable and writable by its owner only; its path goes to `temporaryPath`.
// A descriptor of -1, with errno set, when none can be made.
FileDescriptor CreateTemporaryFor(const std::string& directory, const std::string& name, std::string& temporaryPath);

// Removes from `directory` what saves killed midway left there: only files named as above,
// owned by this user and held by no running save.
void RemoveSaveLeftovers(const std::string& directory);
