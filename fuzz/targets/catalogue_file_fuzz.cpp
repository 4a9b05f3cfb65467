// One catalogue file's content, read as its loader reads it (the kind is chosen at build time).
// A refusal is a CatalogueFileError whose message is safe to print; anything else is a finding.

#include <memory>

#include "core/catalogue/catalogue_files.h"
#include "targets/fuzz_input.h"

namespace
{

bool printable(std::string_view text)
{
    for (const unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One catalogue for every input: a load replaces each record it reads whole, so what an
    // earlier input left cannot change how this one is read.
    static const auto catalogue = std::make_unique<kelvo::Catalogue>();
    catalogue->loadNotes.clear();
    try {
        kelvo::readCatalogueFileContent(*catalogue, kelvo::CatalogueFileKind::KELVO_FUZZ_KIND,
                                        kelvo::fuzz::asText(data, size), "/catalogue/file.txt");
    } catch (const kelvo::CatalogueFileError& error) {
        if (!printable(error.reason()) || error.reason().size() > 400)
            kelvo::fuzz::fail("a refusal quotes the file unsafely");
        return 0;
    }
    for (const auto& note : catalogue->loadNotes)
        if (!printable(note))
            kelvo::fuzz::fail("a load note is not printable");
    return 0;
}
