#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/data_option.h"
#include "cli/man_page.h"
#include "cli/text_table.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

// The parser's message quotes the arguments it could not use: an argument too long or unsafe to
// show whole is shown as a message quotes any text.
std::string parseErrorText(std::string message, int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::string shown = quotedText(arg);
        if (shown == arg || arg.empty())
            continue;
        for (auto at = message.find(arg); at != std::string::npos;
             at = message.find(arg, at + shown.size()))
            message.replace(at, arg.size(), shown);
    }
    return oneLine(std::move(message));
}

// The command a command line names: its first argument that is not an option; nullopt for none.
std::optional<std::string_view> commandArgument(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (const std::string_view arg = argv[i]; !arg.starts_with("-"))
            return arg;
    return std::nullopt;
}

bool knowsCommand(CLI::App& app, std::string_view name)
{
    const auto commands = app.get_subcommands({});
    return std::any_of(commands.begin(), commands.end(), [&](const CLI::App* command) {
        return command->check_name(std::string(name));
    });
}

} // namespace

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

namespace
{

int run(int argc, char** argv, std::ostream& out, std::ostream& err, const ToolkitServices& toolkit,
        const RefrigerantRegistry& refrigerants,
        std::function<std::vector<std::string>()> readRefrigerants)
{
    CLI::App app{"KelvoSoftware: selection of air-cooled condensing units", "kelvo"};
    app.set_version_flag("--version", std::string("kelvo ") + KELVO_VERSION);
    app.require_subcommand(0, 1);
    // The desktop program is the same file started without a command; its options are
    // listed here because it has no help of its own.
    app.footer("Started without a command, kelvo opens the desktop program, which takes:\n"
               "  --data DIR    Data folder (catalogue, property tables, drawings); default:\n"
               "                $KELVO_DATA, the data folder next to the program, or the\n"
               "                installed share/kelvosoftware\n"
               "Run kelvo COMMAND --help for the options of a command.");
    CommandContext context{out, err, toolkit, 0, refrigerants, {}, std::move(readRefrigerants)};
    registerCommands(app, context);
    // For the build, which makes the manual page from it; not listed in --help.
    bool printManPage = false;
    app.add_flag("--man-page", printManPage)->group("");
    // Checked first: with --help after it, an unknown command would print the main help.
    if (const auto command = commandArgument(argc, argv); command && !knowsCommand(app, *command)) {
        err << "kelvo: unknown command '" << oneLine(quotedText(*command))
            << "'; kelvo --help lists the commands\n";
        return 2;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& success) {
        return app.exit(success, out, err);
    } catch (const CLI::ParseError& error) {
        err << "kelvo: " << parseErrorText(error.what(), argc, argv) << "\n";
        return 2;
    }
    if (printManPage) {
        out << manPage(app, std::string("kelvo ") + KELVO_VERSION);
        return 0;
    }
    if (app.get_subcommands().empty()) {
        out << app.help();
        return 0;
    }
    return context.exitCode;
}

} // namespace

int runCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err,
                   const ToolkitServices& toolkit, const RefrigerantRegistry& refrigerants)
{
    return run(argc, argv, out, err, toolkit, refrigerants, {});
}

int runCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err,
                   const ToolkitServices& toolkit)
{
    // The built-in refrigerants until a command runs and reads the data folder's.
    RefrigerantRegistry refrigerants = RefrigerantRegistry::builtIn();
    return run(argc, argv, out, err, toolkit, refrigerants, [&] {
        RefrigerantLoad load = argumentsRefrigerants(argc, argv);
        refrigerants = std::move(load.registry);
        return std::move(load.refusals);
    });
}

} // namespace kelvo::cli
