#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <string_view>

#include "cli/commands.h"

namespace kelvo::cli
{

bool wantsCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        // Options the desktop program itself takes.
        if (arg == "--data" || arg.starts_with("--data=")) {
            if (arg == "--data")
                ++i;
            continue;
        }
        return true;
    }
    return false;
}

int runCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err,
                   const ToolkitServices& toolkit)
{
    CLI::App app{"KelvoSoftware: selection of air-cooled condensing units", "kelvo"};
    app.set_version_flag("--version", std::string("kelvo ") + KELVO_VERSION);
    app.require_subcommand(0, 1);
    // The desktop program is the same file started without a command; its options are
    // listed here because it has no help of its own.
    app.footer("Started without a command, kelvo opens the desktop program, which takes:\n"
               "  --data DIR    Data folder (catalogue, property tables, drawings); default:\n"
               "                $KELVO_DATA or the data folder next to the program\n"
               "Run kelvo COMMAND --help for the options of a command.");
    CommandContext context{out, err, toolkit};
    registerCommands(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& success) {
        return app.exit(success, out, err);
    } catch (const CLI::ParseError& error) {
        err << "kelvo: " << error.what() << "\n";
        return 2;
    }
    if (app.get_subcommands().empty()) {
        out << app.help();
        return 0;
    }
    return context.exitCode;
}

} // namespace kelvo::cli
