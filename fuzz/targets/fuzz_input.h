#pragma once

// Each target defines the entry point libFuzzer calls with one input; the same function
// replays saved inputs in the normal test build.

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace kelvo::fuzz
{

inline std::string_view asText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A broken promise of the code under test: abort, so the fuzzer keeps the input.
[[noreturn]] void fail(const char* what);

} // namespace kelvo::fuzz
