#include "gui/ui/load_notes.h"

#include <QLabel>
#include <QStatusBar>
#include <QStringList>

#include "core/app/application_state.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{

void showLoadNotes(QStatusBar* bar, const ApplicationState& state)
{
    auto* label = bar->findChild<QLabel*>("LoadNotes");
    QStringList notes;
    for (const std::string& note : state.catalogue.loadNotes)
        notes << fromUtf8Text(note);
    if (!state.refrigerant.tableNote.empty())
        notes << fromUtf8Text(state.refrigerant.tableNote);
    if (notes.isEmpty()) {
        delete label;
        return;
    }
    if (!label) {
        label = new QLabel(bar);
        label->setObjectName("LoadNotes");
        bar->addWidget(label, 1);
    }
    label->setText(notes.join("; "));
    label->setToolTip(notes.join("\n"));
}

} // namespace kelvo::gui
