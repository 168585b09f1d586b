// Join links: whatever a page, a chat or the desktop hands over, nothing but
// a host and port that the join rules let through comes out: no control
// character or invisible mark, no blank inside, a port of 1 to 65535, and
// never the password a link carried. A link over the limit gives nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/join_address.h"
#include "core/join_link.h"
#include "core/text.h"
#include "fuzz/check.h"

namespace {

// A password no host part of these links can hold: its bytes are never in
// the fuzzer's host text, which is encoded around it.
constexpr std::string_view kSecret = "Zq9SECRET";

std::string PercentEncoded(const std::string& bytes, std::string_view keep) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (keep.find(c) != std::string_view::npos) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[u >> 4];
      encoded += kHex[u & 15];
    }
  }
  return encoded;
}

void CheckTarget(const std::optional<wv::JoinLinkTarget>& target, std::string_view link) {
  if (!target) return;
  WV_FUZZ_CHECK(link.size() <= wv::kJoinLinkMaxBytes);
  WV_FUZZ_CHECK(wv::IsValidUtf8(target->address));
  WV_FUZZ_CHECK(wv::WithoutControls(target->address) == target->address);
  WV_FUZZ_CHECK(wv::CheckJoinTarget(target->address, target->port.value_or("1")) ==
                wv::JoinProblem::None);
  WV_FUZZ_CHECK(wv::TrimBlanks(target->address) == target->address);
  if (target->port) WV_FUZZ_CHECK(wv::PortNumber(*target->port).has_value());
  // The address box takes it as it is: no port or password hides in it.
  const wv::AddressSplit again = wv::SplitJoinAddress(target->address);
  WV_FUZZ_CHECK(again.address == target->address && !again.password);
  WV_FUZZ_CHECK(!again.port);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // Any text at all.
  const std::string raw = input.ConsumeRandomLengthString(2048);
  CheckTarget(wv::ParseJoinLink(raw), raw);

  // A join link of fuzzed host and port with a password in one of its forms.
  std::string host = input.ConsumeRandomLengthString(128);
  if (host.find("Zq9") != std::string::npos) return 0;
  const std::string port = input.ConsumeRandomLengthString(8);
  const std::string secret = std::string(kSecret) + input.ConsumeRandomLengthString(16);
  static constexpr const char* kForms[] = {
      "?password=%s",    "#password=%s",     "/password/%s", "%%3Bpassword%%20%s",
      "%%20password=%s", "?a=1&password=%s", ";password %s"};
  const std::string form = kForms[input.ConsumeIntegralInRange<std::size_t>(0, 6)];
  const std::string encodedSecret = PercentEncoded(secret, "");
  std::string tail;
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (form.compare(i, 2, "%s") == 0) {
      tail += encodedSecret;
      ++i;
    } else if (form.compare(i, 2, "%%") == 0) {
      tail += '%';
      ++i;
    } else {
      tail += form[i];
    }
  }
  const bool before = input.ConsumeBool();
  const std::string encodedHost = PercentEncoded(host, "abcdefghijklmnopqrstuvwxyz0123456789.-[]:");
  const std::string link =
      before ? "wreckvale://join/password%20" + encodedSecret + "%3B" + encodedHost + ":" +
                   PercentEncoded(port, "0123456789")
             : "wreckvale://join/" + encodedHost + ":" + PercentEncoded(port, "0123456789") + tail;
  const std::optional<wv::JoinLinkTarget> target = wv::ParseJoinLink(link);
  CheckTarget(target, link);
  if (target) {
    WV_FUZZ_CHECK(target->address.find(kSecret) == std::string::npos);
    WV_FUZZ_CHECK(target->port.value_or("").find(kSecret) == std::string::npos);
  }
  return 0;
}
