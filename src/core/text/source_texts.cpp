#include "core/text/source_texts.h"

namespace kelvo
{
namespace
{

constexpr std::size_t kLongestText = 255;

} // namespace

bool SourceTexts::matches(std::span<const std::string_view> texts) const
{
    if (!kept_)
        return false;
    const char* at = joined_.data();
    const char* const end = at + joined_.size();
    for (const std::string_view text : texts) {
        const std::size_t size = text.size();
        if (static_cast<std::size_t>(end - at) < 1 + size ||
            static_cast<unsigned char>(*at) != size)
            return false;
        ++at;
        // Catalogue texts are a few bytes long: a plain loop beats a library call.
        for (std::size_t i = 0; i < size; ++i)
            if (at[i] != text[i])
                return false;
        at += size;
    }
    return at == end;
}

void SourceTexts::keep(std::span<const std::string_view> texts)
{
    joined_.clear();
    kept_ = true;
    for (const std::string_view text : texts) {
        if (text.size() > kLongestText) {
            kept_ = false;
            return;
        }
        joined_ += static_cast<char>(text.size());
        joined_ += text;
    }
}

} // namespace kelvo
