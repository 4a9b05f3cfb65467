#pragma once

// What the desktop module gives the program, by these names (see desktop_module.cpp).
namespace kelvo::cli
{
struct ToolkitServices;
}

extern "C" {
// The desktop program, run as main would; its exit status.
int kelvoRunDesktopProgram(int argc, char** argv);
// Fills `services` with the module's drawing.
void kelvoToolkitServices(kelvo::cli::ToolkitServices* services);
}

// The names the program looks the entries up by.
inline constexpr const char* kRunDesktopProgramEntry = "kelvoRunDesktopProgram";
inline constexpr const char* kToolkitServicesEntry = "kelvoToolkitServices";
// The module's file name, beside the program in the build folder and in lib/kelvosoftware of
// the installed tree.
inline constexpr const char* kToolkitModuleFile = "kelvo_desktop.so";
