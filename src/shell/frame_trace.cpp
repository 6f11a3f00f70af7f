#include "shell/frame_trace.h"

#include <cerrno>
#include <cstring>

namespace {
// Room for a few thousand lines: the longest animation, a warp 9, writes about 400.
constexpr std::size_t BufferBytes = 1 << 18;
}  // namespace

std::unique_ptr<FrameTrace> FrameTrace::Open(const std::string& path, std::string& problem) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (!file) {
    problem = std::strerror(errno);
    return nullptr;
  }
  std::setvbuf(file, nullptr, _IOFBF, BufferBytes);
  return std::unique_ptr<FrameTrace>(new FrameTrace(file));
}

FrameTrace::FrameTrace(std::FILE* file) : file_(file) {}

FrameTrace::~FrameTrace() { std::fclose(file_); }

void FrameTrace::Drawn(const AnimationFrame& frame) { waiting_ = frame; }

void FrameTrace::Shown(double timeMs) {
  if (!waiting_) return;
  std::fprintf(file_, "%.3f %s %d %u\n", timeMs, AnimationName(waiting_->animation), waiting_->index,
               static_cast<unsigned>(waiting_->periodMs));
  running_[static_cast<std::size_t>(waiting_->animation)] = true;
  waiting_.reset();
}

void FrameTrace::Ended(Animation animation, double timeMs) {
  // A last frame never shown (the scan minimized) is not traced.
  if (waiting_ && waiting_->animation == animation) waiting_.reset();
  bool& running = running_[static_cast<std::size_t>(animation)];
  if (!running) return;
  running = false;
  std::fprintf(file_, "%.3f %s end\n", timeMs, AnimationName(animation));
  std::fflush(file_);
}
