#include "replay/replay_store.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "replay/replay_file.h"

namespace replay {
namespace {

constexpr const char* kSuffix = ".qsr";
constexpr int kMaxNumber = 99;

std::string course_part(const std::string& course_name) {
  std::string base = course_name;
  if (base.size() > 4 && base.compare(base.size() - 4, 4, ".txt") == 0) base.resize(base.size() - 4);
  std::string part;
  for (const char c : base) {
    const auto u = static_cast<unsigned char>(c);
    part.push_back(std::isalnum(u) != 0 || c == '-' ? c : '-');
    if (part.size() == 40) break;
  }
  return part.empty() ? "course" : part;
}

bool digits(const std::string& s, std::size_t from, std::size_t count) {
  if (from + count > s.size()) return false;
  for (std::size_t i = from; i < from + count; ++i) {
    if (std::isdigit(static_cast<unsigned char>(s[i])) == 0) return false;
  }
  return true;
}

}  // namespace

std::string file_name(const Replay& recorded, std::int32_t hit_rate, const std::tm& when, int number) {
  char stamp[96];  // room for any int the fields could hold
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d-%02d", when.tm_year + 1900, when.tm_mon + 1,
                when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec, number);
  return std::string(stamp) + "_" + course_part(recorded.course_name) + "_s" +
         std::to_string(static_cast<long long>(recorded.result.stage) + 1) + "_" + std::to_string(hit_rate) +
         "pct_" + (recorded.result.cleared ? "clear" : "over") + kSuffix;
}

bool parse_name(const std::string& name, Named& named) {
  // 8 digits, '-', 6 digits, '-', 2 digits, '_' course '_s' stage '_' rate 'pct_' end ".qsr"
  if (!digits(name, 0, 8) || name.size() < 19 || name[8] != '-' || !digits(name, 9, 6) || name[15] != '-' ||
      !digits(name, 16, 2) || name[18] != '_') {
    return false;
  }
  const std::size_t suffix = name.size() >= 4 ? name.size() - 4 : 0;
  if (name.compare(suffix, 4, kSuffix) != 0) return false;
  const std::size_t end_at = name.rfind('_', suffix);
  const std::string end = name.substr(end_at + 1, suffix - end_at - 1);
  if (end_at == std::string::npos || (end != "clear" && end != "over")) return false;
  const std::size_t rate_at = name.rfind('_', end_at - 1);
  const std::size_t stage_at = rate_at == std::string::npos ? rate_at : name.rfind("_s", rate_at - 1);
  if (stage_at == std::string::npos || stage_at < 18) return false;
  const std::string rate = name.substr(rate_at + 1, end_at - rate_at - 1);
  const std::string stage = name.substr(stage_at + 2, rate_at - stage_at - 2);
  if (rate.size() < 4 || rate.compare(rate.size() - 3, 3, "pct") != 0) return false;
  const std::string rate_digits = rate.substr(0, rate.size() - 3);
  if (!digits(rate_digits, 0, rate_digits.size()) || rate_digits.size() > 9) return false;
  if (stage.empty() || !digits(stage, 0, stage.size()) || stage.size() > 9) return false;
  named.name = name;
  named.stage = static_cast<std::int32_t>(std::stol(stage)) - 1;
  named.hit_rate = static_cast<std::int32_t>(std::stol(rate_digits));
  return named.stage >= 0;
}

Saved save(const std::string& folder, const Replay& recorded, std::int32_t hit_rate, const std::tm& when,
           const std::string& path) {
  Saved saved;
  const std::string bad = problem(recorded);
  if (!bad.empty()) {
    saved.error = "the replay cannot be written: " + bad;
    return saved;
  }
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  saved.path = path;
  for (int number = 0; saved.path.empty() && number <= kMaxNumber; ++number) {
    const std::string candidate = folder + "/" + file_name(recorded, hit_rate, when, number);
    if (!std::filesystem::exists(candidate, ec)) saved.path = candidate;
  }
  if (saved.path.empty()) {
    saved.error = "too many replays within one second in " + folder;
    return saved;
  }
  if (!platform::write_file_atomically(saved.path, encode(recorded))) {
    saved.error = "cannot write " + saved.path;
  }
  return saved;
}

std::vector<std::string> to_remove(std::vector<std::string> names, const std::vector<Ranked>& ranking,
                                   std::size_t others) {
  std::vector<Named> replays;
  for (const std::string& name : names) {
    Named named;
    if (parse_name(name, named)) replays.push_back(named);
  }
  // Oldest first: the names begin with the date and time.
  std::sort(replays.begin(), replays.end(), [](const Named& a, const Named& b) { return a.name < b.name; });
  std::vector<bool> kept(replays.size(), false);
  for (const Ranked& entry : ranking) {
    for (std::size_t i = 0; i < replays.size(); ++i) {
      if (!kept[i] && replays[i].stage == entry.stage && replays[i].hit_rate == entry.hit_rate) {
        kept[i] = true;
        break;
      }
    }
  }
  std::vector<std::string> removed;
  std::size_t others_kept = 0;
  for (std::size_t i = replays.size(); i-- > 0;) {
    if (kept[i]) continue;
    if (others_kept < others) {
      ++others_kept;
    } else {
      removed.push_back(replays[i].name);
    }
  }
  return removed;
}

void prune(const std::string& folder, const std::vector<Ranked>& ranking, std::size_t others) {
  std::error_code ec;
  std::vector<std::string> names;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
  }
  for (const std::string& name : to_remove(names, ranking, others)) {
    std::filesystem::remove(std::filesystem::path(folder) / name, ec);
  }
}

}  // namespace replay
