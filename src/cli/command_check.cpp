#include "cli/command_check.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/command_base.h"
#include "cli/command_error.h"

namespace kelvo::cli
{
namespace
{

struct CheckOptions : CommonOptions {
};

void runCheck(const CheckOptions& options, CommandContext& context)
{
    auto state = std::make_unique<ApplicationState>();
    openCatalogue(*state, options.dataFolder);
    const auto& c = state->catalogue;
    if (options.json) {
        nlohmann::ordered_json doc;
        doc["dataFolder"] = state->programDir.string();
        doc["compressors"] = c.compressors.count();
        doc["condensers"] = c.condensers.count();
        doc["units"] = c.units.count();
        doc["frames"] = c.frames.count();
        context.out << doc.dump() << "\n";
        return;
    }
    context.out << "Data folder: " << state->programDir.string() << "\n"
                << "Compressors: " << c.compressors.count() << "\n"
                << "Condensers:  " << c.condensers.count() << "\n"
                << "Units:       " << c.units.count() << "\n"
                << "Frames:      " << c.frames.count() << "\n";
}

} // namespace

void addCheckCommand(CLI::App& app, CommandContext& context)
{
    addCommand(app, context, "check", "Load the catalogue and report what it holds",
               std::make_shared<CheckOptions>(), runCheck);
}

} // namespace kelvo::cli
