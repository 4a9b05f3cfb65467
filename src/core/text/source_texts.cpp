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
    std::size_t at = 0;
    for (const std::string_view text : texts) {
        if (at + 1 + text.size() > joined_.size() ||
            static_cast<unsigned char>(joined_[at]) != text.size())
            return false;
        if (std::string_view(joined_).substr(at + 1, text.size()) != text)
            return false;
        at += 1 + text.size();
    }
    return at == joined_.size();
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
