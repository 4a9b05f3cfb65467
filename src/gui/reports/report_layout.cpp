#include "gui/reports/report_layout.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "core/io/file_io.h"

namespace kelvo::gui
{
namespace
{

// A fault in the document, with where it is.
class LayoutError : public std::runtime_error
{
  public:
    explicit LayoutError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

QString where(const QString& report, int element)
{
    QString text = QStringLiteral("report \"%1\"").arg(report);
    if (element >= 0)
        text += QStringLiteral(", element %1").arg(element + 1);
    return text;
}

double number(const QJsonObject& object, const char* key, double fallback, const QString& at)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    if (!value.isDouble())
        throw LayoutError(at + QStringLiteral(": \"%1\" must be a number").arg(key));
    return value.toDouble();
}

QString text(const QJsonObject& object, const char* key, const QString& fallback, const QString& at)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    if (!value.isString())
        throw LayoutError(at + QStringLiteral(": \"%1\" must be a text").arg(key));
    return value.toString();
}

QColor colour(const QJsonObject& object, const char* key, const QColor& fallback, const QString& at)
{
    const QString name = text(object, key, QString(), at);
    if (name.isEmpty())
        return fallback;
    if (name == QLatin1String("none"))
        return {};
    const QColor result = QColor::fromString(name);
    if (!result.isValid())
        throw LayoutError(at + QStringLiteral(": \"%1\" is not a colour: %2").arg(key, name));
    return result;
}

std::vector<double> numbers(const QJsonObject& object, const char* key, int count,
                            const QString& at)
{
    const QJsonValue value = object.value(QLatin1String(key));
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != count)
        throw LayoutError(
            at + QStringLiteral(": \"%1\" must be a list of %2 numbers").arg(key).arg(count));
    std::vector<double> result;
    for (const QJsonValue& item : array) {
        if (!item.isDouble())
            throw LayoutError(
                at + QStringLiteral(": \"%1\" must be a list of %2 numbers").arg(key).arg(count));
        result.push_back(item.toDouble());
    }
    return result;
}

QStringList texts(const QJsonObject& object, const char* key, const QString& at)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return {};
    QStringList result;
    bool valid = value.isArray();
    for (const QJsonValue& item : value.toArray()) {
        valid = valid && item.isString();
        result << item.toString();
    }
    if (!valid)
        throw LayoutError(at + QStringLiteral(": \"%1\" must be a list of texts").arg(key));
    return result;
}

Qt::Alignment alignment(const QString& name, const QString& at)
{
    if (name.isEmpty() || name == QLatin1String("left"))
        return Qt::AlignLeft;
    if (name == QLatin1String("right"))
        return Qt::AlignRight;
    if (name == QLatin1String("center"))
        return Qt::AlignHCenter;
    throw LayoutError(at + QStringLiteral(": \"align\" must be left, right or center"));
}

// A layout is a few pages of one datasheet, not a document.
constexpr int kMostPages = 20;

struct KindName {
    const char* name;
    ReportElement::Kind kind;
};
constexpr KindName kKindNames[] = {
    {"box", ReportElement::Kind::Box},
    {"line", ReportElement::Kind::Line},
    {"text", ReportElement::Kind::Text},
    {"fields", ReportElement::Kind::Fields},
    {"checklist", ReportElement::Kind::Checklist},
    {"picture", ReportElement::Kind::Picture},
    {"grid", ReportElement::Kind::Grid},
    {"table", ReportElement::Kind::Table},
    {"chart", ReportElement::Kind::Chart},
};

ReportStyle parseStyle(const QJsonObject& object, const QString& at)
{
    ReportStyle style;
    style.family = text(object, "font", style.family, at);
    style.pointSize = number(object, "size", style.pointSize, at);
    if (style.pointSize <= 0 || style.pointSize > 200)
        throw LayoutError(at + QStringLiteral(": \"size\" must be between 0 and 200"));
    style.bold = object.value(QLatin1String("bold")).toBool(false);
    style.italic = object.value(QLatin1String("italic")).toBool(false);
    style.colour = colour(object, "colour", style.colour, at);
    return style;
}

ReportElement parseElement(const QJsonObject& object, const QString& at)
{
    ReportElement e;
    const QString type = text(object, "type", QString(), at);
    const auto* kind =
        std::find_if(std::begin(kKindNames), std::end(kKindNames),
                     [&](const KindName& k) { return type == QLatin1String(k.name); });
    if (kind == std::end(kKindNames))
        throw LayoutError(at + QStringLiteral(": unknown type \"%1\"").arg(type));
    e.kind = kind->kind;
    if (e.kind == ReportElement::Kind::Line) {
        const auto from = numbers(object, "from", 2, at);
        const auto to = numbers(object, "to", 2, at);
        e.from = {from[0], from[1]};
        e.to = {to[0], to[1]};
    } else {
        const auto r = numbers(object, "rect", 4, at);
        if (r[2] <= 0 || r[3] <= 0)
            throw LayoutError(at + QStringLiteral(": \"rect\" needs a positive width and height"));
        e.rect = QRectF(r[0], r[1], r[2], r[3]);
    }
    const double page = number(object, "page", e.page, at);
    if (!(page >= 1 && page <= kMostPages) || page != static_cast<int>(page))
        throw LayoutError(
            at + QStringLiteral(": \"page\" must be a whole number from 1 to %1").arg(kMostPages));
    e.page = static_cast<int>(page);
    const char* textKey =
        e.kind == ReportElement::Kind::Text                                              ? "text"
        : e.kind == ReportElement::Kind::Picture || e.kind == ReportElement::Kind::Chart ? "source"
                                                                                         : "title";
    e.text = text(object, textKey, QString(), at);
    e.style = text(object, "style", QStringLiteral("body"), at);
    e.titleStyle = text(object, "titleStyle", e.titleStyle, at);
    e.labelStyle = text(object, "labelStyle", e.labelStyle, at);
    e.valueStyle = text(object, "valueStyle", e.valueStyle, at);
    e.align = alignment(text(object, "align", QString(), at), at);
    e.fill = colour(object, "fill", {}, at);
    e.stroke = colour(object, "stroke", {}, at);
    e.accent = colour(object, "accent", e.accent, at);
    e.stripe = colour(object, "stripe", {}, at);
    e.strokeWidth = number(object, "strokeWidth", e.strokeWidth, at);
    e.radius = number(object, "radius", e.radius, at);
    e.rowHeight = number(object, "rowHeight", e.rowHeight, at);
    e.titleHeight = number(object, "titleHeight", e.titleHeight, at);
    e.valueColumn = number(object, "valueColumn", e.valueColumn, at);
    // Checked as a number first: a count beyond the range of int has no int to become.
    const double columns = number(object, "columns", e.columns, at);
    if (!(columns >= 1 && columns <= 100))
        throw LayoutError(at + QStringLiteral(": a size or count is out of range"));
    e.columns = static_cast<int>(columns);
    e.labelWidth = number(object, "labelWidth", e.labelWidth, at);
    e.corner = text(object, "corner", QString(), at);
    e.columnHeader = text(object, "columnHeader", QString(), at);
    e.parameters = texts(object, "parameters", at);
    if (e.rowHeight <= 0 || e.titleHeight < 0 || e.columns < 1 || e.columns > 100 ||
        e.valueColumn <= 0 || e.valueColumn >= 1)
        throw LayoutError(at + QStringLiteral(": a size or count is out of range"));
    for (const QJsonValue& row : object.value(QLatin1String("rows")).toArray()) {
        const QJsonObject r = row.toObject();
        e.rows.append({text(r, "label", QString(), at), text(r, "cells", QString(), at),
                       text(r, "when", QString(), at)});
    }
    return e;
}

ReportDefinition parseReport(const QJsonObject& object, int index)
{
    ReportDefinition report;
    report.name = object.value(QLatin1String("name")).toString();
    if (report.name.isEmpty())
        throw LayoutError(QStringLiteral("report %1 has no name").arg(index + 1));
    const QString at = where(report.name, -1);
    report.title = text(object, "title", report.name, at);
    const QJsonObject page = object.value(QLatin1String("page")).toObject();
    report.pageSize = QSizeF(number(page, "width", 210, at), number(page, "height", 297, at));
    if (report.pageSize.width() <= 0 || report.pageSize.height() <= 0)
        throw LayoutError(at + QStringLiteral(": the page needs a positive size"));
    const QJsonObject styles = object.value(QLatin1String("styles")).toObject();
    for (auto it = styles.begin(); it != styles.end(); ++it)
        report.styles.insert(it.key(), parseStyle(it.value().toObject(),
                                                  at + QStringLiteral(", style ") + it.key()));
    const QJsonArray elements = object.value(QLatin1String("elements")).toArray();
    for (int i = 0; i < elements.size(); ++i)
        report.elements.append(parseElement(elements[i].toObject(), where(report.name, i)));
    return report;
}

} // namespace

ReportStyle ReportDefinition::styleNamed(const QString& name) const
{
    return styles.value(name, ReportStyle{});
}

int ReportDefinition::pageCount() const
{
    int pages = 1;
    for (const ReportElement& element : elements)
        pages = std::max(pages, element.page);
    return pages;
}

const ReportDefinition* ReportLayout::report(const QString& name) const
{
    for (const ReportDefinition& definition : reports)
        if (definition.name == name)
            return &definition;
    return nullptr;
}

std::optional<ReportLayout> parseReportLayout(const QByteArray& document, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(document, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = QStringLiteral("not a layout document (%1 at character %2)")
                         .arg(parseError.errorString())
                         .arg(parseError.offset);
        return std::nullopt;
    }
    const QJsonValue reports = json.object().value(QLatin1String("reports"));
    if (!json.isObject() || !reports.isArray()) {
        if (error)
            *error = QStringLiteral("not a layout document (no list of reports)");
        return std::nullopt;
    }
    ReportLayout layout;
    try {
        const QJsonArray list = reports.toArray();
        for (int i = 0; i < list.size(); ++i)
            layout.reports.append(parseReport(list[i].toObject(), i));
    } catch (const LayoutError& fault) {
        if (error)
            *error = QString::fromStdString(fault.what());
        return std::nullopt;
    }
    return layout;
}

std::optional<ReportLayout> loadReportLayout(const QString& path, QString* error)
{
    // Read by the core's reader, which refuses a named pipe (without waiting on it), a device
    // or a file far larger than any layout.
    std::string content;
    try {
        content = readWholeFile(std::filesystem::path(QFile::encodeName(path).toStdString()),
                                kReportLayoutLimit);
    } catch (const FileError& failure) {
        if (error)
            *error =
                QStringLiteral("The report layout file %1 cannot be opened: %2")
                    .arg(QDir::toNativeSeparators(path), QString::fromStdString(failure.reason()));
        return std::nullopt;
    }
    QString fault;
    const std::string_view text = withoutByteOrderMark(content);
    auto layout =
        parseReportLayout(QByteArray(text.data(), static_cast<qsizetype>(text.size())), &fault);
    if (!layout && error)
        *error = QStringLiteral("The report layout file %1 cannot be read: %2")
                     .arg(QDir::toNativeSeparators(path), fault);
    return layout;
}

} // namespace kelvo::gui
