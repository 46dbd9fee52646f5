// Loading stays linear and bounded whatever the file holds; entering a result
// costs one atomic rewrite.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <istream>
#include <streambuf>
#include <string>
#include <vector>

#include "score/ranking_file.h"
#include "score/score.h"

namespace {

// Reads a string in place, so that only the parsing is timed, not a copy.
class StringViewBuf : public std::streambuf {
 public:
  explicit StringViewBuf(const std::string& text) {
    char* begin = const_cast<char*>(text.data());
    setg(begin, begin, begin + text.size());
  }
};

std::vector<clData> read_text(const std::string& text) {
  StringViewBuf buffer(text);
  std::istream in(&buffer);
  return read_records(in);
}

std::string table_text(std::size_t records) {
  std::string text;
  for (std::size_t i = 0; i < records; ++i) {
    text += std::to_string(100000 - i) + "\t\t12\t87\t\x96\xe9\x93\x58\x82\xcc\x8e\xcb\x8c\x82\x96\xbc\x90\x6c\n";
  }
  return text;
}

void BM_ReadRecords(benchmark::State& state) {
  const std::string text = table_text(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(read_text(text));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadRecords)->Arg(20)->Arg(1000)->Arg(100000);

// A file of one endless word: loading stops after the title bound, not at the end.
void BM_ReadEndlessWord(benchmark::State& state) {
  const std::string text = "1 2 3 " + std::string(static_cast<std::size_t>(state.range(0)), 'x');
  for (auto _ : state) {
    benchmark::DoNotOptimize(read_text(text));
  }
}
BENCHMARK(BM_ReadEndlessWord)->Arg(1 << 10)->Arg(1 << 26);

// One result into a full table, including the flushed, renamed rewrite.
void BM_InputData(benchmark::State& state) {
  std::string pattern = (std::filesystem::temp_directory_path() / "qs-score-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::filesystem::path dir = pattern;
  Score score;
  score.filename = (dir / "ranking.dat").string();
  score.records = read_text(table_text(kRankingLimit));
  int point = 0;
  for (auto _ : state) benchmark::DoNotOptimize(score.inputdata({point++ % 200000, 1, 1, "t"}));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_InputData)->Unit(benchmark::kMicrosecond);

}  // namespace
