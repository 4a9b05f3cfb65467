#pragma once

#include <filesystem>
#include <string>

#include "cli/toolkit_services.h"

namespace kelvo::cli
{

// The desktop module (the desktop program and what draws: datasheet PDFs, pictures), opened on
// first use so that a command that prints text never loads the toolkit's libraries. It is
// looked for beside the program and in the installed tree's lib/kelvosoftware, found from the
// program's own path, never from the working folder. Once opened it stays open: the toolkit
// keeps state until the process ends.
class ToolkitModule
{
  public:
    // `program` is the program's own file (/proc/self/exe).
    explicit ToolkitModule(std::filesystem::path program);
    ToolkitModule(const ToolkitModule&) = delete;
    ToolkitModule& operator=(const ToolkitModule&) = delete;

    // Services that open the module when first called; a module that cannot be opened makes
    // them fail with CommandFailure naming it and why.
    [[nodiscard]] const ToolkitServices& services() const { return services_; }

    // The desktop program; without the module, status 2 with the reason on stderr.
    int runDesktopProgram(int argc, char** argv);

  private:
    // The module's entry `name`; throws CommandFailure when the module or the entry is missing.
    void* entry(const char* name);
    const ToolkitServices& opened();

    std::filesystem::path program_;
    void* handle_ = nullptr;
    std::string failure_; // why the module could not be opened, once tried
    bool servicesRead_ = false;
    ToolkitServices moduleServices_;
    ToolkitServices services_;
};

} // namespace kelvo::cli
