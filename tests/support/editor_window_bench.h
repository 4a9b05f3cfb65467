#pragma once

#include <QCheckBox>
#include <QStringList>
#include <memory>

#include "core/workspace/workspace.h"
#include "gui/editor/editor_window.h"
#include "support/temp_folder.h"

namespace kelvo::test
{

// An editor window opened on a copy of the sample data, its messages collected instead of
// shown, with every compressor (and, when asked, every unit) of the refrigerant listed.
struct EditorWindowBench {
    enum class Listing { Compressors, CompressorsAndUnits };

    std::unique_ptr<TempFolder> folder = copyOfSampleData();
    std::unique_ptr<Workspace> workspace = std::make_unique<Workspace>(folder->path());
    std::unique_ptr<gui::EditorWindow> editor = std::make_unique<gui::EditorWindow>(*workspace);
    QStringList messages;

    // `prepare` sets the window's questions and prompts before it opens.
    template <class Prepare> EditorWindowBench(Listing listing, Prepare prepare)
    {
        editor->setMessagePresenter([this](const QString& text) { messages << text; });
        prepare(*editor);
        editor->open();
        editor->findChild<QCheckBox*>("CheckBox16")->click();
        if (listing == Listing::CompressorsAndUnits)
            editor->findChild<QCheckBox*>("CheckBox15")->click();
        messages.clear();
    }
    explicit EditorWindowBench(Listing listing) : EditorWindowBench(listing, [](auto&) {}) {}

    EditorWindowBench(const EditorWindowBench&) = delete;
    EditorWindowBench& operator=(const EditorWindowBench&) = delete;
    ~EditorWindowBench()
    {
        // The window first, then the workspace it shows, then the folder.
        editor.reset();
        workspace.reset();
    }
};

} // namespace kelvo::test
