#pragma once

#include <optional>
#include <orcus/sax_ns_parser.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/spreadsheet/workbook_error.h"

namespace kelvo::workbook
{

// Reading the XML parts of a workbook with liborcus's namespace-aware parser.

// Thrown by a part's reader once it has what it needs, so the rest of a long part is skipped.
struct EnoughRead {
};

// A namespace's URI, "" for none.
inline std::string_view uri(orcus::xmlns_id_t ns)
{
    return ns ? std::string_view(ns) : std::string_view();
}

// An element's attributes, with their namespace ("" for none).
class Attributes
{
  public:
    void add(const orcus::sax_ns_parser_attribute& attribute)
    {
        list_.push_back(
            {uri(attribute.ns), std::string(attribute.name), std::string(attribute.value)});
    }
    [[nodiscard]] std::optional<std::string_view> get(std::string_view ns,
                                                      std::string_view name) const
    {
        for (const Attribute& attribute : list_)
            if (attribute.ns == ns && attribute.name == name)
                return attribute.value;
        return std::nullopt;
    }

  private:
    struct Attribute {
        std::string_view ns;
        std::string name;
        std::string value;
    };
    std::vector<Attribute> list_;
};

// Base of the part readers: the parser hands over an element's attributes before the element,
// and each reader takes them as the element starts.
class XmlReader : public orcus::sax_ns_handler
{
  public:
    void attribute(std::string_view /*name*/, std::string_view /*value*/) {}
    void attribute(const orcus::sax_ns_parser_attribute& attribute) { pending_.add(attribute); }

  protected:
    Attributes takeAttributes() { return std::exchange(pending_, {}); }

  private:
    Attributes pending_;
};

// Runs `reader` over a part; a part that is no well-formed XML is refused in our words.
template <class Reader> void readXml(const std::string& xml, std::string_view part, Reader& reader)
{
    orcus::xmlns_repository namespaces;
    orcus::xmlns_context context = namespaces.create_context();
    orcus::sax_ns_parser<Reader> parser(xml.data(), xml.size(), context, reader);
    try {
        parser.parse();
    } catch (const EnoughRead&) {
    } catch (const Unreadable&) {
        throw;
    } catch (const std::exception&) {
        throw Unreadable("część " + std::string(part) + " nie jest poprawnym XML");
    }
}

} // namespace kelvo::workbook
