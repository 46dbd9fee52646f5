// Proves that courses can be cleared by a player with human limits, and
// measures how hard each stage is. Exits 1 when a course is not proven.
//
// usage: course_prover [--quick] <stage file>...
//   --quick  skips the difficulty measurements
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "tools/course_prover/course_model.h"
#include "tools/course_prover/proof.h"
#include "tools/course_prover/report.h"

namespace {

// The play scene writes to the console on every hit; the report keeps a
// stream of its own and the console goes quiet while courses are played.
FILE* report_stream() {
  std::fflush(stdout);
  const int kept = ::dup(STDOUT_FILENO);
  const int quiet = ::open("/dev/null", O_WRONLY);
  if (kept < 0 || quiet < 0) return stdout;
  ::dup2(quiet, STDOUT_FILENO);
  ::close(quiet);
  FILE* report = ::fdopen(kept, "w");
  return report != nullptr ? report : stdout;
}

}  // namespace

int main(int argc, char** argv) {
  course::ProofSettings settings;
  std::vector<const char*> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) {
      settings.measure_difficulty = false;
    } else {
      files.push_back(argv[i]);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s [--quick] <stage file>...\n", argv[0]);
    return 2;
  }
  FILE* const report = report_stream();
  int status = 0;
  for (const char* file : files) {
    course::Course course;
    std::string problem;
    if (!course::load_course(file, course, problem)) {
      std::fprintf(report, "%s: %s (see the course checker)\n", file, problem.c_str());
      status = 1;
      continue;
    }
    try {
      const course::CourseProof proof = course::prove_course(course, settings);
      std::fputs(course::proof_report(file, proof, settings).c_str(), report);
      std::fflush(report);
      if (!proof.proven()) status = 1;
    } catch (const std::exception& error) {
      std::fprintf(report, "%s: %s\n", file, error.what());
      status = 1;
    }
  }
  std::fflush(report);
  return status;
}
