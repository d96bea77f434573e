// Runs seeded random key sequences through every engine check:
//   random_sequences [--seed N] [--operations N] [--save FILE]
// It stops at the first broken check, prints it, writes the failing sequence
// to FILE (default random-sequence-finding) in the byte form the fuzzer reads,
// and exits 1. Otherwise it prints what it ran and exits 0.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "CalcError.h"
#include "RandomKeys.h"
#include "SequenceRunner.h"

namespace {

struct Options {
    unsigned long seed = 20240611;
    long operations = 200000;
    std::string save = "random-sequence-finding";
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--seed") {
            options.seed = std::strtoul(value, nullptr, 10);
        } else if (name == "--operations") {
            options.operations = std::strtol(value, nullptr, 10);
        } else if (name == "--save") {
            options.save = value;
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

long raised(const zorvane::checks::SequenceResult& result, zorvane::CalcFailure failure) {
    return result.failures.at(static_cast<std::size_t>(failure));
}

// Writes the keys in the byte form the fuzzer reads.
void save(const std::string& file, const std::vector<std::uint8_t>& keys) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(keys.data()),
               static_cast<std::streamsize>(keys.size()));
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--seed N] [--operations N] [--save FILE]\n", argv[0]);
        return 2;
    }
    using namespace zorvane::checks;
    std::mt19937 random(options.seed);
    std::uniform_int_distribution<int> length(1, 300);
    long sequences = 0;
    SequenceResult total;
    while (total.operations < options.operations) {
        const auto keys = randomKeys(random, length(random));
        const SequenceResult result = runSequence(keys);
        ++sequences;
        total.operations += result.operations;
        total.engineCalls += result.engineCalls;
        for (std::size_t i = 0; i < total.failures.size(); ++i) {
            total.failures.at(i) += result.failures.at(i);
        }
        if (result.finding) {
            save(options.save, keys);
            std::fprintf(stderr, "seed %lu, sequence %ld: engine check failed at %s\n",
                         options.seed, sequences, describe(*result.finding).c_str());
            std::fprintf(stderr, "keys saved to %s\n", options.save.c_str());
            return 1;
        }
    }
    std::printf(
        "seed %lu: %ld sequences, %ld operations, %ld engine calls, all checks held\n"
        "errors raised: overflow %ld, division by zero %ld, type mismatch %ld, "
        "floating point %ld\n",
        options.seed, sequences, total.operations, total.engineCalls,
        raised(total, zorvane::CalcFailure::Overflow),
        raised(total, zorvane::CalcFailure::DivisionByZero),
        raised(total, zorvane::CalcFailure::TypeMismatch),
        raised(total, zorvane::CalcFailure::FloatingPoint));
    return 0;
}
