#include "core/file_failures.h"

#include <cerrno>
#include <cstring>

#include "core/message_catalogue.h"

std::string SystemErrorReason(int systemError) { return std::strerror(systemError); }

std::string ReadFailureReason(ReadFailure failure, int systemError) {
  switch (failure) {
    case ReadFailure::None: return {};
    case ReadFailure::Missing: return SystemErrorReason(ENOENT);
    case ReadFailure::TooLarge: return MessageText(Msg::FileTooLargeReason);
    case ReadFailure::NotRegular:
      if (systemError == 0) return MessageText(Msg::NotRegularFileReason);
      break;
    case ReadFailure::Unreadable: break;
  }
  return SystemErrorReason(systemError);
}
