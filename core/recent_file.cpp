#include "core/recent_file.h"

#include <algorithm>

#include "core/join_address.h"
#include "core/settings_lock.h"
#include "core/text.h"
#include "core/whole_file.h"

namespace wv {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kServerWord = "server ";
constexpr std::string_view kChoiceWord = "choice ";
// Far above ten servers and a handful of choices.
constexpr std::size_t kRecentFileLimit = 64 * 1024;

}  // namespace

bool SameServer(const RecentServer& a, const RecentServer& b) {
  return EqualsIgnoringAsciiCase(TrimBlanks(a.address), TrimBlanks(b.address)) &&
         PortNumber(TrimBlanks(a.port)) == PortNumber(TrimBlanks(b.port)) &&
         (PortNumber(TrimBlanks(a.port)) || TrimBlanks(a.port) == TrimBlanks(b.port));
}

RecentFile ParseRecentFile(std::string_view text) {
  RecentFile file;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    // A control character or an invisible mark would show the entry other
    // than it is.
    if (WithoutControls(std::string(line)) != line) continue;
    if (line.starts_with(kServerWord)) {
      line.remove_prefix(kServerWord.size());
      const std::size_t colon = line.rfind(':');
      if (colon == std::string_view::npos) continue;
      const RecentServer server{std::string(TrimBlanks(line.substr(0, colon))),
                                std::string(TrimBlanks(line.substr(colon + 1)))};
      // An older launcher kept whatever the port box held, a password too.
      if (CheckJoinTarget(server.address, server.port) != JoinProblem::None) continue;
      if (file.servers.size() < kRecentServersKept &&
          std::none_of(file.servers.begin(), file.servers.end(),
                       [&server](const RecentServer& kept) { return SameServer(kept, server); })) {
        file.servers.push_back(server);
      }
    } else if (line.starts_with(kChoiceWord)) {
      line.remove_prefix(kChoiceWord.size());
      const std::size_t blank = line.find(' ');
      if (blank == std::string_view::npos || blank == 0 || blank + 1 == line.size()) continue;
      file.choices.push_back(
          {std::string(line.substr(0, blank)), std::string(line.substr(blank + 1))});
    }
  }
  return file;
}

std::string FormatRecentFile(const RecentFile& file) {
  std::string text;
  for (const RecentServer& server : file.servers) {
    if (CheckJoinTarget(server.address, server.port) != JoinProblem::None) continue;
    text += std::string(kServerWord) + server.address + ":" + server.port + "\n";
  }
  for (const RememberedChoice& choice : file.choices) {
    text += std::string(kChoiceWord) + choice.group + " " + choice.id + "\n";
  }
  return text;
}

std::vector<RecentServer> WithServerJoined(std::vector<RecentServer> servers,
                                           const RecentServer& joined) {
  std::erase_if(servers, [&joined](const RecentServer& kept) { return SameServer(kept, joined); });
  servers.insert(servers.begin(), joined);
  if (servers.size() > kRecentServersKept) servers.resize(kRecentServersKept);
  return servers;
}

RecentFile ReadRecentFile(const fs::path& folder) {
  const FileRead read = ReadWholeFile(folder / kRecentFileName, kRecentFileLimit);
  return read.text ? ParseRecentFile(*read.text) : RecentFile{};
}

RecentUpdate UpdateRecentFile(const fs::path& folder,
                              const std::function<void(RecentFile&)>& change,
                              std::chrono::milliseconds patience) {
  const SettingsLock lock(folder, patience);
  if (lock.Busy()) return RecentUpdate::Busy;
  const fs::path target = folder / kRecentFileName;
  if (TakenByOther(target)) return RecentUpdate::NotRegularFile;
  RecentFile file = ReadRecentFile(folder);
  change(file);
  if (ReplaceWholeFile(target, FormatRecentFile(file))) return RecentUpdate::Written;
  return TakenByOther(target) ? RecentUpdate::NotRegularFile : RecentUpdate::Failed;
}

void RemoveLeftRecentCopies(const fs::path& folder) {
  const SettingsLock lock(folder, std::chrono::milliseconds::zero());
  // What TempFileFor names the file's copies.
  if (lock.Held()) RemoveStartingWith(folder, "." + std::string(kRecentFileName) + ".tmp-");
}

}  // namespace wv
