#include "gui/ui/load_notes.h"

#include <QLabel>
#include <QStatusBar>
#include <QStringList>
#include <string>
#include <vector>

#include "core/workspace/workspace.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{
namespace
{

void showNotes(QStatusBar* bar, const std::vector<std::string>& catalogueNotes,
               std::string_view tableNote)
{
    auto* label = bar->findChild<QLabel*>("LoadNotes");
    QStringList notes;
    for (const std::string& note : catalogueNotes)
        notes << fromUtf8Text(note);
    if (!tableNote.empty())
        notes << fromUtf8Text(tableNote);
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

} // namespace

void showLoadNotes(QStatusBar* bar, const Workspace& workspace, std::string_view refrigerant)
{
    const PropertyTable* table = workspace.propertyTable(refrigerant);
    showNotes(bar, workspace.catalogue().loadNotes, table ? table->note : std::string());
}

} // namespace kelvo::gui
