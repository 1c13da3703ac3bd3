// The numeric helpers at the sizes the program meets: a long radix conversion, and the unit
// arithmetic of a 4 MiB export, by the text rule and by the decoder's table.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "format/unit_chain.h"
#include "numeric/convert_radix.h"
#include "numeric/hex_helpers.h"

namespace {

std::string random_decimal(std::size_t digits) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text(1, static_cast<char>('1' + digit(random) % 9));
    while (text.size() < digits) text += static_cast<char>('0' + digit(random));
    return text;
}

void decimal_to_hex_and_back(benchmark::State& state) {
    const std::string decimal = random_decimal(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string text = decimal;
        std::string hex = convert_radix(text, 10, 16);
        std::string back = convert_radix(hex, 16, 10);
        if (back != decimal) state.SkipWithError("round trip changed the number");
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(decimal_to_hex_and_back)->Arg(10000)->Unit(benchmark::kMillisecond);

std::vector<std::string> random_units() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::string> units(4096);
    for (auto& unit : units) unit = bytes_to_hex(std::string(1, static_cast<char>(byte(random))));
    return units;
}

// Two million unit differences, as the text rule computes them.
void two_million_unit_differences(benchmark::State& state) {
    const std::vector<std::string> units = random_units();
    for (auto _ : state) {
        unsigned sum = 0;
        for (std::size_t i = 0; i < 2'000'000; ++i) {
            std::string next = units[(i + 1) % units.size()];
            std::string prev = units[i % units.size()];
            sum += static_cast<unsigned char>(unit_difference(next, prev)[1]);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(two_million_unit_differences)->Unit(benchmark::kMillisecond);

// The same differences as the decoder takes them from two units in the image.
void two_million_unit_differences_in_an_image(benchmark::State& state) {
    const std::vector<std::string> units = random_units();
    for (auto _ : state) {
        unsigned sum = 0;
        for (std::size_t i = 0; i < 2'000'000; ++i) {
            sum += static_cast<unsigned>(unit_difference(std::string_view(units[(i + 1) % units.size()]),
                                                         std::string_view(units[i % units.size()])));
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(two_million_unit_differences_in_an_image)->Unit(benchmark::kMillisecond);

}  // namespace
