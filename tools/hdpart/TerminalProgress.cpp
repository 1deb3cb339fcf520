// The progress line.
#include "TerminalProgress.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ToolMessages.h"
#include "session/SessionTexts.h"

namespace hdpart {

namespace {

/// How long an operation runs before its progress shows, and how often the
/// line is drawn again at most.
constexpr double kDefaultDelay = 1.0;
constexpr std::chrono::milliseconds kRedraw{100};
constexpr double kMegabyte = 1024.0 * 1024.0;

double DelayFromEnvironment() {
  const char* text = std::getenv(kProgressAfterVariable);
  if (!text || !*text) return kDefaultDelay;
  char* end = nullptr;
  const double seconds = std::strtod(text, &end);
  return *end == '\0' && seconds >= 0 ? seconds : kDefaultDelay;
}

}  // namespace

bool TerminalProgress::Wanted() { return isatty(STDERR_FILENO) == 1; }

TerminalProgress::TerminalProgress() : m_delay(DelayFromEnvironment()) {}

void TerminalProgress::Advance(const char* stage, std::uint64_t done, std::uint64_t total) {
  const Clock::time_point now = Clock::now();
  if (!m_running) {
    m_running = true;
    m_start = now;
  }
  if (now - m_start < m_delay) return;
  if (m_shown && done < total && now - m_drawn < kRedraw) return;
  char line[160];
  if (std::strcmp(stage, HostSession::kStageWriting) == 0) {
    std::snprintf(line, sizeof line, kProgressBytes, kToolName, done / kMegabyte,
                  total / kMegabyte, stage);
  } else {
    std::snprintf(line, sizeof line, kProgressItems, kToolName,
                  static_cast<unsigned long long>(done), static_cast<unsigned long long>(total),
                  stage);
  }
  Draw(line);
  m_drawn = now;
}

void TerminalProgress::Finish() {
  if (m_shown) Draw("");
  m_shown = false;
  m_running = false;
}

void TerminalProgress::Draw(const std::string& line) {
  // Back to the line's start, the text, then the rest of the line erased.
  std::fprintf(stderr, "\r%s\033[K", line.c_str());
  std::fflush(stderr);
  m_shown = !line.empty();
}

}  // namespace hdpart
