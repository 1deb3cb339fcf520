// Progress of a long operation on standard error when it is a terminal:
// once an operation has run a second (HDPART_PROGRESS_AFTER seconds), one
// line redrawn in place, "hdpart: 1200 of 2000 partitions built", then
// "hdpart: 12.5 of 36.0 MB written", cleared when the operation ends.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "session/Session.h"

namespace hdpart {

class TerminalProgress final : public HostSession::Progress {
 public:
  /// Whether progress is shown at all: standard error is a terminal.
  static bool Wanted();
  TerminalProgress();

  void Advance(const char* stage, std::uint64_t done, std::uint64_t total) override;
  void Finish() override;

 private:
  using Clock = std::chrono::steady_clock;
  void Draw(const std::string& line);

  std::chrono::duration<double> m_delay;
  bool m_running = false;
  Clock::time_point m_start;
  Clock::time_point m_drawn;
  bool m_shown = false;
};

}  // namespace hdpart
