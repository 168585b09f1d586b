#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wv {

// What the launcher remembers between starts, beside the settings file: the
// servers joined and, when asked to, the last create-server selection. One
// line each:
//   server <address>:<port>   newest first; split at the last colon; a port
//                             of 1 to 65535, an address without blanks
//   choice <group> <id>       a catalogue entry of the group
//   choice customMap <file>   a custom map, by the engine map it plays
// Lines of any other form are skipped, so a damaged file loses only them.
inline constexpr std::string_view kRecentFileName = "wreckvale_launcher.recent";
inline constexpr std::size_t kRecentServersKept = 10;
// A start does not wait long for another launcher's lock: the history is
// worth less than a prompt start.
inline constexpr std::chrono::milliseconds kRecentLockPatience{1000};

struct RecentServer {
  std::string address;
  std::string port;
  bool operator==(const RecentServer&) const = default;
};

struct RememberedChoice {
  std::string group;  // mode, campaign, chapter … or customMap
  std::string id;
  bool operator==(const RememberedChoice&) const = default;
};

struct RecentFile {
  std::vector<RecentServer> servers;  // newest first
  std::vector<RememberedChoice> choices;
  bool operator==(const RecentFile&) const = default;
};

RecentFile ParseRecentFile(std::string_view text);
std::string FormatRecentFile(const RecentFile& file);

// One server by its host (in any case) and port number, however typed.
bool SameServer(const RecentServer& a, const RecentServer& b);

// The history with `joined` at its head, once, at most kRecentServersKept long.
std::vector<RecentServer> WithServerJoined(std::vector<RecentServer> servers,
                                           const RecentServer& joined);

// The file in `folder`; empty when it is absent, unreadable or too large.
RecentFile ReadRecentFile(const std::filesystem::path& folder);
enum class RecentUpdate {
  Written,
  Failed,          // not written: the folder refused it
  Busy,            // the settings lock was not taken: nothing written
  NotRegularFile,  // a link, folder, FIFO or device holds the file's name: left as it is
};

// Reads, changes and writes the file under the settings lock, through a
// temporary file renamed into place.
RecentUpdate UpdateRecentFile(const std::filesystem::path& folder,
                              const std::function<void(RecentFile&)>& change,
                              std::chrono::milliseconds patience = kRecentLockPatience);

// Removes the temporary copies a killed launcher left beside the file, when
// the settings lock is free at once: no other launcher is writing one then.
void RemoveLeftRecentCopies(const std::filesystem::path& folder);

}  // namespace wv
