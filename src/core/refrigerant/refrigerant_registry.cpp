#include "core/refrigerant/refrigerant_registry.h"

#include <algorithm>
#include <stdexcept>

namespace kelvo
{
namespace
{

std::vector<const RefrigerantEntry*> ordered(const std::vector<RefrigerantEntry>& entries,
                                             int RefrigerantEntry::*position)
{
    std::vector<const RefrigerantEntry*> order;
    for (const RefrigerantEntry& entry : entries)
        order.push_back(&entry);
    std::stable_sort(order.begin(), order.end(),
                     [position](const RefrigerantEntry* a, const RefrigerantEntry* b) {
                         return a->*position < b->*position;
                     });
    return order;
}

std::vector<std::string> namesOf(const std::vector<const RefrigerantEntry*>& entries)
{
    std::vector<std::string> names;
    for (const RefrigerantEntry* entry : entries)
        names.push_back(entry->name);
    return names;
}

} // namespace

RefrigerantRegistry::RefrigerantRegistry(std::vector<RefrigerantEntry> entries)
    : entries_(std::move(entries))
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (!byName_.emplace(entries_[i].name, i).second)
            throw std::invalid_argument("refrigerant " + entries_[i].name + " given twice");
}

const RefrigerantRegistry& RefrigerantRegistry::builtIn()
{
    // Saturation pressure ln(p / bar), liquid enthalpy kJ/kg and ln(vapour enthalpy / (kJ/kg))
    // as fifth-degree polynomials in t, C.
    static const RefrigerantRegistry registry({
        {"R404A",
         "R404A.txt",
         {{1.7966042, 0.0317167, -0.000127474, 6.17e-07, -1.88e-09, 5.92e-12},
          {199.99502, 1.5186086, 0.001673045, -7.1e-06, 1.01e-07, 7.9e-09},
          {5.91507, 0.0014735, -6.94e-06, -1.26e-09, -2.35e-10, -2.44e-11}},
         1,
         3,
         3922,
         "A1",
         0},
        {"R407C",
         "R407C.txt",
         {{1.5084744, 0.034982542, -0.00013986, 6.23e-07, -1.91e-09, 3.63e-12},
          {199.9931, 1.4375929, 0.003144059, 1.94e-06, 2.5e-07, 1.16e-09},
          {6.0256527, 0.001346152, -5.38e-06, -4.04e-08, 2e-11, -5.51e-12}},
         2,
         2,
         1774,
         "A1",
         0},
        {"R22",
         "R22.txt",
         {{1.602059, 0.032691402, -0.000128193, 4.61e-07, -3.01e-09, 3.3e-11},
          {200.00344, 1.1808641, 0.000919617, -5.49e-06, 1.03e-07, 1.08e-09},
          {5.9984255, 0.000825146, -4.8e-06, -1.86e-08, -9.32e-11, -1.03e-12}},
         3,
         4,
         1810,
         "A1",
         0},
        {"R134a",
         "R134a.txt",
         {{1.0716461, 0.035990113, -0.000140075, 5.35e-07, -1.76e-09, 3.16e-12},
          {199.99767, 1.2193088, 0.003138637, 5.19e-06, 2.74e-08, 6.12e-10},
          {5.9817154, 0.001468395, -3.7e-06, -1.28e-08, -1.91e-11, -2.13e-12}},
         4,
         1,
         1430,
         "A1",
         0},
    });
    return registry;
}

const RefrigerantEntry* RefrigerantRegistry::find(std::string_view name) const
{
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : &entries_[found->second];
}

std::vector<const RefrigerantEntry*> RefrigerantRegistry::selectionOrder() const
{
    return ordered(entries_, &RefrigerantEntry::selectionPosition);
}

std::vector<const RefrigerantEntry*> RefrigerantRegistry::editorOrder() const
{
    return ordered(entries_, &RefrigerantEntry::editorPosition);
}

std::vector<std::string> RefrigerantRegistry::selectionNames() const
{
    return namesOf(selectionOrder());
}

std::vector<std::string> RefrigerantRegistry::editorNames() const
{
    return namesOf(editorOrder());
}

bool isFlammable(std::string_view safetyClass)
{
    return safetyClass.size() >= 2 && (safetyClass[1] == '2' || safetyClass[1] == '3');
}

std::string nameList(const std::vector<std::string>& names, std::string_view lastJoin)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? std::string(lastJoin) : ", ";
        text += names[i];
    }
    return text;
}

} // namespace kelvo
