#pragma once
// A checksum over everything a tick leaves behind: every figure's and
// bullet's position, velocity and life, the scene's counters and aim, and
// the random state. Two builds that simulate alike give the same value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "play/headless_run.h"

class Run_Trace final : public Tick_Observer {
 public:
  void ticked(const Play_State& play) override;

  std::uint64_t value() const { return hash_; }
  // The value as 16 lower-case hex digits.
  std::string hex() const;

 private:
  void add_bytes(const void* data, std::size_t size);
  void add(std::int64_t value) { add_bytes(&value, sizeof value); }
  void add(double value) { add_bytes(&value, sizeof value); }

  std::uint64_t hash_ = 14695981039346656037ull;  // FNV-1a offset basis
};
