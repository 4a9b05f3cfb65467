#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/editor/editor_filters.h"

namespace kelvo
{

// What changed on the editor's screen, for the views that show it. Every change of what the
// screen shows reaches the views this way; what an operation returns is the answer to its
// caller alone.
struct EditorUpdate {
    std::array<bool, kEditorGridCount> grids{};   // grids whose rows were listed again
    std::array<bool, kEditorGridCount> cursors{}; // grids whose highlighted row may have moved
    bool revealCursors = false; // a display the user ran moved them: scrolled into sight
    bool filters = false;       // the filter boxes' ticks
    bool panels = false;        // the information group and the chart
    bool inputs = false;        // the input boxes
    bool history = false;       // Cofnij / Ponów, and whether an edit waits to be saved
    bool rowsChanged = false;   // records were added, removed, moved or changed
    // What the calculation said while the session brought its display up to date by itself
    // (UTF-8); a display the user asked for returns its messages instead.
    std::vector<std::string> messages;

    void grid(EditorGrid which) { grids[static_cast<std::size_t>(which)] = true; }
    void cursor(EditorGrid which) { cursors[static_cast<std::size_t>(which)] = true; }
    void everything()
    {
        grids.fill(true);
        cursors.fill(true);
        filters = true;
        panels = true;
        inputs = true;
        history = true;
    }
};

class EditorObserver
{
  public:
    virtual void editorChanged(const EditorUpdate& update) = 0;

  protected:
    ~EditorObserver() = default;
};

} // namespace kelvo
