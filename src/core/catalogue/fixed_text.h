#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace kelvo
{

// A catalogue text field of at most N bytes (Windows-1250). Every way of storing a value cuts
// it to the first N bytes, so a field can never hold more than the file layout allows.
template <std::size_t N> class FixedText
{
  public:
    static constexpr std::size_t width = N;

    FixedText() = default;
    FixedText(std::string_view value) { assign(value); }   // NOLINT: implicit by design
    FixedText(const char* value) { assign(value); }        // NOLINT
    FixedText(const std::string& value) { assign(value); } // NOLINT

    template <std::size_t M>
    FixedText(const FixedText<M>& other) // NOLINT: copying between fields cuts as well
    {
        assign(other.view());
    }

    FixedText& operator=(std::string_view value)
    {
        assign(value);
        return *this;
    }
    FixedText& operator=(const char* value) { return *this = std::string_view(value); }
    FixedText& operator=(const std::string& value) { return *this = std::string_view(value); }

    void assign(std::string_view value) { text_.assign(value.substr(0, N)); }
    void clear() { text_.clear(); }

    // In-place rewrite of single bytes (for example "." to ","); the length never changes.
    void replaceAll(char from, char to)
    {
        for (char& c : text_)
            if (c == from)
                c = to;
    }

    [[nodiscard]] std::string_view view() const { return text_; }
    [[nodiscard]] const std::string& str() const { return text_; }
    [[nodiscard]] bool empty() const { return text_.empty(); }
    [[nodiscard]] std::size_t size() const { return text_.size(); }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.text_ == b.text_; }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const char* b) { return a.view() == b; }
    friend std::ostream& operator<<(std::ostream& out, const FixedText& text)
    {
        return out << text.view();
    }

  private:
    std::string text_;
};

// A catalogue text without its outer blanks (texts are kept as typed, blank-padded or not).
inline std::string_view withoutOuterBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

template <std::size_t N, std::size_t M> bool sameText(const FixedText<N>& a, const FixedText<M>& b)
{
    return a.view() == b.view();
}

} // namespace kelvo
