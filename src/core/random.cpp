#include "core/random.h"

#include <chrono>

int64_t SystemClock::NowSeconds() const {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

void TRandom::Seed(int64_t seed) {
  // Spread neighbouring seconds over the whole state (splitmix64 finaliser),
  // so that deals seeded one second apart look unrelated.
  uint64_t z = static_cast<uint64_t>(seed) + 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  state_ = z ^ (z >> 31);
}

int32_t TRandom::Next() {
  state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
  return static_cast<int32_t>(state_ >> 33);
}

int TRandom::Below(int n) {
  if (n <= 0) return 0;
  return Next() % n;
}
