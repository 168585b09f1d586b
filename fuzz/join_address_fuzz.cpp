// The join boxes and the clipboard summary: the split keeps every byte but
// a console form's "connect" and "password …" and the control characters and
// invisible marks, which no part holds; a v6 host keeps its colons; the port
// box takes a password command as well. The join command carries address and
// port, without blanks around them, as one argument, or the press names the
// box to mend; it holds no control character, and its preview masks the
// password. The summary shows each chosen text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/clipboard_summary.h"
#include "core/command_text.h"
#include "core/join_address.h"
#include "core/language.h"
#include "core/launch.h"
#include "core/text.h"
#include "fuzz/check.h"
#include "fuzz/choosable_ids.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::string> ids = wv::fuzz::ChoosableIds();
  FuzzedDataProvider input(data, size);
  const std::string typed = input.ConsumeRandomLengthString(4096);
  const std::string password = input.ConsumeRandomLengthString(256);
  const std::string portTyped = input.ConsumeRandomLengthString(64);

  const auto isControl = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; };
  // What a box shows: no control character, and in UTF-8 no invisible mark.
  const auto shown = [&](const std::string& part) {
    return std::none_of(part.begin(), part.end(), isControl) &&
           (!wv::IsValidUtf8(typed) || wv::WithoutControls(part) == part);
  };
  const wv::AddressSplit split = wv::SplitJoinAddress(typed);
  WV_FUZZ_CHECK(shown(split.address) && shown(split.port.value_or("")) &&
                shown(split.password.value_or("")));
  // A colon in the address only inside the brackets of a v6 host, or in a
  // bare v6 host, which leaves the port box alone.
  const std::size_t open = split.address.find_first_not_of(" \t");
  const std::size_t hostEnd = open != std::string::npos && split.address[open] == '['
                                  ? std::min(split.address.find(']'), split.address.size())
                                  : 0;
  if (split.address.find(':', hostEnd) != std::string::npos) {
    WV_FUZZ_CHECK(hostEnd == 0 && !split.port &&
                  std::count(split.address.begin(), split.address.end(), ':') >= 2);
  }
  // Every byte kept, apart from a leading "connect", a "password …" command
  // and what no box shows.
  const std::string plain = wv::WithoutControls(typed);
  const std::string rejoined = split.port ? split.address + ":" + *split.port : split.address;
  WV_FUZZ_CHECK(plain.find(rejoined) != std::string::npos);
  // Invisible marks inside a word drop out before it is read, as they never
  // showed.
  std::string lower = plain;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const bool passwordWord = lower.find("password") != std::string::npos;
  if (lower.find("connect") == std::string::npos && !passwordWord) {
    WV_FUZZ_CHECK(rejoined == plain);
  }
  WV_FUZZ_CHECK(!split.password || passwordWord);
  const wv::PortSplit portSplit = wv::SplitJoinPort(portTyped);
  WV_FUZZ_CHECK(std::none_of(portSplit.port.begin(), portSplit.port.end(), isControl));

  wv::LauncherModel model;  // no settings file: every read gives its default
  model.ChangeLanguage("LOCAL_EN");
  model.SwitchTab(wv::Tab::JoinGame);
  model.JoinAddressChanged(typed);
  WV_FUZZ_CHECK(model.JoinAddress() == split.address);
  WV_FUZZ_CHECK(model.JoinPort() == split.port.value_or("27015"));
  WV_FUZZ_CHECK(model.JoinPassword() == split.password.value_or(""));
  model.JoinPortChanged(portTyped);
  WV_FUZZ_CHECK(model.JoinPort() == portSplit.port);
  WV_FUZZ_CHECK(model.JoinPassword() == portSplit.password.value_or(split.password.value_or("")));
  model.JoinPasswordChanged(password);
  const std::string cleanPassword = wv::WithoutControls(password);
  WV_FUZZ_CHECK(model.JoinPassword() == cleanPassword);

  const wv::LaunchEnvironment env{"/g", [](std::string_view n) { return n == wv::kEngineExe; }};
  const wv::LaunchDecision decision = wv::DecideLaunch(model, env);
  const auto trim = [](const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
  };
  const std::string address = trim(model.JoinAddress());
  const std::string port = trim(model.JoinPort());
  const bool portNumber =
      !port.empty() && port.size() <= 5 &&
      std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
      std::stoul(port) >= 1 && std::stoul(port) <= 65535;
  const auto refused = [&decision](const char* message) {
    WV_FUZZ_CHECK(decision.kind == wv::LaunchDecision::Kind::ShowMessage);
    WV_FUZZ_CHECK(decision.message == message);
  };
  if (address.empty()) {
    refused("Enter the server address");
  } else if (address.find_first_of(" \t") != std::string::npos) {
    refused("The server address has a blank");
  } else if (port.empty()) {
    refused("Enter the port");
  } else if (!portNumber) {
    refused("The port must be 1 to 65535");
  } else {
    WV_FUZZ_CHECK(decision.kind == wv::LaunchDecision::Kind::StartGame);
    // Options are off without a settings file, so the whole command is known.
    std::vector<std::string> expected{"/g/qr7.exe"};
    if (!cleanPassword.empty()) expected.insert(expected.end(), {"+password", cleanPassword});
    expected.insert(expected.end(),
                    {"+connect", address + ":" + port, "+team_desired", "Survivor Arno"});
    WV_FUZZ_CHECK(wv::SplitCommandText(decision.command) == expected);
    WV_FUZZ_CHECK(std::none_of(decision.command.begin(), decision.command.end(), isControl));

    if (!cleanPassword.empty()) expected[2] = wv::kPasswordMask;
    WV_FUZZ_CHECK(wv::SplitCommandText(wv::LaunchPreview(model, env)) == expected);
  }

  while (input.remaining_bytes() > 0) {
    model.ChooseEntry(ids[input.ConsumeIntegralInRange<std::size_t>(0, ids.size() - 1)]);
  }
  const std::string summary = wv::ClipboardSummary(model);
  for (wv::Group group :
       {wv::Group::Mode, wv::Group::Difficulty, wv::Group::Chapter, wv::Group::Slots}) {
    WV_FUZZ_CHECK(summary.find(model.ChoiceText(group)) != std::string::npos);
  }
  const std::string& campaignFrame = model.Str(wv::MenuOf(wv::Group::Campaign).frame.caption);
  const bool campaignShown = summary.find(campaignFrame + ": ") != std::string::npos;
  WV_FUZZ_CHECK(campaignShown == (model.ChoiceText(wv::Group::Campaign) != wv::kNoChoice));
  return 0;
}
