// The settings file's load and save, per line, at 10, 1 000 and 100 000 lines. Each iteration
// is one LoadFromFile or SaveToFile of the whole file, and items_per_second counts the file's
// lines (the two slot lines included), so 1e9 / items_per_second is the time of one line in
// nanoseconds. Wall-clock time: saving waits for the file to reach the disk.
//
// Loading: a window like the measure window but with ten text edits (tags 1001 to 1010) reads a
// file of tag lines that address them in turn, so every line reaches one edit.
// Saving: a window with one text edit per tag line, tags 1001 to 1099 over and over (edits with
// the same tag each get their own line). "settings_save" changes one edit's text before every
// save, so each save writes the file; "settings_save_unchanged" saves the same lines again, so
// it reads and compares the file and leaves it alone.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/number_inputs.h"
#include "controls/decimal_separator.h"
#include "controls/number_text.h"
#include "framework/component.h"
#include "framework/custom_edit.h"
#include "platform/files.h"
#include "settings/autosave.h"

namespace {

constexpr std::int32_t kStoreTag = 1000;
constexpr std::int32_t kTagWindow = 99;
constexpr std::int32_t kLoadEdits = 10;
constexpr std::int64_t kSlotLines = 2;

// A settings file of this process in the temporary directory, removed at the end.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& name)
      : path_((std::filesystem::temp_directory_path() /
               ("measure-bench-" + std::to_string(::getpid()) + "-" + name + ".ini"))
                  .string()) {
    std::filesystem::remove(path_);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A window (here a bare container) that owns its settings store and `edits` text edits; the
// edits' tags run through the store's tag window (1001 to 1099, then again) and their texts are
// number texts of the benchmark inputs.
class Window {
 public:
  explicit Window(std::int64_t edits) : store_(new settings::TAutoSave(&container_)) {
    container_.SetName("Form1");
    store_->SetTag(kStoreTag);
    const auto& texts = bench::DecimalTexts();
    for (std::int64_t i = 0; i < edits; ++i) {
      auto* edit = new fw::TCustomEdit(&container_);
      edit->SetTag(kStoreTag + 1 + static_cast<std::int32_t>(i % kTagWindow));
      edit->SetText(texts[static_cast<std::size_t>(i) % texts.size()]);
      edits_.push_back(edit);
    }
  }

  fw::TComponent& container() { return container_; }
  settings::TAutoSave& store() { return *store_; }
  fw::TCustomEdit& edit(std::size_t index) { return *edits_.at(index); }

 private:
  fw::TComponent container_{nullptr};
  settings::TAutoSave* store_;  // owned by container_
  std::vector<fw::TCustomEdit*> edits_;
};

// A file of `lines` lines: tag lines for the tags 1001 to 1010 in turn, then the two slot lines.
std::string LoadFileText(std::int64_t lines) {
  const auto& texts = bench::DecimalTexts();
  std::string text;
  for (std::int64_t i = 0; i < lines - kSlotLines; ++i) {
    const std::int32_t tag = kStoreTag + 1 + static_cast<std::int32_t>(i % kLoadEdits);
    text += controls::FormatText(
        "%.4d->%s", {tag, std::string_view(texts[static_cast<std::size_t>(i) % texts.size()])});
    text += "\r\n";
  }
  text += "9990->0\r\n9991->\r\n";
  return text;
}

void settings_load(benchmark::State& state) {
  const std::int64_t lines = state.range(0);
  TemporaryFile file("load");
  platform::WriteWholeFile(file.path(), LoadFileText(lines));
  Window window(kLoadEdits);
  for (auto _ : state) {
    window.store().LoadFromFile(file.path(), window.container());
    benchmark::DoNotOptimize(window.edit(0).Text().data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * lines);
}

void settings_save(benchmark::State& state) {
  const std::int64_t lines = state.range(0);
  TemporaryFile file("save");
  Window window(lines - kSlotLines);
  window.store().SaveToFile(file.path(), window.container());
  const std::string texts[2] = {"15.5", "45.5"};
  std::size_t turn = 0;
  for (auto _ : state) {
    window.edit(0).SetText(texts[turn]);
    turn ^= 1;
    window.store().SaveToFile(file.path(), window.container());
  }
  state.SetItemsProcessed(state.iterations() * lines);
}

void settings_save_unchanged(benchmark::State& state) {
  const std::int64_t lines = state.range(0);
  TemporaryFile file("save-unchanged");
  Window window(lines - kSlotLines);
  window.store().SaveToFile(file.path(), window.container());
  for (auto _ : state) {
    window.store().SaveToFile(file.path(), window.container());
  }
  state.SetItemsProcessed(state.iterations() * lines);
}

void LineCounts(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(10)->Arg(1000)->Arg(100000)->UseRealTime();
}

BENCHMARK(settings_load)->Apply(LineCounts);
BENCHMARK(settings_save)->Apply(LineCounts);
BENCHMARK(settings_save_unchanged)->Apply(LineCounts);

}  // namespace

int main(int argc, char** argv) {
  controls::SetDecimalSeparator('.');
  bench::DecimalTexts();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
