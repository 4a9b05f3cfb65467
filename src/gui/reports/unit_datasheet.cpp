#include "gui/reports/unit_datasheet.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <functional>

#include "core/app/language_table.h"
#include "core/selection/details_in_units.h"
#include "core/selection/performance_curves.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_envelope.h"
#include "core/text/message_sink.h"
#include "gui/reports/report_engine.h"
#include "gui/selection/accessory_groups.h"

namespace kelvo::gui
{
namespace
{

enum class Outcome { Done, NoReport, Failed };

// The charts of the datasheet's second page, drawn for the unit the details show.
ChartLookup datasheetCharts(const SelectionSession& session, int language, UnitSystem units)
{
    if (!session.state().details)
        return {};
    const UnitDetails& details = *session.state().details;
    const UnitEnvelopeView envelope = unitEnvelopeView(session, details);
    const char separator = session.workspace().displaySeparator();
    const PerformanceCurves curves =
        performanceCurvesIn(details.range, session.state().evaporatingTemperature,
                            session.state().ambientTemperature, units, separator);
    return
        [envelope, curves, separator, language, units](const QString& name, int width, int height) {
            if (name == QLatin1String("envelope")) {
                auto primitives = drawUnitEnvelope(envelope, width, height, separator, language);
                temperatureChartIn(primitives, units, separator);
                return primitives;
            }
            if (name == QLatin1String("curves"))
                return drawPerformanceCurvesIn(curves, width, height, separator, language, units);
            return std::vector<ChartPrimitive>{};
        };
}

// The five engine steps around the datasheet's parameters: open the layout, choose the report,
// hand over the parameters, execute, close (also when the report is not there).
Outcome runDatasheet(SelectionSession& session, const DatasheetInputs& inputs,
                     const std::function<bool(ReportEngine&)>& execute, QString* error)
{
    ReportParameters parameters;
    try {
        // The details were shown with their messages already; the datasheet adds none.
        DiscardingMessageSink sink;
        parameters = session.datasheetParameters(inputs, sink);
    } catch (const DatasheetError& fault) {
        *error = QString::fromUtf8(fault.what());
        return Outcome::Failed;
    }
    const QString layout = datasheetLayoutPath(session.workspace().dataFolder());
    ReportEngine engine;
    if (!engine.openProject(layout)) {
        *error = engine.errorText();
        return Outcome::Failed;
    }
    const QString report = QString::fromUtf8(kDatasheetReportName.data(),
                                             static_cast<qsizetype>(kDatasheetReportName.size()));
    if (!engine.selectReport(report)) {
        *error = QStringLiteral("The report layout file %1 has no report \"%2\".")
                     .arg(QDir::toNativeSeparators(layout), report);
        engine.closeProject();
        return Outcome::NoReport;
    }
    for (const ReportParameter& p : parameters)
        engine.setParameter(QString::fromStdString(p.name), QString::fromStdString(p.text));
    engine.setCharts(datasheetCharts(session, inputs.language, inputs.units));
    if (inputs.units != UnitSystem::Si)
        engine.setLayoutTexts(
            [units = inputs.units,
             separator = session.workspace().displaySeparator()](const QString& text) {
                return QString::fromStdString(labelledTextIn(text.toStdString(), units, separator));
            });
    const bool done = execute(engine);
    if (!done)
        *error = engine.errorText();
    engine.closeProject();
    return done ? Outcome::Done : Outcome::Failed;
}

} // namespace

AdditionalAccessoryChoices accessoryChoicesOf(const AccessoryGroup& group)
{
    AdditionalAccessoryChoices choices;
    const auto& lines = group.lines();
    for (std::size_t i = 0; i < lines.size() && i < choices.ticked.size(); ++i) {
        choices.ticked[i] = lines[i].box && lines[i].box->isChecked();
        const auto q = static_cast<int>(i) + 1 - kFirstQuantityLine;
        if (lines[i].quantity && q >= 0 && q < kQuantityLines)
            choices.quantities[static_cast<std::size_t>(q)] =
                lines[i].quantity->text().toStdString();
    }
    return choices;
}

std::string datasheetDate()
{
    const QLocale locale = QLocale::system();
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Some locales spell the month in their short form; the datasheet wants figures.
    if (format.contains(QStringLiteral("MMM")))
        format = QStringLiteral("yyyy-MM-dd");
    return locale.toString(QDate::currentDate(), format).toStdString();
}

QString datasheetLayoutPath(const std::filesystem::path& dataFolder)
{
    const auto path = dataFolder / std::string(kDatasheetLayoutFile);
    return QString::fromStdString(path.string());
}

void previewUnitDatasheet(QWidget* parent, SelectionSession& session,
                          const AdditionalAccessoryChoices& choices)
{
    DatasheetInputs inputs;
    inputs.language = session.languages().currentLanguage();
    inputs.date = datasheetDate();
    inputs.accessories = choices;
    inputs.units = session.units();
    QString error;
    const Outcome outcome = runDatasheet(
        session, inputs,
        [parent, &inputs, &session](ReportEngine& engine) {
            engine.setOutputCheck(outputCheckOf(session.workspace(), inputs.language));
            engine.executeToPreview(parent, inputs.language);
            return true;
        },
        &error);
    if (outcome == Outcome::Failed)
        QMessageBox::warning(parent, QStringLiteral("KelvoSoftware"), error);
}

bool writeUnitDatasheetPdf(SelectionSession& session, const AdditionalAccessoryChoices& choices,
                           int language, const QString& path, QString* error)
{
    DatasheetInputs inputs;
    inputs.language = language;
    inputs.date = datasheetDate();
    inputs.accessories = choices;
    inputs.units = session.units();
    QString fault;
    const Outcome outcome = runDatasheet(
        session, inputs, [&path](ReportEngine& engine) { return engine.executeToPdf(path); },
        &fault);
    if (error)
        *error = fault;
    return outcome == Outcome::Done;
}

} // namespace kelvo::gui
