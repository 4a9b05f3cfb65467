#include "cli/command_list.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/editor_options.h"
#include "cli/text_table.h"
#include "core/editor/editor_grids.h"
#include "core/text/code_page.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

struct ListOptions : CommonOptions {
    std::string table;
    std::string refrigerant;
    std::optional<std::string> ticks;
};

struct TableChoice {
    const char* name;
    EditorGrid grid;
};
constexpr TableChoice kTables[] = {{"compressors", EditorGrid::Compressors},
                                   {"condensers", EditorGrid::Condensers},
                                   {"units", EditorGrid::Units},
                                   {"frames", EditorGrid::Frames}};

EditorGrid tableArgument(const std::string& name)
{
    for (const TableChoice& table : kTables)
        if (name == table.name)
            return table.grid;
    throw CommandError("unknown table '" + quotedText(name) +
                       "' (known: compressors, condensers, units, frames)");
}

// The filter boxes a caption can tick when `grid` is listed: its own group's boxes, and for
// units also the compressor brand and kind boxes, which take part in the unit filter.
bool boxActsOn(const EditorFilterBox& box, EditorGrid grid)
{
    if (box.refills == grid)
        return true;
    return grid == EditorGrid::Units && box.refills == EditorGrid::Compressors &&
           box.option != &kCompressorAllOption;
}

// Ticks exactly the boxes whose captions are listed, comma-separated.
void applyTicks(EditorFilters& filters, const std::string& captions, EditorGrid grid)
{
    for (const EditorFilterBox& box : editorFilterBoxes())
        *findEditorFilterTick(filters, box.option->objectName) = false;
    std::string::size_type start = 0;
    while (start <= captions.size()) {
        const auto end = std::min(captions.find(',', start), captions.size());
        const std::string caption(withoutOuterBlanks(captions.substr(start, end - start)));
        start = end + 1;
        if (caption.empty())
            continue;
        bool found = false;
        std::string known;
        for (const EditorFilterBox& box : editorFilterBoxes()) {
            if (!boxActsOn(box, grid))
                continue;
            known += (known.empty() ? "" : ", ") + std::string(box.option->caption);
            if (box.option->caption == caption) {
                *findEditorFilterTick(filters, box.option->objectName) = true;
                found = true;
            }
        }
        if (!found)
            throw CommandError("--tick: '" + caption +
                               "' is not a filter of this table (known: " + known + ")");
    }
}

void runList(const ListOptions& options, CommandContext& context)
{
    const EditorGrid grid = tableArgument(options.table);
    requireEditorRefrigerant(options.refrigerant, context.refrigerants);
    const auto workspace = openWorkspace(options.dataFolder, context.refrigerants);
    // The editor's opening ticks, or those given.
    EditorFilters filters;
    if (options.ticks)
        applyTicks(filters, *options.ticks, grid);
    const std::vector<GridRow> rows =
        gridRows(grid, workspace->catalogue(), filters, options.refrigerant, context.refrigerants);

    if (options.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const GridRow& row : rows)
            list.push_back({{"index", row.index}, {"name", toUtf8(row.name)}});
        nlohmann::ordered_json doc;
        doc["rows"] = std::move(list);
        context.out << doc.dump() << "\n";
        return;
    }
    std::vector<std::vector<std::string>> table{
        {std::string(gridIndexCaption()), std::string(gridNameCaption(grid))}};
    for (const GridRow& row : rows)
        table.push_back({std::to_string(row.index), toUtf8(row.name)});
    printTable(context.out, table, {true, false});
}

} // namespace

void addListCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<ListOptions>();
    auto* command =
        addCommand(app, context, "list",
                   "Rows of one catalogue table as the editor's grid lists them", options, runList);
    command->add_option("table", options->table, "compressors, condensers, units or frames")
        ->required();
    command
        ->add_option("--refrigerant", options->refrigerant,
                     editorRefrigerantList(context.refrigerants))
        ->required();
    command->add_option("--tick", options->ticks,
                        "Comma-separated captions of the ticked filter boxes; default: the "
                        "editor's opening ticks");
}

} // namespace kelvo::cli
