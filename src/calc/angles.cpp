#include "calc/angles.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "base/checked_math.h"
#include "base/errors.h"

using namespace orv::base;

namespace orv::calc {

namespace {

constexpr long double kPi = 3.1415926535897932385L;

long double Radians(double x) { return x * kPi / 180; }

double ComputeTanDeg(double x) {
  long double angle = Radians(x);
  long double cosine = std::cos(angle);
  if (cosine == 0) throw FloatingPointError(kDivisionByZero);
  return Finite(static_cast<double>(std::sin(angle) / cosine));
}

// The permissible angles repeat from support to support (a line uses few
// kinds of insulator string), and the extended-precision functions are the
// dearest part of a support's calculation: the last tangents are kept,
// found by the angle's bits, so a kept value is the computed one exactly.
class TTangentCache {
 public:
  double TanDeg(double x) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    Entry& entry = entries_[(bits * 0x9E3779B97F4A7C15u) >> (64 - kSizeBits)];
    if (!entry.filled || entry.bits != bits) entry = {bits, ComputeTanDeg(x), true};
    return entry.tangent;
  }

 private:
  static constexpr int kSizeBits = 6;
  static constexpr int kSize = 1 << kSizeBits;
  struct Entry {
    std::uint64_t bits = 0;
    double tangent = 0;
    bool filled = false;
  };
  Entry entries_[kSize];
};

}  // namespace

double TanDeg(double x) {
  thread_local TTangentCache cache;
  return cache.TanDeg(x);
}

double SinDeg(double x) { return static_cast<double>(std::sin(Radians(x))); }

}  // namespace orv::calc
