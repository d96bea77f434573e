#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace zorvane::checks {

// A random sequence of `operations` key presses in the byte form that
// decodeOperations reads, weighted like real use: mostly digits and equals,
// some points, operators, sign changes, trading functions and resets, a few
// typed characters (meaningful ones and any 16-bit value) and, rarely, long
// runs of one digit.
std::vector<std::uint8_t> randomKeys(std::mt19937& random, int operations);

}  // namespace zorvane::checks
