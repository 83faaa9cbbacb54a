// Number text against the standard conversions, on the same inputs. Every iteration converts the
// whole input set, and items_per_second counts conversions, so 1e9 / items_per_second is the time
// of one conversion in nanoseconds.

#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench/number_inputs.h"
#include "controls/decimal_separator.h"
#include "controls/number_text.h"

namespace {

using bench::DecimalTexts;
using bench::IntegerTexts;
using bench::MixedDoubles;

constexpr std::size_t kTextCapacity = 64;

void CountItems(benchmark::State& state, std::size_t perIteration) {
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(perIteration));
}

// --- Formatting -------------------------------------------------------------------------------

void format_general_5(benchmark::State& state) {
  const auto& values = MixedDoubles();
  for (auto _ : state) {
    for (const double value : values) {
      std::string text = controls::FormatGeneral(value, 5, 3);
      benchmark::DoNotOptimize(text.data());
      benchmark::ClobberMemory();
    }
  }
  CountItems(state, values.size());
}

void snprintf_5g(benchmark::State& state) {
  const auto& values = MixedDoubles();
  std::array<char, kTextCapacity> buffer;
  for (auto _ : state) {
    for (const double value : values) {
      const int length = std::snprintf(buffer.data(), buffer.size(), "%.5G", value);
      benchmark::DoNotOptimize(length);
      benchmark::DoNotOptimize(buffer.data());
      benchmark::ClobberMemory();
    }
  }
  CountItems(state, values.size());
}

void float_text(benchmark::State& state) {
  const auto& values = MixedDoubles();
  for (auto _ : state) {
    for (const double value : values) {
      std::string text = controls::FloatText(value);
      benchmark::DoNotOptimize(text.data());
      benchmark::ClobberMemory();
    }
  }
  CountItems(state, values.size());
}

void snprintf_15g(benchmark::State& state) {
  const auto& values = MixedDoubles();
  std::array<char, kTextCapacity> buffer;
  for (auto _ : state) {
    for (const double value : values) {
      const int length = std::snprintf(buffer.data(), buffer.size(), "%.15G", value);
      benchmark::DoNotOptimize(length);
      benchmark::DoNotOptimize(buffer.data());
      benchmark::ClobberMemory();
    }
  }
  CountItems(state, values.size());
}

void to_chars_shortest(benchmark::State& state) {
  const auto& values = MixedDoubles();
  std::array<char, kTextCapacity> buffer;
  for (auto _ : state) {
    for (const double value : values) {
      const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
      benchmark::DoNotOptimize(result.ptr);
      benchmark::DoNotOptimize(buffer.data());
      benchmark::ClobberMemory();
    }
  }
  CountItems(state, values.size());
}

// --- Reading decimals -------------------------------------------------------------------------

// How many texts a reader gives another double than std::from_chars (correctly rounded) for;
// reported as a counter, so a fast but wrong reader shows.
template <class Reader>
double CountDifferences(Reader read) {
  std::size_t differences = 0;
  for (const std::string& text : DecimalTexts()) {
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    const double got = read(text);
    if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(expected)) {
      ++differences;
    }
  }
  return static_cast<double>(differences);
}

double ReadParseDecimal(const std::string& text) {
  return controls::ParseDecimal(text).value_or(-1);
}
double ReadStrtod(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

void parse_decimal(benchmark::State& state) {
  const auto& texts = DecimalTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      const std::optional<double> value = controls::ParseDecimal(text);
      benchmark::DoNotOptimize(value);
    }
  }
  CountItems(state, texts.size());
  state.counters["differ"] = CountDifferences(ReadParseDecimal);
}

void strtod(benchmark::State& state) {
  const auto& texts = DecimalTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      char* end = nullptr;
      const double value = std::strtod(text.c_str(), &end);
      benchmark::DoNotOptimize(value);
      benchmark::DoNotOptimize(end);
    }
  }
  CountItems(state, texts.size());
  state.counters["differ"] = CountDifferences(ReadStrtod);
}

void from_chars(benchmark::State& state) {
  const auto& texts = DecimalTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      double value = 0;
      const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
      benchmark::DoNotOptimize(value);
      benchmark::DoNotOptimize(result.ptr);
    }
  }
  CountItems(state, texts.size());
}

// --- Reading integers -------------------------------------------------------------------------

void parse_integer(benchmark::State& state) {
  const auto& texts = IntegerTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      const std::optional<std::int32_t> value = controls::ParseInteger(text);
      benchmark::DoNotOptimize(value);
    }
  }
  CountItems(state, texts.size());
}

void strtol(benchmark::State& state) {
  const auto& texts = IntegerTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      char* end = nullptr;
      const long value = std::strtol(text.c_str(), &end, 10);
      benchmark::DoNotOptimize(value);
      benchmark::DoNotOptimize(end);
    }
  }
  CountItems(state, texts.size());
}

BENCHMARK(format_general_5);
BENCHMARK(snprintf_5g);
BENCHMARK(float_text);
BENCHMARK(snprintf_15g);
BENCHMARK(to_chars_shortest);
BENCHMARK(parse_decimal);
BENCHMARK(strtod);
BENCHMARK(from_chars);
BENCHMARK(parse_integer);
BENCHMARK(strtol);

}  // namespace

int main(int argc, char** argv) {
  controls::SetDecimalSeparator('.');
  // Build the inputs before the first timing.
  bench::DecimalTexts();
  bench::IntegerTexts();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
