#include "gui/reports/report_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>

#include "gui/drawing/drawing_loader.h"
#include "gui/editor/chart_painter.h"

namespace kelvo::gui
{
namespace
{

const QString kCaptionSeparator = QStringLiteral("  : ");

// Text never shrinks below this share of its style's size before it is elided.
constexpr double kMinimumTextScale = 0.78;
// Canvas pixels per millimetre of a chart's place: its 12-pixel texts come out about 8 pt.
constexpr double kChartPixelsPerMm = 4.2;
constexpr double kCellPadding = 1.2; // mm

class PagePainter
{
  public:
    PagePainter(QPainter& painter, const ReportDefinition& report, int page,
                const ParameterLookup& lookup, const ChartLookup& charts,
                const LayoutTextRewrite& layoutTexts)
        : painter_(painter), report_(report), page_(page), lookup_(lookup), charts_(charts),
          layoutTexts_(layoutTexts), dotsPerMm_(painter.device()->logicalDpiX() / 25.4)
    {
    }

    void paint()
    {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
        for (const ReportElement& element : report_.elements) {
            if (element.page != page_)
                continue;
            painter_.save();
            paintElement(element);
            painter_.restore();
        }
        painter_.restore();
    }

  private:
    [[nodiscard]] double px(double mm) const { return mm * dotsPerMm_; }
    [[nodiscard]] QRectF px(const QRectF& mm) const
    {
        return {px(mm.x()), px(mm.y()), px(mm.width()), px(mm.height())};
    }

    [[nodiscard]] QFont font(const ReportStyle& style, double scale = 1.0) const
    {
        QFont f(style.family);
        f.setPointSizeF(style.pointSize * scale);
        f.setBold(style.bold);
        f.setItalic(style.italic);
        f.setHintingPreference(QFont::PreferNoHinting);
        // No ligatures: "ffi" stays three letters, so text copied from the PDF reads as typed.
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    }

    [[nodiscard]] QString expand(const QString& text) const
    {
        return expandParameters(layoutTexts_ ? layoutTexts_(text) : text, lookup_);
    }

    // One line of text in `area` (mm), vertically centred; shrunk a little and then elided when
    // it does not fit, so it never runs into its neighbour.
    void text(const QRectF& area, const QString& value, const QString& styleName,
              Qt::Alignment align = Qt::AlignLeft, const QColor& colour = {})
    {
        if (value.isEmpty() || area.width() <= 0)
            return;
        const ReportStyle style = report_.styleNamed(styleName);
        const QRectF target = px(area);
        QFont f = font(style);
        QFontMetricsF metrics(f, painter_.device());
        QString shown = value;
        const double width = metrics.horizontalAdvance(value);
        if (width > target.width()) {
            f = font(style, std::max(kMinimumTextScale, target.width() / width * 0.999));
            metrics = QFontMetricsF(f, painter_.device());
            shown = metrics.elidedText(value, Qt::ElideRight, target.width());
        }
        painter_.setFont(f);
        painter_.setPen(colour.isValid() ? colour : style.colour);
        painter_.drawText(target, static_cast<int>(align | Qt::AlignVCenter), shown);
    }

    void paintElement(const ReportElement& e)
    {
        switch (e.kind) {
        case ReportElement::Kind::Box:
            box(e);
            break;
        case ReportElement::Kind::Line:
            line(e);
            break;
        case ReportElement::Kind::Text:
            text(e.rect, expand(e.text), e.style, e.align);
            break;
        case ReportElement::Kind::Fields:
            fields(e);
            break;
        case ReportElement::Kind::Checklist:
            checklist(e);
            break;
        case ReportElement::Kind::Picture:
            picture(e);
            break;
        case ReportElement::Kind::Grid:
            grid(e);
            break;
        case ReportElement::Kind::Table:
            table(e);
            break;
        case ReportElement::Kind::Chart:
            chart(e);
            break;
        }
    }

    // Drawn on a canvas of kChartPixelsPerMm and scaled into its place, so the chart's texts
    // keep their size against its lines whatever the device's resolution.
    void chart(const ReportElement& e)
    {
        if (!charts_)
            return;
        const int width = static_cast<int>(e.rect.width() * kChartPixelsPerMm);
        const int height = static_cast<int>(e.rect.height() * kChartPixelsPerMm);
        const std::vector<ChartPrimitive> primitives = charts_(e.text, width, height);
        if (primitives.empty())
            return;
        const QRectF target = px(e.rect);
        painter_.translate(target.topLeft());
        painter_.scale(target.width() / width, target.height() / height);
        paintChart(painter_, primitives);
    }

    void box(const ReportElement& e)
    {
        painter_.setPen(e.stroke.isValid() ? QPen(e.stroke, px(e.strokeWidth)) : QPen(Qt::NoPen));
        painter_.setBrush(e.fill.isValid() ? QBrush(e.fill) : QBrush(Qt::NoBrush));
        if (e.radius > 0)
            painter_.drawRoundedRect(px(e.rect), px(e.radius), px(e.radius));
        else
            painter_.drawRect(px(e.rect));
    }

    void line(const ReportElement& e)
    {
        painter_.setPen(QPen(e.stroke.isValid() ? e.stroke : e.accent, px(e.strokeWidth)));
        painter_.drawLine(QPointF(px(e.from.x()), px(e.from.y())),
                          QPointF(px(e.to.x()), px(e.to.y())));
    }

    // The block's title with a rule under it; returns the top of the rows.
    double title(const ReportElement& e)
    {
        const QString caption = expand(e.text);
        if (e.titleHeight <= 0)
            return e.rect.top();
        const double rule = e.rect.top() + e.titleHeight - 1.0;
        text(QRectF(e.rect.left(), e.rect.top(), e.rect.width(), e.titleHeight - 1.2), caption,
             e.titleStyle);
        painter_.setPen(QPen(e.accent, px(0.35)));
        painter_.drawLine(QPointF(px(e.rect.left()), px(rule)),
                          QPointF(px(e.rect.right()), px(rule)));
        return e.rect.top() + e.titleHeight;
    }

    void stripe(const ReportElement& e, const QRectF& row, int index)
    {
        if (!e.stripe.isValid() || index % 2 != 0)
            return;
        painter_.fillRect(px(row), e.stripe);
    }

    // Rows that would leave the element's rectangle are not painted: a layout error must not
    // paint over the next block.
    [[nodiscard]] static bool fits(const ReportElement& e, double y)
    {
        return y + e.rowHeight <= e.rect.bottom() + 0.01;
    }

    // Width of a text in mm.
    [[nodiscard]] double width(const QString& value, const QString& styleName) const
    {
        const QFontMetricsF metrics(font(report_.styleNamed(styleName)), painter_.device());
        return metrics.horizontalAdvance(value) / dotsPerMm_;
    }

    void fields(const ReportElement& e)
    {
        double y = title(e);
        QList<QPair<QString, QString>> rows;
        for (const QString& name : e.parameters)
            if (const auto value = lookup_(name))
                rows << splitCaption(*value);
        // Values start at the layout's column, or further right when a caption needs it and
        // the values leave room, so that a long caption is not cut.
        double captions = 0;
        double values = 0;
        for (const auto& [caption, figure] : rows) {
            captions = std::max(captions, width(caption, e.labelStyle));
            values = std::max(values, width(figure, e.valueStyle));
        }
        const double share = e.rect.width() * e.valueColumn;
        const double wanted = captions + 3 * kCellPadding;
        const double room = e.rect.width() - values - kCellPadding;
        const double valueX = e.rect.left() + std::max(share, std::min(wanted, room));
        int index = 0;
        for (const auto& [caption, figure] : rows) {
            if (!fits(e, y))
                break;
            const QRectF row(e.rect.left(), y, e.rect.width(), e.rowHeight);
            stripe(e, row, index);
            text(QRectF(row.left() + kCellPadding, y, valueX - row.left() - 2 * kCellPadding,
                        e.rowHeight),
                 caption, e.labelStyle);
            text(QRectF(valueX, y, row.right() - valueX - kCellPadding, e.rowHeight), figure,
                 e.valueStyle);
            y += e.rowHeight;
            ++index;
        }
    }

    // A check box as the selection window shows it: ticked in the accent colour or empty.
    void checkBox(const QRectF& square, bool ticked, const QColor& accent)
    {
        const QRectF r = px(square);
        if (ticked) {
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(accent);
            painter_.drawRoundedRect(r, r.width() * 0.15, r.width() * 0.15);
            QPainterPath tick;
            tick.moveTo(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52);
            tick.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.72);
            tick.lineTo(r.left() + r.width() * 0.78, r.top() + r.height() * 0.28);
            painter_.setPen(
                QPen(Qt::white, r.width() * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawPath(tick);
        } else {
            painter_.setPen(QPen(QColor(0x9a, 0xa4, 0xae), px(0.2)));
            painter_.setBrush(Qt::white);
            painter_.drawRoundedRect(r, r.width() * 0.15, r.width() * 0.15);
        }
    }

    void checklist(const ReportElement& e)
    {
        double y = title(e);
        const double side = std::min(2.8, e.rowHeight * 0.62);
        int index = 0;
        for (const QString& name : e.parameters) {
            const auto value = lookup_(name);
            if (!value)
                continue;
            if (!fits(e, y))
                break;
            const QRectF row(e.rect.left(), y, e.rect.width(), e.rowHeight);
            stripe(e, row, index);
            // "caption: +", "caption: -" or "caption: + 2pcs".
            const qsizetype plus = value->lastIndexOf(QStringLiteral(": +"));
            const qsizetype minus = value->lastIndexOf(QStringLiteral(": -"));
            const qsizetype mark = std::max(plus, minus);
            const QString caption = mark < 0 ? *value : value->left(mark);
            const QString extra = mark < 0 ? QString() : value->mid(mark + 3).trimmed();
            double x = row.left() + kCellPadding;
            if (mark >= 0) {
                checkBox(QRectF(x, y + (e.rowHeight - side) / 2, side, side), plus > minus,
                         e.accent);
                x += side + 1.6;
            }
            const double extraWidth = extra.isEmpty() ? 0 : 16;
            const QColor muted = plus > minus || mark < 0 ? QColor() : QColor(0x80, 0x88, 0x90);
            text(QRectF(x, y, row.right() - x - extraWidth - kCellPadding, e.rowHeight), caption,
                 e.labelStyle, Qt::AlignLeft, muted);
            if (!extra.isEmpty())
                text(QRectF(row.right() - extraWidth - kCellPadding, y, extraWidth, e.rowHeight),
                     extra, e.valueStyle, Qt::AlignRight);
            y += e.rowHeight;
            ++index;
        }
    }

    void picture(const ReportElement& e)
    {
        if (e.stroke.isValid() || e.fill.isValid())
            box(e);
        const auto source = expand(e.text);
        if (source.isEmpty())
            return;
        const Drawing drawing = loadDrawing(std::filesystem::path(source.toStdString()));
        if (drawing.isEmpty())
            return;
        const double inset = std::min(2.0, e.rect.width() / 10);
        drawing.paint(painter_, px(e.rect.adjusted(inset, inset, -inset, -inset)),
                      Qt::KeepAspectRatio);
    }

    void grid(const ReportElement& e)
    {
        const double width = e.rect.width() / e.columns;
        int index = 0;
        for (const QString& name : e.parameters) {
            const int column = index % e.columns;
            const double y = e.rect.top() + (index / e.columns) * e.rowHeight;
            if (!fits(e, y))
                break;
            text(QRectF(e.rect.left() + column * width + kCellPadding, y, width - 2 * kCellPadding,
                        e.rowHeight),
                 lookup_(name).value_or(QString()), e.style, e.align);
            ++index;
        }
    }

    [[nodiscard]] static QString numbered(const QString& pattern, int i)
    {
        QString name = pattern;
        return name.replace(QStringLiteral("{i}"), QString::number(i));
    }

    void table(const ReportElement& e)
    {
        double y = title(e);
        QList<int> columns;
        for (int i = 1; i <= e.columns; ++i)
            if (lookup_(numbered(e.columnHeader, i)))
                columns << i;
        // A table with fewer columns than the most spreads them a little, not across the page.
        const double fullWidth = (e.rect.width() - e.labelWidth) / e.columns;
        const double cellWidth =
            columns.isEmpty()
                ? fullWidth
                : std::min(fullWidth * 1.3, (e.rect.width() - e.labelWidth) / columns.size());
        const double right = e.rect.left() + e.labelWidth + cellWidth * columns.size();
        const double top = y;
        // A row with a condition shows only when its parameter is set; when such a row leaves
        // too little room, the rows get thinner so that every one fits the table's rectangle.
        QList<const ReportTableRow*> rows;
        bool conditionalRow = false;
        for (const ReportTableRow& row : e.rows)
            if (row.when.isEmpty() || lookup_(row.when)) {
                rows << &row;
                conditionalRow = conditionalRow || !row.when.isEmpty();
            }
        const double room = e.rect.bottom() - y;
        const double rowHeight = !conditionalRow || (rows.size() + 1) * e.rowHeight <= room + 0.01
                                     ? e.rowHeight
                                     : std::max(room, 0.0) / (rows.size() + 1);
        const QColor rule(0xc5, 0xcd, 0xd6);

        // Header row: the corner text and the column headers on a tinted band.
        QColor band = e.accent;
        band.setAlpha(38);
        painter_.fillRect(px(QRectF(e.rect.left(), y, right - e.rect.left(), rowHeight)), band);
        text(QRectF(e.rect.left() + kCellPadding, y, e.labelWidth - 2 * kCellPadding, rowHeight),
             expand(e.corner), e.labelStyle);
        for (int c = 0; c < columns.size(); ++c)
            text(QRectF(e.rect.left() + e.labelWidth + c * cellWidth, y, cellWidth, rowHeight),
                 lookup_(numbered(e.columnHeader, columns[c])).value_or(QString()), e.titleStyle,
                 Qt::AlignHCenter);
        y += rowHeight;

        for (int r = 0; r < rows.size(); ++r) {
            if (y + rowHeight > e.rect.bottom() + 0.01)
                break;
            const ReportTableRow& row = *rows[r];
            stripe(e, QRectF(e.rect.left(), y, right - e.rect.left(), rowHeight), r + 1);
            text(
                QRectF(e.rect.left() + kCellPadding, y, e.labelWidth - 2 * kCellPadding, rowHeight),
                expand(row.label), e.labelStyle);
            for (int c = 0; c < columns.size(); ++c)
                text(QRectF(e.rect.left() + e.labelWidth + c * cellWidth, y, cellWidth, rowHeight),
                     lookup_(numbered(row.cellParameter, columns[c])).value_or(QString()),
                     e.valueStyle, Qt::AlignHCenter);
            y += rowHeight;
        }

        // Rules: under the header and the last row, and between the columns.
        painter_.setPen(QPen(rule, px(0.15)));
        painter_.drawLine(QPointF(px(e.rect.left()), px(top + rowHeight)),
                          QPointF(px(right), px(top + rowHeight)));
        painter_.drawLine(QPointF(px(e.rect.left()), px(y)), QPointF(px(right), px(y)));
        for (int c = 0; c < columns.size(); ++c) {
            const double x = e.rect.left() + e.labelWidth + c * cellWidth;
            painter_.drawLine(QPointF(px(x), px(top)), QPointF(px(x), px(y)));
        }
    }

    QPainter& painter_;
    const ReportDefinition& report_;
    int page_;
    const ParameterLookup& lookup_;
    const ChartLookup& charts_;
    const LayoutTextRewrite& layoutTexts_;
    double dotsPerMm_;
};

} // namespace

QString expandParameters(const QString& text, const ParameterLookup& lookup)
{
    static const QRegularExpression reference(
        QStringLiteral("\\{([A-Za-z0-9_]+)(?::(caption|value))?\\}"));
    QString result;
    qsizetype done = 0;
    auto match = reference.globalMatch(text);
    while (match.hasNext()) {
        const auto m = match.next();
        result += text.mid(done, m.capturedStart() - done);
        done = m.capturedEnd();
        const auto value = lookup(m.captured(1));
        if (!value)
            continue;
        const QString part = m.captured(2);
        if (part.isEmpty())
            result += *value;
        else if (part == QLatin1String("caption"))
            result += splitCaption(*value).first;
        else
            result += splitCaption(*value).second;
    }
    result += text.mid(done);
    return result;
}

QPair<QString, QString> splitCaption(const QString& text)
{
    const qsizetype at = text.indexOf(kCaptionSeparator);
    if (at < 0)
        return {text, QString()};
    return {text.left(at), text.mid(at + kCaptionSeparator.size())};
}

void paintReportPage(QPainter& painter, const ReportDefinition& report, int page,
                     const ParameterLookup& lookup, const ChartLookup& charts,
                     const LayoutTextRewrite& layoutTexts)
{
    PagePainter(painter, report, page, lookup, charts, layoutTexts).paint();
}

} // namespace kelvo::gui
