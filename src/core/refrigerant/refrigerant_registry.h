#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/refrigerant/correlations.h"

namespace kelvo
{

// One refrigerant the program can calculate with.
struct RefrigerantEntry {
    // How records, lists, options and files spell it ("R404A"); unique within a registry, it
    // is the entry's id.
    std::string name;
    // The property table, a file of the data folder.
    std::string tableFile;
    RefrigerantCorrelations correlations;
    // Places in the selection window's list (after "all refrigerants") and on the editor's
    // "Czynnik chłodniczy" menu, counted from 1.
    int selectionPosition = 0;
    int editorPosition = 0;
    // Global warming potential (100 years) and safety class ("A1", "A2L", ...), shown where
    // people choose a refrigerant.
    double gwp = 0;
    std::string safetyClass;
    // The line of the refrigerant definition file that made the entry; 0 for one built in.
    int definitionLine = 0;
};

// Safety classes a refrigerant may have: toxicity A or B, flammability 1, 2L, 2 or 3.
inline constexpr std::string_view kSafetyClasses[] = {"A1", "A2L", "A2", "A3",
                                                      "B1", "B2L", "B2", "B3"};
// True for a class of flammability 2L, 2 or 3, which installers must be warned of.
bool isFlammable(std::string_view safetyClass);

// The refrigerants known to the program. Every list, menu, filter, option, help text and check
// that names refrigerants reads them here, so a refrigerant is added by one entry and its table
// file.
class RefrigerantRegistry
{
  public:
    explicit RefrigerantRegistry(std::vector<RefrigerantEntry> entries);

    // The four refrigerants the program was made for.
    static const RefrigerantRegistry& builtIn();

    // The entry spelled exactly `name`; nullptr for any other text.
    [[nodiscard]] const RefrigerantEntry* find(std::string_view name) const;
    [[nodiscard]] bool knows(std::string_view name) const { return find(name) != nullptr; }
    // The correlations of that entry; nullptr when there is none.
    [[nodiscard]] const RefrigerantCorrelations* correlationsOf(std::string_view name) const
    {
        const RefrigerantEntry* entry = find(name);
        return entry ? &entry->correlations : nullptr;
    }

    [[nodiscard]] const std::vector<RefrigerantEntry>& entries() const { return entries_; }
    // The entries in the order of the selection window's list and of the editor's menu.
    [[nodiscard]] std::vector<const RefrigerantEntry*> selectionOrder() const;
    [[nodiscard]] std::vector<const RefrigerantEntry*> editorOrder() const;
    // Their names in that order.
    [[nodiscard]] std::vector<std::string> selectionNames() const;
    [[nodiscard]] std::vector<std::string> editorNames() const;

  private:
    std::vector<RefrigerantEntry> entries_;
    // Entry positions by name: a data folder may define thousands.
    std::map<std::string, std::size_t, std::less<>> byName_;
};

// "a, b, c or d" ("a" for one name, "" for none).
std::string nameList(const std::vector<std::string>& names, std::string_view lastJoin = " or ");

} // namespace kelvo
