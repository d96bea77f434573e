// libFuzzer entry: every input is a sequence of key presses (see
// decodeOperations) run on a fresh calculator with every check after each
// operation. A broken check aborts, which makes libFuzzer save the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "SequenceRunner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = zorvane::checks::runSequence({data, size});
    if (result.finding) {
        std::fprintf(stderr, "engine check failed at %s\n",
                     zorvane::checks::describe(*result.finding).c_str());
        std::abort();
    }
    return 0;
}
