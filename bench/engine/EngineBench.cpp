// Time per key press of the engine on everyday key sequences, through a
// display that only records. Each sequence starts with a reset or a
// trading-function button, so every iteration starts from the same state.
#include <benchmark/benchmark.h>

#include <string>

#include "KeyDriver.h"

namespace {

// The longest number typed: 15 significant digits, held and shown as typed.
const std::string kFifteenDigits = "12345678901234.5";

enum class Shown { Main, Input };

void pressKeys(benchmark::State& state, const std::string& keys, Shown shown,
               const std::string& expected) {
    KeyDriver driver;
    for (auto _ : state) {
        driver.press(keys);
        benchmark::DoNotOptimize(driver.display.mainText.data());
    }
    const std::string& text =
        shown == Shown::Main ? driver.display.mainText : driver.display.inputText;
    if (text != expected) {
        state.SkipWithError(("the keys ended in \"" + text + "\"").c_str());
    }
    state.counters["per_key"] = benchmark::Counter(
        static_cast<double>(keys.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK_CAPTURE(pressKeys, chain, std::string("C12.5+3.75=*2=-1.25=/4="), Shown::Main, "7.812");
BENCHMARK_CAPTURE(pressKeys, rebound, std::string("R20=10="), Shown::Main,
                  "标准反弹:13.75 中级反弹:15 ");
BENCHMARK_CAPTURE(pressKeys, pullback, std::string("P20=10="), Shown::Main,
                  "标准回调:13.82 保守回调:15 ");
BENCHMARK_CAPTURE(pressKeys, sell_off, std::string("S10="), Shown::Main,
                  "保守出货:13.75  标准出货:16.18");
BENCHMARK_CAPTURE(pressKeys, round_trip_cost, std::string("K10=1000="), Shown::Main,
                  "高抛成本:10.06 接回成本:9.94 ");
BENCHMARK_CAPTURE(pressKeys, entry_15_digits, "C" + kFifteenDigits, Shown::Main, kFifteenDigits);
BENCHMARK_CAPTURE(pressKeys, entry_15_digits_in_function, "R" + kFifteenDigits, Shown::Input,
                  kFifteenDigits);
BENCHMARK_CAPTURE(pressKeys, large_product, std::string("C15.67*812345="), Shown::Main,
                  "12729446.15");
