#include "gui/selection/accessory_groups.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

#include "core/app/language_table.h"
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

// The caption of a check box; a click on it ticks the box, as a click on a box's own text does.
class BoxCaption : public QLabel
{
  public:
    BoxCaption(const QString& text, QCheckBox* box, QWidget* parent)
        : QLabel(text, parent), box_(box)
    {
        setWordWrap(true);
        // On one line where that leaves the list room; a longer caption takes a second line.
        setMinimumWidth(std::min(fontMetrics().horizontalAdvance(text) + 2, 300));
        setBuddy(box);
        setToolTip(text);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && box_->isEnabled() &&
            !box_->testAttribute(Qt::WA_TransparentForMouseEvents))
            box_->toggle();
        QLabel::mouseReleaseEvent(event);
    }

  private:
    QCheckBox* box_;
};

} // namespace

AccessoryGroup::AccessoryGroup(Kind kind, const LanguageTable& languages, QWidget* parent)
    : QGroupBox(parent), kind_(kind)
{
    const AccessoryGroupCaption& group = design(kind);
    setObjectName(fromUtf8Text(group.groupName));
    setTitle(languageText(languages, group.entry));
    const bool standard = kind == Kind::StandardBase || kind == Kind::StandardBox;

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(0);
    int row = 0;
    for (const AccessoryLineCaption& d : group.lines) {
        AccessoryLine line;
        const QString caption = languageText(languages, d.entry);
        line.box = new QCheckBox(this);
        line.box->setObjectName(fromUtf8Text(d.boxName));
        line.box->setAccessibleName(caption);
        line.box->setToolTip(caption);
        line.caption = new BoxCaption(caption, line.box, this);
        line.caption->setObjectName(fromUtf8Text(d.boxName) + "Caption");
        if (standard) {
            // Shows the unit's flags only; kept readable rather than greyed out.
            line.box->setAttribute(Qt::WA_TransparentForMouseEvents);
            line.box->setFocusPolicy(Qt::NoFocus);
        }
        grid->addWidget(line.box, row, 0, Qt::AlignTop);
        grid->addWidget(line.caption, row, 1);
        if (!d.quantityName.empty()) {
            line.quantity = new QLineEdit(this);
            line.quantity->setObjectName(fromUtf8Text(d.quantityName));
            line.quantity->setValidator(new QIntValidator(0, 999, line.quantity));
            line.quantity->setMaximumWidth(36);
            line.unitLabel = new QLabel(languageText(languages, d.unitLabelEntry), this);
            line.unitLabel->setObjectName(fromUtf8Text(d.unitLabelName));
            grid->addWidget(line.quantity, row, 2, Qt::AlignTop);
            grid->addWidget(line.unitLabel, row, 3, Qt::AlignTop);
        }
        lines_.push_back(line);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
}

void AccessoryGroup::showFlags(const std::vector<bool>& flags)
{
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i].box->setChecked(i < flags.size() && flags[i]);
}

} // namespace kelvo::gui
