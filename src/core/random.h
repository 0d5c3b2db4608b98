// The one pseudo-random source of the program and the clock that seeds it.
//
// The generator is our own (a 64-bit linear congruential step whose top 31
// bits are the output), so a seed gives the same deals on every platform and
// standard library. Tests and the headless tool fix the clock to make every
// reseed deterministic.
#pragma once

#include <cstdint>

class IClock {
 public:
  virtual ~IClock() = default;
  virtual int64_t NowSeconds() const = 0;  // wall-clock time in whole seconds
};

class SystemClock final : public IClock {
 public:
  int64_t NowSeconds() const override;
};

class FixedClock final : public IClock {
 public:
  explicit FixedClock(int64_t seconds) : seconds_(seconds) {}
  int64_t NowSeconds() const override { return seconds_; }
  void Set(int64_t seconds) { seconds_ = seconds; }

 private:
  int64_t seconds_;
};

class TRandom {
 public:
  void Seed(int64_t seed);
  int32_t Next();      // 0 .. 2^31 - 1
  int Below(int n);    // 0 when n <= 0, otherwise Next() mod n

 private:
  uint64_t state_ = 0x853c49e6748fea9bULL;
};
