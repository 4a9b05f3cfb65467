#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <Qt>
#include <optional>

namespace kelvo::gui
{

// A report layout file: a JSON document of our own that names its reports and describes each
// report's page as a list of elements placed in millimetres from the page's top left corner.
// Texts of elements may name parameters: "{Name}" is the parameter's whole text,
// "{Name:caption}" its part before the caption separator "  : " and "{Name:value}" the part
// after it; a parameter that is not set gives an empty text.

struct ReportStyle {
    QString family = QStringLiteral("DejaVu Sans");
    double pointSize = 8;
    bool bold = false;
    bool italic = false;
    QColor colour = QColor(0x22, 0x22, 0x22);
};

struct ReportTableRow {
    QString label;         // text template
    QString cellParameter; // parameter name with "{i}" for the column number
    QString when;          // shown only when this parameter is set; empty: always
};

struct ReportElement {
    enum class Kind {
        Box,       // a filled and/or outlined rectangle
        Line,      // a straight line
        Text,      // one line of text, shrunk or elided to fit its rectangle
        Fields,    // a titled block of "caption  : value" parameters, one per row
        Checklist, // a titled block of accessory lines "caption: +" / "caption: -"
        Picture,   // the drawing whose file path a parameter holds
        Grid,      // parameter texts in a grid of equal cells
        Table,     // rows of parameters over numbered columns
        Chart,     // a chart the program draws, named by its source
    };
    Kind kind = Kind::Text;
    int page = 1; // 1 .. the report's page count
    QRectF rect;  // mm
    QPointF from, to;
    QString text; // Text: the template; Fields, Checklist, Table: the title; Picture, Chart: source
    QString style; // Text, Grid: the text's style
    QString titleStyle = QStringLiteral("heading");
    QString labelStyle = QStringLiteral("label");
    QString valueStyle = QStringLiteral("value");
    Qt::Alignment align = Qt::AlignLeft;
    QColor fill;   // invalid: none
    QColor stroke; // invalid: none
    QColor accent = QColor(0x1f, 0x4e, 0x79);
    QColor stripe; // Fields, Checklist, Table: background of every other row; invalid: none
    double strokeWidth = 0.2;   // mm
    double radius = 0;          // mm
    double rowHeight = 4;       // mm
    double titleHeight = 6;     // mm; 0 for no title
    double valueColumn = 0.55;  // Fields: where values start, as a share of the width
    int columns = 1;            // Grid: cells per row; Table: the most columns
    double labelWidth = 30;     // Table: width of the row labels, mm
    QString corner;             // Table: text over the row labels
    QString columnHeader;       // Table: parameter name with "{i}" for the column headers
    QStringList parameters;     // Fields, Checklist, Grid
    QList<ReportTableRow> rows; // Table
};

struct ReportDefinition {
    QString name;
    QString title;             // document title of the output
    QSizeF pageSize{210, 297}; // mm
    QHash<QString, ReportStyle> styles;
    QList<ReportElement> elements;

    // The named style, or the default style when the layout does not define it.
    [[nodiscard]] ReportStyle styleNamed(const QString& name) const;
    // The highest page an element is placed on; at least 1.
    [[nodiscard]] int pageCount() const;
};

struct ReportLayout {
    QList<ReportDefinition> reports;

    [[nodiscard]] const ReportDefinition* report(const QString& name) const;
};

// Reads a layout document. On failure returns nullopt and sets `error` to what is wrong
// (without the file's name).
std::optional<ReportLayout> parseReportLayout(const QByteArray& document, QString* error);

// Reads a layout file; the error names the file.
std::optional<ReportLayout> loadReportLayout(const QString& path, QString* error);

} // namespace kelvo::gui
