#include "cli/command_check.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/property_tables.h"
#include "core/editor/consistency_checks.h"
#include "core/editor/data_checks.h"

namespace kelvo::cli
{
namespace
{

struct CheckOptions : CommonOptions {
    std::string what; // empty: what the catalogue holds
};

std::vector<CheckLine> checkLines(const Workspace& workspace, const std::string& what)
{
    const Catalogue& catalogue = workspace.catalogue();
    if (what == "units")
        return checkUnits(catalogue, workspace.refrigerants());
    if (what == "compressors")
        return checkCompressors(catalogue, workspace.refrigerants());
    if (what == "condensers")
        return checkCondensers(catalogue, workspace.refrigerants());
    return checkData(catalogue);
}

// The lines of the editor's error list, as the window shows them.
void printLines(const std::vector<CheckLine>& lines, bool json, std::ostream& out)
{
    if (json) {
        nlohmann::ordered_json texts = nlohmann::ordered_json::array();
        for (const CheckLine& line : lines)
            texts.push_back(line.text);
        out << nlohmann::ordered_json{{"lines", texts}}.dump() << "\n";
        return;
    }
    for (const CheckLine& line : lines)
        out << line.text << "\n";
}

void printCounts(const Workspace& workspace, bool json, std::ostream& out)
{
    const auto& c = workspace.catalogue();
    if (json) {
        nlohmann::ordered_json doc;
        doc["dataFolder"] = workspace.dataFolder().string();
        doc["compressors"] = c.compressors.count();
        doc["condensers"] = c.condensers.count();
        doc["units"] = c.units.count();
        doc["frames"] = c.frames.count();
        out << doc.dump() << "\n";
        return;
    }
    out << "Data folder: " << workspace.dataFolder().string() << "\n"
        << "Compressors: " << c.compressors.count() << "\n"
        << "Condensers:  " << c.condensers.count() << "\n"
        << "Units:       " << c.units.count() << "\n"
        << "Frames:      " << c.frames.count() << "\n";
}

// A file cut short loads, but the check does not pass: each note on stderr and status 1. The
// check of what the catalogue holds also loads every property table: one that cannot be used,
// or has unusable rows, fails it likewise. A check that lists problems fails too, so that a
// script can tell a clean catalogue by the status alone.
void runCheck(const CheckOptions& options, CommandContext& context)
{
    const auto workspace = openWorkspace(options.dataFolder, context.refrigerants);
    const Catalogue& catalogue = workspace->catalogue();
    bool clean = true;
    if (options.what.empty()) {
        printCounts(*workspace, options.json, context.out);
    } else {
        const std::vector<CheckLine> lines = checkLines(*workspace, options.what);
        printLines(lines, options.json, context.out);
        clean = lines.empty();
    }
    for (const std::string& note : catalogue.loadNotes)
        context.err << "kelvo check: " << note << "\n";
    const bool tablesWhole = !options.what.empty() || checkPropertyTables(*workspace, context.err);
    if (!clean || !catalogue.loadNotes.empty() || !tablesWhole)
        context.exitCode = 1;
}
} // namespace

void addCheckCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<CheckOptions>();
    auto* command = addCommand(app, context, "check",
                               "Load the catalogue and report what it holds, or list what the "
                               "editor's error check of one table (or its data check) finds",
                               options, runCheck);
    command
        ->add_option("what", options->what,
                     "units, compressors or condensers (the error lists), or data (the data "
                     "check of every table)")
        ->check(CLI::IsMember({"units", "compressors", "condensers", "data"}));
}

} // namespace kelvo::cli
