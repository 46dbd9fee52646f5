// Loading the generated window font, and drawing one line of text with it.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "text/font_format.h"
#include "text/glkanji.h"
#include "text/glyph_slots.h"
#include "tests/support/gl_window.h"

namespace {

void BM_LoadFont(benchmark::State& state) {
  qon::glKanji font(qon::kShiftJis);
  for (auto _ : state) {
    if (!font.load(QS_FONT_FILE)) {
      state.SkipWithError("cannot load " QS_FONT_FILE);
      return;
    }
    benchmark::DoNotOptimize(font.data.data());
  }
  state.counters["glyphs"] = font.charCount;
}
BENCHMARK(BM_LoadFont)->Unit(benchmark::kMillisecond);

// The decoding alone, from bytes already in memory.
void BM_DecodeFont(benchmark::State& state) {
  std::vector<unsigned char> file;
  if (std::FILE* f = std::fopen(QS_FONT_FILE, "rb")) {
    unsigned char buffer[1 << 16];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
      file.insert(file.end(), buffer, buffer + got);
    }
    std::fclose(f);
  }
  int size = 0;
  std::vector<unsigned char> table;
  for (auto _ : state) {
    qon::decode_font(file.data(), file.size(), size, table);
    benchmark::DoNotOptimize(table.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * table.size()));
}
BENCHMARK(BM_DecodeFont)->Unit(benchmark::kMicrosecond);


// One print of a 20-character line (8 full-width characters, 12 single
// bytes); with range(0) = 1 the drawing is waited for too.
void BM_Print20(benchmark::State& state) {
  if (!open_game_window("benchmark")) {
    state.SkipWithError("no display");
    return;
  }
  qon::glKanji font(qon::kShiftJis);
  if (!font.load(QS_FONT_FILE)) {
    state.SkipWithError("cannot load " QS_FONT_FILE);
    return;
  }
  const std::string line = platform::to_sjis("難易度選択 Basic(B)終わる(Q)");
  const bool finish = state.range(0) != 0;
  glClear(GL_COLOR_BUFFER_BIT);
  for (auto _ : state) {
    font.print(100, 50, line.c_str());
    if (finish) glFinish();
  }
  glFinish();
}
BENCHMARK(BM_Print20)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
