// Suggestions for mistyped names and the context of a word being completed.
#include "ShellWords.h"

#include <algorithm>
#include <cctype>

#include "session/NearestName.h"

namespace hdpart {

std::size_t SuggestionReach(const std::string& name) {
  return std::clamp<std::size_t>(name.size() / 3, 1, 2);
}

std::vector<std::string> NearestNames(const std::string& name,
                                      const std::vector<std::string>& known) {
  std::vector<std::string> nearest;
  if (std::find(known.begin(), known.end(), name) != known.end()) return nearest;
  std::size_t best = SuggestionReach(name);
  for (const std::string& candidate : known) {
    const std::size_t distance = HostSession::EditDistance(name, candidate);
    if (distance > best) continue;
    if (distance < best) nearest.clear();
    best = distance;
    nearest.push_back(candidate);
  }
  std::sort(nearest.begin(), nearest.end());
  nearest.erase(std::unique(nearest.begin(), nearest.end()), nearest.end());
  return nearest;
}

std::string JoinAlternatives(const std::vector<std::string>& names) {
  std::string joined;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) joined += i + 1 == names.size() ? " or " : ", ";
    joined += names[i];
  }
  return joined;
}

namespace {

/// One command being read: where it starts, and whether its current word is
/// inside braces (nothing is substituted there) or quotes.
struct Frame {
  std::size_t start;
  int braces = 0;
  bool quoted = false;
};

/// Where the innermost command around `end` starts: after the last "[" not
/// yet closed, or the last ";" or line end at that level.
std::size_t CommandStart(const std::string& line, std::size_t end) {
  std::vector<Frame> frames{Frame{0}};
  for (std::size_t i = 0; i < end; ++i) {
    const char c = line[i];
    Frame& frame = frames.back();
    if (c == '\\') {
      ++i;
    } else if (frame.braces > 0) {
      if (c == '{') ++frame.braces;
      if (c == '}') --frame.braces;
    } else if (c == '[') {
      frames.push_back(Frame{i + 1});
    } else if (c == ']' && frames.size() > 1) {
      frames.pop_back();
    } else if (c == '"') {
      frame.quoted = !frame.quoted;
    } else if (c == '{' && !frame.quoted) {
      ++frame.braces;
    } else if ((c == ';' || c == '\n') && !frame.quoted) {
      frame.start = i + 1;
    }
  }
  return frames.back().start;
}

/// The words of line[from, end), a braced, bracketed or quoted word whole.
std::vector<std::string> SplitWords(const std::string& line, std::size_t from, std::size_t end) {
  std::vector<std::string> words;
  std::string word;
  int depth = 0;
  bool quoted = false;
  for (std::size_t i = from; i < end; ++i) {
    const char c = line[i];
    if (depth == 0 && !quoted && std::isspace(static_cast<unsigned char>(c))) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
      continue;
    }
    word += c;
    if (c == '\\' && i + 1 < end) {
      word += line[++i];
    } else if (c == '{' || c == '[') {
      ++depth;
    } else if ((c == '}' || c == ']') && depth > 0) {
      --depth;
    } else if (c == '"' && depth == 0) {
      quoted = !quoted;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

}  // namespace

CompletionContext CompletionContextAt(const std::string& line, std::size_t start) {
  start = std::min(start, line.size());
  std::vector<std::string> words = SplitWords(line, CommandStart(line, start), start);
  CompletionContext context;
  if (words.empty()) return context;
  context.commandWord = false;
  context.command = words.front();
  context.wordsBefore.assign(words.begin() + 1, words.end());
  return context;
}

}  // namespace hdpart
