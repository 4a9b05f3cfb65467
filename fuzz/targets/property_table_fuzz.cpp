// A property table's text: parsed as the loader parses it, and judged usable or not.

#include <cmath>

#include "core/refrigerant/table_loader.h"
#include "targets/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = kelvo::fuzz::asText(data, size);
    const kelvo::PropertyTableUsability usability = kelvo::propertyTableUsability(text);
    if (usability.usable < 0 || usability.usable > usability.rows)
        kelvo::fuzz::fail("more usable rows than rows");
    if ((usability.firstUnusableLine == 0) != (usability.usable == usability.rows))
        kelvo::fuzz::fail("the first unusable line disagrees with the counts");
    (void)kelvo::parseRefrigerantTable(text);
    return 0;
}
