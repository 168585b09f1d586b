#include "core/command_text.h"

#include <cstddef>
#include <utility>

#include "core/text.h"

namespace wv {

namespace {

// The program name knows no escapes: a quoted name runs to the next quote,
// a bare one to the first blank with its quotes kept. Returns where the
// arguments start.
std::size_t ReadProgram(std::string_view text, std::string& program) {
  if (!text.empty() && text.front() == '"') {
    const std::size_t close = text.find('"', 1);
    if (close == std::string_view::npos) {
      program.assign(text.substr(1));
      return text.size();
    }
    program.assign(text.substr(1, close - 1));
    return close + 1;
  }
  std::size_t end = 0;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  program.assign(text.substr(0, end));
  return end;
}

// Reads one argument starting at a non-blank character. A quote always
// toggles quoting, also as the second of "" inside a quoted argument: the
// runtimes disagree there and QuoteArgument never writes it. `quoted` says
// whether the text ended inside a quote.
std::size_t ReadArgument(std::string_view text, std::size_t pos, std::string& arg, bool& quoted) {
  quoted = false;
  while (pos < text.size()) {
    const char c = text[pos];
    if (IsBlank(c) && !quoted) break;
    if (c == '\\') {
      std::size_t run = 0;
      while (pos < text.size() && text[pos] == '\\') {
        ++run;
        ++pos;
      }
      if (pos < text.size() && text[pos] == '"') {
        arg.append(run / 2, '\\');
        if (run % 2 == 1) {
          arg.push_back('"');
          ++pos;
        }
      } else {
        arg.append(run, '\\');
      }
    } else if (c == '"') {
      quoted = !quoted;
      ++pos;
    } else {
      arg.push_back(c);
      ++pos;
    }
  }
  return pos;
}

// Reads the arguments from `pos` on; true when the last one ends in a quote.
bool ReadArguments(std::string_view text, std::size_t pos, std::vector<std::string>& words) {
  bool quoted = false;
  while (true) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos == text.size()) return quoted;
    std::string arg;
    pos = ReadArgument(text, pos, arg, quoted);
    words.push_back(std::move(arg));
  }
}

}  // namespace

std::string QuoteArgument(std::string_view value) {
  if (!value.empty() && value.find_first_of(" \t\"") == std::string_view::npos) {
    return std::string(value);
  }
  std::string out;
  out.reserve(value.size() + 8);
  out.push_back('"');
  std::size_t backslashes = 0;
  for (const char c : value) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      out.append(2 * backslashes + 1, '\\');
    } else {
      out.append(backslashes, '\\');
    }
    backslashes = 0;
    out.push_back(c);
  }
  // Backslashes before the closing quote must not escape it.
  out.append(2 * backslashes, '\\');
  out.push_back('"');
  return out;
}

// An empty text holds no program at all; a text that starts with a blank
// has an empty program name, as on Windows.
std::vector<std::string> SplitCommandText(std::string_view text) {
  std::vector<std::string> words;
  if (text.empty()) return words;
  std::string program;
  std::size_t pos = ReadProgram(text, program);
  words.push_back(std::move(program));
  ReadArguments(text, pos, words);
  return words;
}

bool LeavesQuoteOpen(std::string_view arguments) {
  std::vector<std::string> words;
  return ReadArguments(arguments, 0, words);
}

}  // namespace wv
