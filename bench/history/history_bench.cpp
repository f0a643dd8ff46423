// What a remembered search and a typed command cost on the UI thread: saving
// a full history (200 searches) through a temporary file, its flush to the
// device and the rename, as after each new search; reading it back at
// start; and the command check run on every keystroke in a command box.
#include <benchmark/benchmark.h>

#include "engines/commandcheck.h"
#include "history/historyfile.h"
#include "history/searchhistory.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <stdlib.h>

namespace {

std::vector<TSearchEntry> FullHistory() {
  std::vector<TSearchEntry> Searches;
  for (std::size_t N = 0; N < TSearchHistory::kMaxSearches; ++N) {
    const std::string Digits = std::to_string(N);
    Searches.push_back({u"solar panel efficiency caf\u00E9 " + std::u16string(Digits.begin(), Digits.end()),
                        u"cheap \"used parts\""});
  }
  return Searches;
}

std::u16string TempFolder() {
  std::string Pattern = (std::filesystem::temp_directory_path() / "varnesk-history-bench-XXXXXX").string();
  if (mkdtemp(Pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  Pattern += '/';
  return {Pattern.begin(), Pattern.end()};
}

void SaveFullHistory(benchmark::State& State) {
  const std::u16string Folder = TempFolder();
  const THistoryFile File(Folder);
  const std::vector<TSearchEntry> Searches = FullHistory();
  for (auto _ : State) {
    if (File.Save(Searches) != 0) State.SkipWithError("save failed");
  }
  State.counters["bytes"] = static_cast<double>(THistoryFile::Format(Searches).size());
  File.Remove();
  std::filesystem::remove(std::string(Folder.begin(), Folder.end()));
}
BENCHMARK(SaveFullHistory)->Unit(benchmark::kMillisecond);

void ParseFullHistory(benchmark::State& State) {
  const std::string Bytes = THistoryFile::Format(FullHistory());
  for (auto _ : State) benchmark::DoNotOptimize(THistoryFile::Parse(Bytes));
}
BENCHMARK(ParseFullHistory)->Unit(benchmark::kMicrosecond);

void CheckCommandPerKeystroke(benchmark::State& State) {
  const std::u16string Command = u"https://en.wikipedia.org/w/index.php?search=";
  for (auto _ : State) benchmark::DoNotOptimize(CheckSearchCommand(Command));
}
BENCHMARK(CheckCommandPerKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
