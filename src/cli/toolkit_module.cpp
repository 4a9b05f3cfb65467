#include "cli/toolkit_module.h"

#include <dlfcn.h>
#include <iostream>

#include "cli/command_base.h"
#include "cli/toolkit_module_entry.h"
#include "core/app/language_table.h"
#include "core/app/own_texts.h"

namespace kelvo::cli
{
namespace
{

// Where the module may be, in the order looked at: a build folder, then an installed tree.
std::vector<std::filesystem::path> moduleCandidates(const std::filesystem::path& program)
{
    const std::filesystem::path folder = program.parent_path();
    return {folder / kToolkitModuleFile,
            folder / ".." / "lib" / "kelvosoftware" / kToolkitModuleFile};
}

} // namespace

ToolkitModule::ToolkitModule(std::filesystem::path program) : program_(std::move(program))
{
    services_.writeDatasheetPdf = [this](SelectionSession& session,
                                         const AdditionalAccessoryChoices& choices, int language,
                                         const std::string& path) {
        return opened().writeDatasheetPdf(session, choices, language, path);
    };
    services_.datasheetDate = [this] { return opened().datasheetDate(); };
    services_.chartPng = [this](const std::vector<ChartPrimitive>& primitives, int width,
                                int height) {
        return opened().chartPng(primitives, width, height);
    };
}

void* ToolkitModule::entry(const char* name)
{
    if (!handle_ && failure_.empty()) {
        std::string tried;
        for (const std::filesystem::path& candidate : moduleCandidates(program_)) {
            std::error_code ec;
            if (!std::filesystem::is_regular_file(candidate, ec))
                continue;
            // Local: the module's copy of the core stays its own.
            handle_ = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle_)
                break;
            const char* why = dlerror();
            tried += (tried.empty() ? "" : "; ") + std::string(why ? why : candidate.c_str());
        }
        if (!handle_)
            failure_ = ownText(OwnText::ToolkitNotLoaded, kEnglish,
                               tried.empty() ? moduleCandidates(program_).front().string() : tried);
    }
    if (!handle_)
        throw CommandFailure(failure_);
    void* found = dlsym(handle_, name);
    if (!found)
        throw CommandFailure(ownText(OwnText::ToolkitNotLoaded, kEnglish, name));
    return found;
}

const ToolkitServices& ToolkitModule::opened()
{
    if (!servicesRead_) {
        auto* fill = reinterpret_cast<void (*)(ToolkitServices*)>(entry(kToolkitServicesEntry));
        fill(&moduleServices_);
        servicesRead_ = true;
    }
    return moduleServices_;
}

int ToolkitModule::runDesktopProgram(int argc, char** argv)
{
    try {
        auto* run = reinterpret_cast<int (*)(int, char**)>(entry(kRunDesktopProgramEntry));
        return run(argc, argv);
    } catch (const CommandFailure& failure) {
        std::cerr << "kelvo: " << failure.what() << "\n";
        return 2;
    }
}

} // namespace kelvo::cli
