#include "cli/man_page.h"

#include <sstream>

namespace kelvo::cli
{
namespace
{

// Text as roff shows it literally: backslashes and hyphens escaped, no line starting a request.
std::string roff(const std::string& text)
{
    std::string out;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

void options(std::ostringstream& page, const CLI::App& command)
{
    for (const CLI::Option* option : command.get_options()) {
        if (option->get_group().empty())
            continue; // hidden
        std::string name = option->get_name(false, true);
        if (option->get_items_expected_max() > 0 && !option->get_type_name().empty())
            name += " " + option->get_type_name();
        page << ".TP\n.B " << roff(name) << "\n" << roff(option->get_description()) << "\n";
    }
}

} // namespace

std::string manPage(const CLI::App& app, const std::string& version)
{
    std::ostringstream page;
    page << ".TH KELVO 1 \"\" \"" << roff(version) << "\" \"User Commands\"\n"
         << ".SH NAME\nkelvo \\- " << roff(app.get_description()) << "\n"
         << ".SH SYNOPSIS\n.B kelvo\n[\\fB\\-\\-data\\fR \\fIDIR\\fR]\n.br\n.B kelvo\n"
         << "\\fICOMMAND\\fR [\\fIOPTIONS\\fR]\n"
         << ".SH DESCRIPTION\n.nf\n"
         << roff(app.get_footer()) << "\n.fi\n"
         << ".SH OPTIONS\n";
    options(page, app);
    page << ".SH COMMANDS\n";
    for (const CLI::App* command : app.get_subcommands({})) {
        page << ".SS " << roff(command->get_name()) << "\n"
             << roff(command->get_description()) << "\n";
        options(page, *command);
    }
    page << ".SH ENVIRONMENT\n.TP\n.B KELVO_DATA\nThe data folder, when \\fB\\-\\-data\\fR is not "
            "given.\n"
         << ".SH FILES\n.TP\n.I /usr/share/kelvosoftware\nThe shipped sample catalogue, property "
            "tables, drawings and report layout, used when no other data folder is found.\n";
    return page.str();
}

} // namespace kelvo::cli
