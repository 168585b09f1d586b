// The cost of each user action that reads the settings file. Argument 0: the
// 98-line file; 1: 1 MiB, mostly filler sections of 16 keys; 2: 1 MiB, mostly
// tiny filler sections; 3: 80 000 section names alike but for the case bit of
// '@' and '`' (1.8 MB), crafted against a hash that folds that bit.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/settings_files.h"
#include "core/launch.h"
#include "core/settings_template.h"
#include "core/startup.h"
#include "tests/support/launcher_files.h"

namespace wv::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLargeSize = std::size_t{1} << 20;

std::string SettingsFor(int kind) {
  switch (kind) {
    case 0:
      return FullSettings();
    case 1:
      return PaddedSettings(kLargeSize);
    case 2:
      return ManySectionsSettings(kLargeSize);
    default:
      return CollidingSectionsSettings(80000);
  }
}

// A game folder with the engine and a settings file, removed afterwards.
struct GameFolder : test::EngineFolder {
  explicit GameFolder(std::string_view settings) {
    if (!settings.empty()) Write(kSettingsFileName, settings);
  }
};

// Start-up with the current file shows no message; none is waited for.
void NoMessageBox(const std::string&) {}

void ReportFileSize(benchmark::State& state, std::string_view settings) {
  state.counters["file_bytes"] = static_cast<double>(settings.size());
}

void BM_ChooseCustomMaps(benchmark::State& state) {
  const std::string settings = SettingsFor(static_cast<int>(state.range(0)));
  GameFolder folder(settings);
  LauncherModel model;
  model.Start(folder.Path(), folder.Path(), kVersion, NoMessageBox);
  for (auto _ : state) {
    model.ChooseEntry("customMaps");
    benchmark::DoNotOptimize(model.ChoiceText(wv::Group::Chapter));
  }
  ReportFileSize(state, settings);
}

// The custom map read last, so the press walks all sixteen slots.
void BM_DecideLaunch(benchmark::State& state) {
  const std::string settings = SettingsFor(static_cast<int>(state.range(0)));
  GameFolder folder(settings);
  LauncherModel model;
  model.Start(folder.Path(), folder.Path(), kVersion, NoMessageBox);
  model.ChooseEntry("customMaps");
  model.ChooseEntry("customMap16");
  const LaunchEnvironment env{folder.Path().string(), [&folder](std::string_view name) {
                                return FileExistsIn(folder.Path(), name);
                              }};
  for (auto _ : state) {
    LaunchDecision decision = DecideLaunch(model, env);
    if (decision.kind != LaunchDecision::Kind::StartGame) state.SkipWithError("no start");
    benchmark::DoNotOptimize(decision.command);
  }
  ReportFileSize(state, settings);
}

// Argument 0: no file, the template is written. Argument 1: an outdated 1 MiB
// file is moved aside first, then the template is written.
void BM_TemplateWrite(benchmark::State& state) {
  const bool outdated = state.range(0) == 1;
  std::string settings = outdated ? PaddedSettings(kLargeSize) : std::string();
  if (outdated) settings.replace(settings.find("Version=") + 8, kVersion.size(), "0.0.0.0");
  GameFolder folder("");
  const fs::path file = folder.Path() / kSettingsFileName;
  const ExtraMapCaptions captions{"Foundry", "Rockfall", "Town square"};
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(file);
    if (outdated) folder.Write(kSettingsFileName, settings);
    state.ResumeTiming();
    RefreshOutdatedSettings(folder.Path(), kVersion);
    if (WriteSettingsTemplate(folder.Path(), kVersion, captions) != TemplateOutcome::Written) {
      state.SkipWithError("template not written");
    }
  }
  ReportFileSize(state, settings);
}

// Start-up with a current file: every option read once.
void BM_Startup(benchmark::State& state) {
  const std::string settings = SettingsFor(static_cast<int>(state.range(0)));
  GameFolder folder(settings);
  for (auto _ : state) {
    LauncherModel model;
    benchmark::DoNotOptimize(model.Start(folder.Path(), folder.Path(), kVersion, NoMessageBox));
  }
  ReportFileSize(state, settings);
}

BENCHMARK(BM_ChooseCustomMaps)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecideLaunch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TemplateWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Startup)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace wv::bench

BENCHMARK_MAIN();
