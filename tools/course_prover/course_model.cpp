#include "tools/course_prover/course_model.h"

#include <cmath>
#include <cstdio>
#include <fstream>

#include "tools/course_checker/flight.h"

namespace course {
namespace {

// The share of the spread that a point stands for; the top end is the
// largest draw the random sequence can deal.
double spread_share(SpreadPoint point, std::size_t spawner) {
  constexpr double kTop = (kDraws - 1) / static_cast<double>(kDraws);
  switch (point) {
    case SpreadPoint::low: return 0.0;
    case SpreadPoint::middle: return 0.5;
    case SpreadPoint::high: return kTop;
    case SpreadPoint::low_high: return spawner % 2 == 0 ? 0.0 : kTop;
    case SpreadPoint::high_low: return spawner % 2 == 0 ? kTop : 0.0;
  }
  return 0.0;
}

std::string decimal(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

}  // namespace

bool load_course(const std::string& path, Course& course, std::string& problem) {
  std::ifstream in(path);
  if (!in) {
    problem = "cannot be opened";
    return false;
  }
  course = Course{};
  course.stage_count = read_stage_count(in);
  if (in.fail() || course.stage_count <= 0) {
    problem = "has no usable stage count";
    return false;
  }
  for (int stage = 0; stage < course.stage_count; ++stage) {
    course.stages.push_back(read_stage_section(in));
    if (in.fail()) {
      problem = "cannot be read to its last stage";
      return false;
    }
  }
  return true;
}

std::string course_text(const Course& course) {
  std::string text = std::to_string(course.stage_count) + "\n";
  for (const StageSection& section : course.stages) {
    text += std::to_string(section.spawner_count) + " " + std::to_string(section.bullets) + "\n";
    for (const Canon_attrib& a : section.spawners) {
      text += decimal(a.pos.x) + " " + decimal(a.pos.y) + " " + decimal(a.pos.z) + " " +
              std::to_string(a.interval) + " " + std::to_string(a.angle) + " " +
              std::to_string(a.spread) + " " + std::to_string(a.speed) + " " +
              std::to_string(a.num) + " " + std::to_string(a.delay) + " " + decimal(a.size) +
              " " + std::to_string(a.kind) + "\n";
    }
  }
  return text;
}

const char* spread_point_name(SpreadPoint point) {
  switch (point) {
    case SpreadPoint::low: return "low ends";
    case SpreadPoint::middle: return "middles";
    case SpreadPoint::high: return "high ends";
    case SpreadPoint::low_high: return "low and high ends";
    case SpreadPoint::high_low: return "high and low ends";
  }
  return "?";
}

Course with_pinned_spreads(const Course& course, SpreadPoint point) {
  Course pinned = course;
  for (StageSection& section : pinned.stages) {
    for (std::size_t i = 0; i < section.spawners.size(); ++i) {
      Canon_attrib& a = section.spawners[i];
      // Angles are whole degrees in the file: the nearest one stands in.
      a.angle = static_cast<int>(std::lround(a.angle + spread_share(point, i) * a.spread));
      a.spread = 0;
    }
  }
  return pinned;
}

Course single_stage(const Course& course, std::size_t stage, int bullets) {
  Course one;
  one.stage_count = 1;
  one.stages.push_back(course.stages.at(stage));
  one.stages.back().bullets = bullets;
  return one;
}

}  // namespace course
