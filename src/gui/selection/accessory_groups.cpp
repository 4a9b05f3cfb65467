#include "gui/selection/accessory_groups.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

#include "core/app/application_state.h"
#include "core/selection/window_captions.h"
#include "gui/ui/language_text.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{
namespace
{

const AccessoryGroupCaption& design(AccessoryGroup::Kind kind)
{
    switch (kind) {
    case AccessoryGroup::Kind::StandardBase:
        return kBaseStandardAccessories;
    case AccessoryGroup::Kind::AdditionalBase:
        return kBaseAdditionalAccessories;
    case AccessoryGroup::Kind::StandardBox:
        return kBoxStandardAccessories;
    case AccessoryGroup::Kind::AdditionalBox:
        break;
    }
    return kBoxAdditionalAccessories;
}

} // namespace

AccessoryGroup::AccessoryGroup(Kind kind, const ApplicationState& state, QWidget* parent)
    : QGroupBox(parent), kind_(kind)
{
    const AccessoryGroupCaption& group = design(kind);
    setObjectName(fromUtf8Text(group.groupName));
    setTitle(languageText(state, group.entry));
    const bool standard = kind == Kind::StandardBase || kind == Kind::StandardBox;

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(0);
    int row = 0;
    for (const AccessoryLineCaption& d : group.lines) {
        AccessoryLine line;
        line.box = new QCheckBox(languageText(state, d.entry), this);
        line.box->setObjectName(fromUtf8Text(d.boxName));
        if (standard) {
            // Shows the unit's flags only; kept readable rather than greyed out.
            line.box->setAttribute(Qt::WA_TransparentForMouseEvents);
            line.box->setFocusPolicy(Qt::NoFocus);
        }
        grid->addWidget(line.box, row, 0);
        if (!d.quantityName.empty()) {
            line.quantity = new QLineEdit(this);
            line.quantity->setObjectName(fromUtf8Text(d.quantityName));
            line.quantity->setValidator(new QIntValidator(0, 999, line.quantity));
            line.quantity->setMaximumWidth(36);
            line.unitLabel = new QLabel(languageText(state, d.unitLabelEntry), this);
            line.unitLabel->setObjectName(fromUtf8Text(d.unitLabelName));
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
