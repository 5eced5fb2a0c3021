// What every fuzz target shares: the entry point libFuzzer calls, written
// once around a plain function over bytes (the replay main calls the same
// entry point for each file of a corpus), and the one way a target reports a
// fault — a message on stderr, then a trap, so that the fuzzer keeps the input.
//
//   void loadAnything(std::span<const uint8_t> bytes) { ... }
//   QUORVANE_FUZZ_TARGET(loadAnything)
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quorvane::fuzz {

// Prints "fuzz target fault: <what>" and traps; never returns.
[[noreturn]] void fault(std::string_view what);

// Traps with the message unless the condition holds.
inline void require(bool condition, std::string_view what) {
    if (!condition) fault(what);
}

}  // namespace quorvane::fuzz

// The libFuzzer entry point around `function(std::span<const uint8_t>)`.
#define QUORVANE_FUZZ_TARGET(function)                                                  \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {     \
        function(std::span<const uint8_t>(data, size));                                \
        return 0;                                                                       \
    }
