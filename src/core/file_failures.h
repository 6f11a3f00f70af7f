#pragma once
// The second line of a file's error box: why the file could not be used, in the system's own
// words when the system refused, or what the game found wrong with the file.

#include <string>

#include "core/file_io.h"

// Why a read of the file failed; for a missing file, the system's word for that.
std::string ReadFailureReason(ReadFailure failure, int systemError);

// The system's own text for errno `systemError`.
std::string SystemErrorReason(int systemError);
