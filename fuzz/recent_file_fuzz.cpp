// Input: an address and a port joined (each ended by a backslash and another
// byte), then the recent-servers file. Each server read is one a join could
// send: a host without blanks, control characters or invisible marks, and a
// port number; once each and at most ten. Written and read again, the file is
// the same. The server joined goes first, once, and the file keeps it only
// when it is one a join could send.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/join_address.h"
#include "core/recent_file.h"
#include "core/text.h"
#include "fuzz/check.h"

namespace {

bool Sendable(const wv::RecentServer& server) {
  return wv::CheckJoinTarget(server.address, server.port) == wv::JoinProblem::None;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const wv::RecentServer joined{input.ConsumeRandomLengthString(64),
                                input.ConsumeRandomLengthString(16)};
  const std::string text = input.ConsumeRemainingBytesAsString();

  const wv::RecentFile file = wv::ParseRecentFile(text);
  WV_FUZZ_CHECK(file.servers.size() <= wv::kRecentServersKept);
  for (std::size_t i = 0; i < file.servers.size(); ++i) {
    const wv::RecentServer& server = file.servers[i];
    WV_FUZZ_CHECK(Sendable(server));
    WV_FUZZ_CHECK(wv::WithoutControls(server.address) == server.address);
    WV_FUZZ_CHECK(wv::TrimBlanks(server.address) == server.address);
    WV_FUZZ_CHECK(server.address.find_first_of(" \t") == std::string::npos);
    for (std::size_t j = 0; j < i; ++j) WV_FUZZ_CHECK(!wv::SameServer(file.servers[j], server));
  }
  for (const wv::RememberedChoice& choice : file.choices) {
    WV_FUZZ_CHECK(!choice.group.empty() && !choice.id.empty());
    WV_FUZZ_CHECK(std::none_of(choice.id.begin(), choice.id.end(), wv::IsControl));
  }
  WV_FUZZ_CHECK(wv::ParseRecentFile(wv::FormatRecentFile(file)) == file);

  const std::vector<wv::RecentServer> servers = wv::WithServerJoined(file.servers, joined);
  WV_FUZZ_CHECK(servers.size() <= wv::kRecentServersKept && servers.front() == joined);
  WV_FUZZ_CHECK(std::count_if(servers.begin(), servers.end(), [&](const wv::RecentServer& s) {
                  return wv::SameServer(s, joined);
                }) == 1);
  const wv::RecentFile written = wv::ParseRecentFile(wv::FormatRecentFile({servers, file.choices}));
  WV_FUZZ_CHECK(std::all_of(written.servers.begin(), written.servers.end(), Sendable));
  const bool kept = !written.servers.empty() && wv::SameServer(written.servers.front(), joined);
  const bool plain = wv::WithoutControls(joined.address) == joined.address &&
                     wv::WithoutControls(joined.port) == joined.port;
  if (plain) WV_FUZZ_CHECK(kept == Sendable(joined));
  if (!Sendable(joined)) WV_FUZZ_CHECK(!kept);
  return 0;
}
