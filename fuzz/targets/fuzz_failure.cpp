#include <cstdio>
#include <cstdlib>

#include "targets/fuzz_input.h"

namespace kelvo::fuzz
{

void fail(const char* what)
{
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

} // namespace kelvo::fuzz
