#include "bench/number_inputs.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <limits>
#include <random>

#include "controls/number_text.h"

namespace bench {
namespace {

constexpr std::size_t kDoublesPerGroup = 512;
constexpr std::size_t kIntegersPerGroup = 1024;
constexpr std::uint64_t kSeed = 20240611;

// std::mt19937_64's output is fixed by the standard (unlike the distributions), so the inputs are
// the same with every library.
class Source {
 public:
  std::uint64_t Bits() { return engine_(); }
  // Uniform in [0, bound).
  std::uint64_t Below(std::uint64_t bound) { return Bits() % bound; }
  // Uniform in [0, 1) with 53 random bits.
  double Unit() { return static_cast<double>(Bits() >> 11) * 0x1p-53; }
  bool Coin() { return (Bits() & 1U) != 0; }

 private:
  std::mt19937_64 engine_{kSeed};
};

double WithRandomSign(Source& source, double value) { return source.Coin() ? -value : value; }

std::vector<double> BuildDoubles() {
  Source source;
  std::vector<double> values;

  // Random bit patterns: every finite exponent equally likely.
  while (values.size() < kDoublesPerGroup) {
    const double value = std::bit_cast<double>(source.Bits());
    if (std::isfinite(value)) {
      values.push_back(value);
    }
  }
  // Subnormals.
  for (std::size_t i = 0; i < kDoublesPerGroup; ++i) {
    const std::uint64_t mantissa = source.Below((std::uint64_t{1} << 52) - 1) + 1;
    values.push_back(WithRandomSign(source, std::bit_cast<double>(mantissa)));
  }
  // Integers: small ones, then ones with up to 16 digits.
  for (std::size_t i = 0; i < kDoublesPerGroup; ++i) {
    const std::uint64_t bound = i % 2 == 0 ? 100000 : (std::uint64_t{1} << 53);
    values.push_back(WithRandomSign(source, static_cast<double>(source.Below(bound))));
  }
  // Around the switches between fixed and scientific notation: a tiny relative distance above
  // or below 1e-4, 1e5 and 1e15, and the halfway points that round up to them at 5 and 15 digits.
  const double switches[] = {1e-4, 1e5, 1e15};
  const double halfways[] = {9.99995e-5, 99999.5, 9.999999999999995e14, 9.99995e14};
  for (std::size_t i = 0; i < kDoublesPerGroup; ++i) {
    double value = 0;
    if (i % 4 == 3) {
      value = halfways[source.Below(std::size(halfways))];
      value = std::nextafter(value, source.Coin() ? 0.0 : 1e300);
    } else {
      const double relative = std::ldexp(source.Unit(), -static_cast<int>(source.Below(50)));
      value = switches[source.Below(std::size(switches))] *
              (source.Coin() ? 1 + relative : 1 - relative);
    }
    values.push_back(WithRandomSign(source, value));
  }
  // Measurement-like values: up to seven significant digits, from 1e-7 to 1e8.
  for (std::size_t i = 0; i < kDoublesPerGroup; ++i) {
    const double digits = static_cast<double>(source.Below(10000000));
    const double scale = std::pow(10.0, static_cast<double>(source.Below(9)) - 3.0 - 4.0);
    values.push_back(WithRandomSign(source, digits * scale));
  }

  // A fixed shuffle, so a benchmark that cycles through the set meets the groups mixed.
  for (std::size_t i = values.size() - 1; i > 0; --i) {
    std::swap(values[i], values[source.Below(i + 1)]);
  }
  return values;
}

std::vector<std::int32_t> BuildIntegers() {
  Source source;
  std::vector<std::int32_t> values = {0, -1, 1, std::numeric_limits<std::int32_t>::max(),
                                      std::numeric_limits<std::int32_t>::min()};
  for (std::size_t i = 0; i < kIntegersPerGroup; ++i) {
    values.push_back(static_cast<std::int32_t>(source.Below(1000)));
    values.push_back(static_cast<std::int32_t>(source.Below(2000000)) - 1000000);
    values.push_back(static_cast<std::int32_t>(static_cast<std::uint32_t>(source.Bits())));
  }
  for (std::size_t i = values.size() - 1; i > 0; --i) {
    std::swap(values[i], values[source.Below(i + 1)]);
  }
  return values;
}

}  // namespace

const std::vector<double>& MixedDoubles() {
  static const std::vector<double> values = BuildDoubles();
  return values;
}

const std::vector<std::string>& DecimalTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> result;
    for (const double value : MixedDoubles()) {
      result.push_back(controls::FloatText(value));
    }
    for (const double value : MixedDoubles()) {
      result.push_back(controls::FormatGeneral(value, 5, 3));
    }
    return result;
  }();
  return texts;
}

const std::vector<std::int32_t>& MixedIntegers() {
  static const std::vector<std::int32_t> values = BuildIntegers();
  return values;
}

const std::vector<std::string>& IntegerTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> result;
    for (const std::int32_t value : MixedIntegers()) {
      result.push_back(controls::IntegerText(value));
    }
    return result;
  }();
  return texts;
}

}  // namespace bench
