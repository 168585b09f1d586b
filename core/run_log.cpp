#include "core/run_log.h"

#include <vector>

#include "core/text.h"
#include "core/whole_file.h"

namespace wv {

RunLogStart KeepPreviousRunLog(const std::filesystem::path& log) {
  RunLogStart start;
  if (TakenByOther(log)) {
    start.inTheWay.push_back(log);
    return start;
  }
  std::filesystem::path kept = log;
  kept += ".1";
  if (TakenByOther(kept)) {
    start.inTheWay.push_back(kept);
  } else if (KindOfName(log) == NameKind::RegularFile) {
    MoveIntoPlace(log, kept);
  }
  // The game may echo its command line, password included.
  start.made = ReplaceWholeFile(log, {}, FileAccess::OwnerOnly);
  return start;
}

std::string LastLines(std::string_view text, std::size_t count) {
  std::vector<std::string_view> lines;
  while (!text.empty() && lines.size() < count) {
    std::size_t start = text.find_last_of("\r\n");
    start = start == std::string_view::npos ? 0 : start + 1;
    const std::string_view line = text.substr(start);
    text = text.substr(0, start == 0 ? 0 : start - 1);
    if (!TrimBlanks(line).empty()) lines.push_back(line);
  }
  std::string joined;
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    if (!joined.empty()) joined += '\n';
    // Line by line: one line in another encoding leaves the others as they are.
    joined += QuotedLine(*it);
  }
  return joined;
}

std::string EarlyEndMessage(const StringSet& strings, const GameOutcome& outcome,
                            std::string_view logTail, std::string_view logPath) {
  const Str kind = outcome.kind == GameOutcome::Kind::Signalled ? Str::EndSignal : Str::EndCode;
  std::string message = strings[Str::GameEndedAtOnce] + " (" + strings[kind] + " " +
                        std::to_string(outcome.number) + ")";
  if (!logTail.empty()) message += "\n\n" + std::string(logTail);
  message += "\n\n" + strings[Str::GameOutputIn] + " " + std::string(logPath);
  return message;
}

}  // namespace wv
