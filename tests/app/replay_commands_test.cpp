// --verify: plays a replay again headless and tells in one line whether the
// result holds; bad files and changed courses are said so.
#include "app/replay_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/encoding.h"
#include "play/headless_run.h"
#include "replay/replay_file.h"

namespace {

namespace fs = std::filesystem;

const char* const kCourse =
    "2\n1 10\n0 0 -60 30 85 10 180 4 0 2 0\n"
    "1 6\n5 0 -55 20 95 10 170 3 0 2 1\n";

replay::Input input(std::int32_t tick, replay::InputKind kind, double dx = 0, double dy = 0) {
  replay::Input in;
  in.tick = tick;
  in.kind = kind;
  in.dx = dx;
  in.dy = dy;
  return in;
}

// A replay whose result is what its inputs give.
replay::Replay honest_replay() {
  replay::Replay r;
  r.course_name = "mine.txt";
  r.course_text = kCourse;
  r.random_state = 4242;
  r.start_tick = 77;
  for (int t = 0; t < 400; t += 3) {
    r.inputs.push_back(input(t, replay::InputKind::aim, (t / 30) % 2 == 0 ? 1 : -1, -0.5));
    r.inputs.push_back(input(t, replay::InputKind::click));
  }
  const Playback back = play_back(run_start_of(r), r.inputs, replay::kMaxTicks);
  EXPECT_TRUE(back.ended);
  r.result = back.result;
  return r;
}

class VerifyTest : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("verify_test_" + std::to_string(::getpid()) + "_" +
                                        testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    fs::current_path(dir_);
    ::unsetenv("QUORRELSTEAD_CALLER_DIR");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  static void write(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  int verify(const std::string& file) {
    out.str("");
    err.str("");
    return verify_replay(file, out, err);
  }
  static int lines(const std::string& text) {
    int n = 0;
    for (const char c : text) n += c == '\n';
    return n;
  }

  std::ostringstream out, err;
  fs::path previous_, dir_;
};

TEST_F(VerifyTest, AnHonestReplayIsVerifiedInOneLine) {
  write("run.qsr", replay::encode(honest_replay()));
  EXPECT_EQ(verify("run.qsr"), 0);
  EXPECT_NE(out.str().find("verified"), std::string::npos) << out.str();
  EXPECT_EQ(lines(out.str()), 1);
  EXPECT_EQ(err.str(), "");
}

TEST_F(VerifyTest, AnyChangedResultDiffers) {
  const struct {
    const char* what;
    void (*change)(replay::Result&);
  } cases[] = {
      {"shots", [](replay::Result& r) { r.shots += 1; }},
      {"hits", [](replay::Result& r) { r.hits -= 1; }},
      {"lives", [](replay::Result& r) { r.lives += 1; }},
      {"stage", [](replay::Result& r) { r.stage += 1; }},
      {"cleared", [](replay::Result& r) { r.cleared = !r.cleared; }},
      {"title", [](replay::Result& r) { r.title = "ごるご１３"; }},
      {"ticks", [](replay::Result& r) { r.ticks -= 1; }},
      {"ticks later", [](replay::Result& r) { r.ticks += 5; }},
  };
  const replay::Replay honest = honest_replay();
  for (const auto& c : cases) {
    replay::Replay r = honest;
    c.change(r.result);
    write("run.qsr", replay::encode(r));
    EXPECT_EQ(verify("run.qsr"), 1) << c.what;
    EXPECT_NE(out.str().find("DIFFERS"), std::string::npos) << c.what;
    EXPECT_EQ(lines(out.str()), 1) << c.what;
  }
}

TEST_F(VerifyTest, AChangedInstalledCourseIsSaidButTheReplaysOwnIsUsed) {
  write("run.qsr", replay::encode(honest_replay()));
  write("mine.txt", std::string(kCourse) + "# edited\n");
  EXPECT_EQ(verify("run.qsr"), 0);
  EXPECT_NE(out.str().find("installed mine.txt differs"), std::string::npos) << out.str();
  EXPECT_EQ(lines(out.str()), 2);
  write("mine.txt", kCourse);
  EXPECT_EQ(verify("run.qsr"), 0);
  EXPECT_EQ(lines(out.str()), 1);
}

TEST_F(VerifyTest, BadFilesAreOneLineErrors) {
  replay::Replay no_stages = honest_replay();
  no_stages.course_text = "0\n";
  const std::string good = replay::encode(honest_replay());
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"garbage", "garbage"},
      {"truncated", good.substr(0, good.size() / 2)},
      {"a course with no stages", replay::encode(no_stages)},
  };
  for (const auto& c : cases) {
    write("bad.qsr", c.bytes);
    EXPECT_EQ(verify("bad.qsr"), bad_replay_status) << c.what;
    EXPECT_EQ(lines(err.str()), 1) << c.what;
    EXPECT_EQ(out.str(), "") << c.what;
  }
  EXPECT_EQ(verify("missing.qsr"), bad_replay_status);
  EXPECT_NE(err.str().find("cannot read"), std::string::npos);
}

TEST_F(VerifyTest, FilesAreTakenFromTheCallersFolder) {
  EXPECT_EQ(caller_path("a.qsr"), "a.qsr");
  ::setenv("QUORRELSTEAD_CALLER_DIR", "/home/someone/runs", 1);
  EXPECT_EQ(caller_path("a.qsr"), "/home/someone/runs/a.qsr");
  EXPECT_EQ(caller_path("../b/a.qsr"), "/home/someone/runs/../b/a.qsr");
  EXPECT_EQ(caller_path("/abs/a.qsr"), "/abs/a.qsr");
  fs::create_directories("elsewhere");
  write("elsewhere/run.qsr", replay::encode(honest_replay()));
  ::setenv("QUORRELSTEAD_CALLER_DIR", (dir_ / "elsewhere").c_str(), 1);
  EXPECT_EQ(verify("run.qsr"), 0) << err.str();
  ::unsetenv("QUORRELSTEAD_CALLER_DIR");
}

// Switches LC_CTYPE to a Shift-JIS locale built in the test's folder, and
// back to "C" when it goes; skips where the system cannot build one.
class Sjis_Locale {
 public:
  explicit Sjis_Locale(const fs::path& dir) {
    const fs::path where = dir / "locales";
    fs::create_directories(where);
    const std::string build =
        "localedef -c -i ja_JP -f SHIFT_JIS '" + (where / "ja_JP.SJIS").string() + "' >/dev/null 2>&1";
    // localedef warns (status 1) that the map is not ASCII-compatible.
    if (std::system(build.c_str()) == -1 || !fs::exists(where / "ja_JP.SJIS")) return;
    ::setenv("LOCPATH", where.c_str(), 1);
    active = std::setlocale(LC_CTYPE, "ja_JP.SJIS") != nullptr;
  }
  ~Sjis_Locale() {
    std::setlocale(LC_CTYPE, "C");
    ::unsetenv("LOCPATH");
  }
  Sjis_Locale(const Sjis_Locale&) = delete;
  Sjis_Locale& operator=(const Sjis_Locale&) = delete;
  bool active = false;
};

TEST_F(VerifyTest, TheTitleIsWrittenInTheTerminalsEncoding) {
  const replay::Replay honest = honest_replay();
  write("run.qsr", replay::encode(honest));
  ASSERT_EQ(verify("run.qsr"), 0);
  const std::string utf8_line = out.str();
  ASSERT_NE(utf8_line.find(honest.result.title), std::string::npos) << utf8_line;

  // Both the verified line and the one that differs.
  replay::Replay changed = honest;
  changed.result.shots += 1;
  write("changed.qsr", replay::encode(changed));
  ASSERT_EQ(verify("changed.qsr"), 1);
  const std::string utf8_differs = out.str();

  const Sjis_Locale sjis(dir_);
  if (!sjis.active) GTEST_SKIP() << "no Shift-JIS locale can be built here";
  EXPECT_EQ(verify("run.qsr"), 0);
  EXPECT_EQ(out.str(), platform::to_sjis(utf8_line));
  EXPECT_EQ(out.str().find(honest.result.title), std::string::npos);
  EXPECT_NE(out.str().find(platform::to_sjis(honest.result.title)), std::string::npos);
  EXPECT_EQ(verify("changed.qsr"), 1);
  EXPECT_EQ(out.str(), platform::to_sjis(utf8_differs));
}

}  // namespace
