#include "core/selection/refrigerant_facts.h"

#include "core/app/own_texts.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/text/numeric_text.h"

namespace kelvo
{

RefrigerantFacts refrigerantFacts(const RefrigerantRegistry& refrigerants, std::string_view name,
                                  int language, char separator)
{
    RefrigerantFacts facts;
    const RefrigerantEntry* entry = refrigerants.find(name);
    if (!entry)
        return facts;
    facts.gwp = formatNumber(entry->gwp, separator);
    facts.safetyClass = entry->safetyClass;
    facts.summary = "GWP " + facts.gwp + " · " + entry->safetyClass;
    facts.safetyClassLine =
        std::string(ownText(OwnText::SafetyClass, language)) + " " + entry->safetyClass;
    if (isFlammable(entry->safetyClass))
        facts.flammableNote = ownText(OwnText::FlammableRefrigerant, language, entry->safetyClass);
    return facts;
}

} // namespace kelvo
