#pragma once

#include <QGroupBox>
#include <QString>
#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kelvo
{
class LanguageTable;
}

namespace kelvo::gui
{

// One accessory line: its check box with the caption beside it (a label that wraps when the
// group is narrow, so no language's caption is cut) and, for the three that carry a quantity,
// the quantity box and its unit label ("szt.").
struct AccessoryLine {
    QCheckBox* box = nullptr;
    QLabel* caption = nullptr;
    QLineEdit* quantity = nullptr;
    QLabel* unitLabel = nullptr;
};

// An accessory group of the selection window. Standard groups are disabled and show the unit's
// flags; additional groups hold the user's own choices for the datasheet.
class AccessoryGroup : public QGroupBox
{
    Q_OBJECT
  public:
    enum class Kind { StandardBase, AdditionalBase, StandardBox, AdditionalBox };

    AccessoryGroup(Kind kind, const LanguageTable& languages, QWidget* parent = nullptr);

    [[nodiscard]] Kind kind() const { return kind_; }
    [[nodiscard]] const std::vector<AccessoryLine>& lines() const { return lines_; }
    // Standard groups: tick the boxes from a unit's flags (in accessory order).
    void showFlags(const std::vector<bool>& flags);

  private:
    Kind kind_;
    std::vector<AccessoryLine> lines_;
};

} // namespace kelvo::gui
