#include "gui/selection/accessory_groups.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

#include "core/app/application_state.h"
#include "gui/ui/language_text.h"

namespace kelvo::gui
{
namespace
{

// A line of a group as designed: the box's name and caption entry, and for a quantity line the
// names of its quantity box and unit label with the label's entry.
struct LineDesign {
    int box;
    int entry;
    int edit = 0;
    int label = 0;
    int labelEntry = 0;
};

struct GroupDesign {
    const char* name;
    int entry;
    std::vector<LineDesign> lines;
};

GroupDesign design(AccessoryGroup::Kind kind)
{
    switch (kind) {
    case AccessoryGroup::Kind::StandardBase:
        return {
            "GroupBox3", 30, {{9, 31}, {10, 32}, {11, 33}, {1, 34}, {2, 35}, {12, 36}, {3, 37}}};
    case AccessoryGroup::Kind::AdditionalBase:
        return {"GroupBox6",
                39,
                {{13, 40},
                 {14, 41},
                 {15, 42},
                 {16, 43, 2, 1, 44},
                 {17, 45, 3, 2, 46},
                 {18, 47, 4, 3, 48},
                 {19, 49}}};
    case AccessoryGroup::Kind::StandardBox:
        return {"GroupBox15",
                51,
                {{4, 52},
                 {5, 53},
                 {6, 54},
                 {8, 55},
                 {20, 56},
                 {7, 57},
                 {21, 58},
                 {22, 59},
                 {23, 60},
                 {24, 61},
                 {25, 62},
                 {26, 63}}};
    case AccessoryGroup::Kind::AdditionalBox:
        break;
    }
    return {"GroupBox16",
            65,
            {{27, 66},
             {33, 67},
             {28, 68},
             {29, 69, 5, 4, 70},
             {30, 71, 6, 5, 72},
             {31, 73, 7, 8, 74},
             {32, 75},
             {34, 76},
             {35, 77},
             {36, 78},
             {37, 79}}};
}

} // namespace

AccessoryGroup::AccessoryGroup(Kind kind, const ApplicationState& state, QWidget* parent)
    : QGroupBox(parent), kind_(kind)
{
    const GroupDesign group = design(kind);
    setObjectName(group.name);
    setTitle(languageText(state, group.entry));
    const bool standard = kind == Kind::StandardBase || kind == Kind::StandardBox;

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(0);
    int row = 0;
    for (const LineDesign& d : group.lines) {
        AccessoryLine line;
        line.box = new QCheckBox(languageText(state, d.entry), this);
        line.box->setObjectName(QString("CheckBox%1").arg(d.box));
        if (standard) {
            // Shows the unit's flags only; kept readable rather than greyed out.
            line.box->setAttribute(Qt::WA_TransparentForMouseEvents);
            line.box->setFocusPolicy(Qt::NoFocus);
        }
        grid->addWidget(line.box, row, 0);
        if (d.edit != 0) {
            line.quantity = new QLineEdit(this);
            line.quantity->setObjectName(QString("Edit%1").arg(d.edit));
            line.quantity->setValidator(new QIntValidator(0, 999, line.quantity));
            line.quantity->setMaximumWidth(36);
            line.unitLabel = new QLabel(languageText(state, d.labelEntry), this);
            line.unitLabel->setObjectName(QString("Label%1").arg(d.label));
            grid->addWidget(line.quantity, row, 1);
            grid->addWidget(line.unitLabel, row, 2);
        }
        lines_.push_back(line);
        ++row;
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
}

void AccessoryGroup::showFlags(const std::vector<bool>& flags)
{
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i].box->setChecked(i < flags.size() && flags[i]);
}

} // namespace kelvo::gui
