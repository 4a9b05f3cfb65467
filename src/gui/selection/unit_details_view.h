#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "core/selection/unit_details.h"

class QGroupBox;
class QLabel;
class QTabWidget;
class QTableView;
class QWidget;

namespace kelvo
{
class SelectionSession;
struct RangeTables;
struct DetailPage;
} // namespace kelvo

namespace kelvo::gui
{

class DrawingView;
class RangeTableModel;
class EnvelopeChartPage;
class PerformanceCurvesPage;
class CaptionTabWidget;

// The lower half of the selection window: operating-range tables, unit, fan and compressor
// data, dimensions and drawing of the chosen unit.
class UnitDetailsView : public QObject
{
    Q_OBJECT
  public:
    UnitDetailsView(const SelectionSession& session, QWidget* parent);

    [[nodiscard]] QTabWidget* pages() const;
    [[nodiscard]] QGroupBox* dimensionsGroup() const { return dimensions_; }
    [[nodiscard]] QWidget* drawingView() const;
    [[nodiscard]] std::vector<QWidget*> rangeGrids() const;

    void applyCaptions();
    void show(const UnitDetails& details);
    // A rebuild of the list empties the range tables but keeps the panels and the drawing.
    void clearRangeTables();

  private:
    // A data page built from its table; labels and panels in the table's order.
    struct Page {
        const DetailPage* design = nullptr;
        QWidget* widget = nullptr;
        std::vector<QLabel*> labels;
        std::vector<QLabel*> panels;
        std::vector<QLabel*> units;
    };
    Page buildPage(const DetailPage& design);
    QWidget* buildRangePage();
    void buildDimensions();
    void showRange(const RangeTables& range);
    // A caption naming its units ("Qo [W]") in the units the session shows.
    [[nodiscard]] QString inShownUnits(const QString& caption) const;

    const SelectionSession& session_;
    QWidget* parent_;
    CaptionTabWidget* pages_ = nullptr;
    QWidget* rangePage_ = nullptr;
    QGroupBox* capacityGroup_ = nullptr; // GroupBox14
    QGroupBox* powerGroup_ = nullptr;    // GroupBox13
    RangeTableModel* capacityTable_ = nullptr;
    RangeTableModel* powerTable_ = nullptr;
    QTableView* capacityGrid_ = nullptr;      // StringGrid2
    QTableView* powerGrid_ = nullptr;         // StringGrid3
    QGroupBox* dimensions_ = nullptr;         // GroupBox20
    std::vector<QLabel*> dimensionPanels_;    // A .. H
    DrawingView* drawing_ = nullptr;          // Image1
    std::vector<Page> dataPages_;             // unit, fan and compressor data
    QLabel* legend_ = nullptr;                // the marks of the range tables
    EnvelopeChartPage* envelope_ = nullptr;   // the compressor's envelope with the points
    PerformanceCurvesPage* curves_ = nullptr; // the range tables as curves
    // The details as shown, in the session's units; the range tables' models read them.
    UnitDetails shown_;
};

} // namespace kelvo::gui
