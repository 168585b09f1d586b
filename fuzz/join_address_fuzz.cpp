// The address box and the clipboard summary: the split keeps every byte but
// a console form's "connect" and "; password …", the
// boxes drop control characters and nothing else, the join command carries
// address and port, without blanks around them, as one argument (or asks
// for an address or a port when there is none) and no control character, its preview
// masks the password, and the summary shows each chosen text.
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
#include "fuzz/check.h"
#include "fuzz/choosable_ids.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::string> ids = wv::fuzz::ChoosableIds();
  FuzzedDataProvider input(data, size);
  const std::string typed = input.ConsumeRandomLengthString(4096);
  const std::string password = input.ConsumeRandomLengthString(256);

  const wv::AddressSplit split = wv::SplitJoinAddress(typed);
  // A colon in the address only inside the brackets of a v6 host.
  const std::size_t open = split.address.find_first_not_of(" \t");
  const std::size_t hostEnd = open != std::string::npos && split.address[open] == '['
                                  ? std::min(split.address.find(']'), split.address.size())
                                  : 0;
  WV_FUZZ_CHECK(split.address.find(':', hostEnd) == std::string::npos);
  // Every byte kept, apart from a leading "connect" and a "; password …".
  const std::string rejoined = split.port ? split.address + ":" + *split.port : split.address;
  WV_FUZZ_CHECK(typed.find(rejoined) != std::string::npos);
  std::string lower = typed;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower.find("connect") == std::string::npos && lower.find(';') == std::string::npos) {
    WV_FUZZ_CHECK(rejoined == typed);
  }
  WV_FUZZ_CHECK(!split.password || lower.find("password") != std::string::npos);

  const auto isControl = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; };
  const auto withoutControls = [&isControl](std::string text) {
    std::erase_if(text, isControl);
    return text;
  };
  const wv::AddressSplit cleanSplit = wv::SplitJoinAddress(withoutControls(typed));
  const std::string cleanPassword = withoutControls(password);

  wv::LauncherModel model;  // no settings file: every read gives its default
  model.ChangeLanguage("LOCAL_EN");
  model.SwitchTab(wv::Tab::JoinGame);
  model.JoinAddressChanged(typed);
  WV_FUZZ_CHECK(model.JoinPassword() == cleanSplit.password.value_or(""));
  model.JoinPasswordChanged(password);
  WV_FUZZ_CHECK(model.JoinAddress() == cleanSplit.address);
  WV_FUZZ_CHECK(model.JoinPort() == cleanSplit.port.value_or("27015"));
  WV_FUZZ_CHECK(model.JoinPassword() == cleanPassword);

  const wv::LaunchEnvironment env{"/g", [](std::string_view n) { return n == wv::kEngineExe; }};
  const wv::LaunchDecision decision = wv::DecideLaunch(model, env);
  const auto trim = [](const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
  };
  if (trim(model.JoinAddress()).empty()) {
    WV_FUZZ_CHECK(decision.kind == wv::LaunchDecision::Kind::ShowMessage);
    WV_FUZZ_CHECK(decision.message == "Enter the server address");
  } else if (trim(model.JoinPort()).empty()) {
    WV_FUZZ_CHECK(decision.kind == wv::LaunchDecision::Kind::ShowMessage);
    WV_FUZZ_CHECK(decision.message == "Enter the port");
  } else {
    WV_FUZZ_CHECK(decision.kind == wv::LaunchDecision::Kind::StartGame);
    // Options are off without a settings file, so the whole command is known.
    std::vector<std::string> expected{"/g/qr7.exe"};
    if (!cleanPassword.empty()) expected.insert(expected.end(), {"+password", cleanPassword});
    expected.insert(expected.end(),
                    {"+connect", trim(model.JoinAddress()) + ":" + trim(model.JoinPort()),
                     "+team_desired", "Survivor Arno"});
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
