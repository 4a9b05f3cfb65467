#include "cli/refrigerant_option.h"

#include "cli/command_error.h"
#include "core/refrigerant/refrigerant_file.h"
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
    // Help reads no data, so the data folder's own refrigerants are named by where they are.
    return nameList(namesIn(refrigerants, order), ", ") + " or one that the data folder's " +
           kRefrigerantFile + " defines (kelvo refrigerants lists them)";
}

void requireRefrigerant(const std::string& name, const RefrigerantRegistry& refrigerants,
                        RefrigerantOrder order)
{
    if (!refrigerants.knows(name))
        throw CommandError("--refrigerant: unknown refrigerant '" + quotedText(name) +
                           "' (known: " + nameList(namesIn(refrigerants, order), ", ") + ")");
}

} // namespace kelvo::cli
