#include "gui/desktop_program.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>
#include <string>

#include "core/app/data_folder.h"
#include "core/refrigerant/refrigerant_file.h"
#include "core/workspace/workspace.h"
#include "gui/app/start_window.h"

namespace kelvo::gui
{
namespace
{

bool haveDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

std::string dataFolderArgument(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--data" && i + 1 < argc)
            return argv[i + 1];
        if (arg.rfind("--data=", 0) == 0)
            return arg.substr(7);
    }
    return {};
}

} // namespace

int runDesktopProgram(int argc, char** argv)
{
    if (!haveDisplay()) {
        std::cerr << "kelvo: no display found; the desktop program needs one. Use the command "
                     "line instead, for example: kelvo select --family BOX --refrigerant R404A "
                     "--to 0 --ambient 32 (kelvo --help lists the commands)\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("KelvoSoftware");
    QApplication::setFont(QFont("DejaVu Sans", 9));

    const auto folder = findDataFolder(dataFolderArgument(argc, argv),
                                       QCoreApplication::applicationFilePath().toStdString());
    if (!folder) {
        QMessageBox::critical(nullptr, "KelvoSoftware",
                              "The data folder (catalogue and property tables) was not found. "
                              "Start the program with --data FOLDER or set KELVO_DATA.");
        return 2;
    }
    // The windows offer only refrigerants whose tables can be used; the tables read to judge
    // them are the workspace's, read once.
    PropertyTableFiles tables(*folder);
    const RefrigerantLoad refrigerants = loadRefrigerants(*folder, &tables);
    Workspace workspace(*folder, refrigerants.registry, std::move(tables));

    StartWindow window(workspace);
    window.show();
    // Told once; the refrigerants that did load are offered as usual.
    if (!refrigerants.refusals.empty()) {
        QString text;
        for (const std::string& refusal : refrigerants.refusals)
            text += QString::fromStdString(refusal) + "\n\n";
        QMessageBox::warning(&window, "KelvoSoftware", text.trimmed());
    }
    return QApplication::exec();
}

} // namespace kelvo::gui
