#include "cli/command_refrigerants.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_base.h"
#include "cli/text_table.h"
#include "core/io/file_io.h"
#include "core/refrigerant/refrigerant_file.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/numeric_text.h"

namespace kelvo::cli
{
namespace
{

// The data rows of the refrigerant's table; none when it cannot be used or trusted (a built-in
// one whose file is missing, one that disagrees with the refrigerant's correlations).
std::optional<int> tableRows(const Workspace& workspace, const RefrigerantEntry& entry)
{
    try {
        return workspace.propertyTableFiles()
            .table(entry.tableFile, &entry.correlations)
            .table.rowCount();
    } catch (const FileError&) {
        return std::nullopt;
    }
}

void runRefrigerants(const CommonOptions& options, CommandContext& context)
{
    const auto workspace = openWorkspace(options.dataFolder, context.refrigerants);
    const std::vector<RefrigerantEntry>& entries = context.refrigerants.entries();
    if (options.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const RefrigerantEntry& entry : entries) {
            const std::optional<int> rows = tableRows(*workspace, entry);
            list.push_back({{"name", entry.name},
                            {"gwp", entry.gwp},
                            {"safetyClass", entry.safetyClass},
                            {"flammable", isFlammable(entry.safetyClass)},
                            {"tableFile", entry.tableFile},
                            {"tableRows", rows ? nlohmann::ordered_json(*rows) : nullptr},
                            {"from", refrigerantOrigin(entry)}});
        }
        nlohmann::ordered_json doc;
        doc["refrigerants"] = std::move(list);
        context.out << doc.dump() << "\n";
        return;
    }
    std::vector<std::vector<std::string>> table{
        {"Refrigerant", "GWP", "Safety class", "Table file", "Table rows", "From"}};
    for (const RefrigerantEntry& entry : entries) {
        const std::optional<int> rows = tableRows(*workspace, entry);
        table.push_back({entry.name, formatNumber(entry.gwp, workspace->displaySeparator()),
                         entry.safetyClass, entry.tableFile,
                         rows ? std::to_string(*rows) : "not usable", refrigerantOrigin(entry)});
    }
    printTable(context.out, table, {false, true, false, false, true, false});
}

} // namespace

void addRefrigerantsCommand(CLI::App& app, CommandContext& context)
{
    addCommand(app, context, "refrigerants",
               "The refrigerants known: GWP, safety class, property table and where each is "
               "defined (built in or a line of the data folder's " +
                   std::string(kRefrigerantFile) + ")",
               std::make_shared<CommonOptions>(), runRefrigerants);
}

} // namespace kelvo::cli
