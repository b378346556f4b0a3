// The one random generator of the text effect engine (spray and noise draw from it): a 32-bit
// linear congruential generator, seed × 134775813 + 1 modulo 2^32, where a draw over 0…n−1 takes
// the high 32 bits of seed × n. It is cheap, and the same seed gives the same draws on every
// build, so tests seed it and compare rendered pixels exactly.
#pragma once

#include <cstdint>

namespace plexara {

class TFxRandom {
 public:
  explicit TFxRandom(std::uint32_t seed = 0) : seed_(seed) {}

  void Seed(std::uint32_t seed) { seed_ = seed; }
  std::uint32_t SeedValue() const { return seed_; }

  // A uniform integer in 0…n−1; 0 for n ≤ 0 (an empty range), without advancing the generator.
  int Next(int n) {
    if (n <= 0) return 0;
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >>
                            32);
  }

 private:
  std::uint32_t seed_;
};

// The generator the engine uses (one per program; the engine runs on the user-interface thread).
TFxRandom& FxRandom();

}  // namespace plexara
