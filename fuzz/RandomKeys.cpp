#include "RandomKeys.h"

#include <array>
#include <string_view>

namespace zorvane::checks {

namespace {

enum class Kind { Digit, Point, SignChange, Operator, Equals, Reset, Function, Key, AnyKey, Run };

// How often each Kind is drawn, in the order of Kind.
constexpr std::array<double, 10> kWeights = {40, 6, 4, 10, 14, 2, 8, 4, 2, 1};

constexpr std::uint8_t kFirstPowerCount = 0xF0;  // see decodeOperations
constexpr std::string_view kOperators = "+-*/";
constexpr std::string_view kFunctions = "RPSK";
// The characters the keyboard table knows, Esc included.
constexpr std::string_view kKnownKeys = "0123456789.+-*/=\x1b";

std::uint8_t pick(std::mt19937& random, std::string_view choices) {
    std::uniform_int_distribution<std::size_t> index(0, choices.size() - 1);
    return static_cast<std::uint8_t>(choices[index(random)]);
}

std::uint8_t anyByte(std::mt19937& random) {
    return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(random));
}

// Only zeros can run long: after a first other digit, the 16th digit is
// refused. Most counts are short, some are powers of two. The longest run,
// 32768 zeros, follows equals and a point, which start a fresh number with a
// point, so that its zeros use up the 32767 digits allowed after a point.
void appendRun(std::mt19937& random, std::vector<std::uint8_t>& keys) {
    std::bernoulli_distribution zero(0.7);
    std::bernoulli_distribution powerOfTwo(0.2);
    std::bernoulli_distribution longest(0.5);
    std::uniform_int_distribution<int> shortCount(0, kFirstPowerCount - 1);
    std::uniform_int_distribution<int> exponent(0, 14);
    const bool power = powerOfTwo(random);
    if (power && longest(random)) {
        keys.insert(keys.end(), {'=', '.', 'x', '0', kFirstPowerCount + 15});
        return;
    }
    keys.push_back('x');
    keys.push_back(zero(random) ? '0' : pick(random, "123456789"));
    const int count = power ? kFirstPowerCount + exponent(random) : shortCount(random);
    keys.push_back(static_cast<std::uint8_t>(count));
}

void appendKey(std::mt19937& random, Kind kind, std::vector<std::uint8_t>& keys) {
    switch (kind) {
        case Kind::Digit:
            keys.push_back(pick(random, "0123456789"));
            break;
        case Kind::Point:
            keys.push_back('.');
            break;
        case Kind::SignChange:
            keys.push_back('~');
            break;
        case Kind::Operator:
            keys.push_back(pick(random, kOperators));
            break;
        case Kind::Equals:
            keys.push_back('=');
            break;
        case Kind::Reset:
            keys.push_back('C');
            break;
        case Kind::Function:
            keys.push_back(pick(random, kFunctions));
            break;
        case Kind::Key:
            keys.insert(keys.end(), {'k', pick(random, kKnownKeys), 0});
            break;
        case Kind::AnyKey:
            keys.insert(keys.end(), {'k', anyByte(random), anyByte(random)});
            break;
        case Kind::Run:
            appendRun(random, keys);
            break;
    }
}

}  // namespace

std::vector<std::uint8_t> randomKeys(std::mt19937& random, int operations) {
    std::discrete_distribution<int> kinds(kWeights.begin(), kWeights.end());
    std::vector<std::uint8_t> keys;
    for (int i = 0; i < operations; ++i) {
        appendKey(random, static_cast<Kind>(kinds(random)), keys);
    }
    return keys;
}

}  // namespace zorvane::checks
