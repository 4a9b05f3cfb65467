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

std::vector<CheckLine> checkLines(const Catalogue& catalogue, const std::string& what)
{
    if (what == "units")
        return checkUnits(catalogue);
    if (what == "compressors")
        return checkCompressors(catalogue);
    if (what == "condensers")
        return checkCondensers(catalogue);
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

void printCounts(const ApplicationState& state, bool json, std::ostream& out)
{
    const auto& c = state.catalogue;
    if (json) {
        nlohmann::ordered_json doc;
        doc["dataFolder"] = state.programDir.string();
        doc["compressors"] = c.compressors.count();
        doc["condensers"] = c.condensers.count();
        doc["units"] = c.units.count();
        doc["frames"] = c.frames.count();
        out << doc.dump() << "\n";
        return;
    }
    out << "Data folder: " << state.programDir.string() << "\n"
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
    auto state = std::make_unique<ApplicationState>();
    openCatalogue(*state, options.dataFolder);
    bool clean = true;
    if (options.what.empty()) {
        printCounts(*state, options.json, context.out);
    } else {
        const std::vector<CheckLine> lines = checkLines(state->catalogue, options.what);
        printLines(lines, options.json, context.out);
        clean = lines.empty();
    }
    for (const std::string& note : state->catalogue.loadNotes)
        context.err << "kelvo check: " << note << "\n";
    const bool tablesWhole = !options.what.empty() || checkPropertyTables(*state, context.err);
    if (!clean || !state->catalogue.loadNotes.empty() || !tablesWhole)
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
