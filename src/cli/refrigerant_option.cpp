#include "cli/refrigerant_option.h"

#include "cli/command_error.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

std::vector<std::string> namesIn(const RefrigerantRegistry& refrigerants, RefrigerantOrder order)
{
    return order == RefrigerantOrder::Selection ? refrigerants.selectionNames()
                                                : refrigerants.editorNames();
}

} // namespace

std::string refrigerantList(const RefrigerantRegistry& refrigerants, RefrigerantOrder order)
{
    return nameList(namesIn(refrigerants, order));
}

void requireRefrigerant(const std::string& name, const RefrigerantRegistry& refrigerants,
                        RefrigerantOrder order)
{
    if (!refrigerants.knows(name))
        throw CommandError("--refrigerant: unknown refrigerant '" + quotedText(name) +
                           "' (known: " + nameList(namesIn(refrigerants, order), ", ") + ")");
}

} // namespace kelvo::cli
