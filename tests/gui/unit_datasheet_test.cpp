#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

#include "core/app/language_table.h"
#include "core/selection/candidate_list.h"
#include "core/selection/datasheet_parameters.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_details.h"
#include "core/text/message_sink.h"
#include "core/workspace/workspace.h"
#include "gui/reports/report_engine.h"
#include "gui/reports/report_painter.h"
#include "gui/reports/report_preview.h"
#include "gui/reports/unit_datasheet.h"
#include "gui/selection/accessory_groups.h"

using kelvo::AdditionalAccessoryChoices;
using kelvo::UnitFamily;
using kelvo::gui::ReportEngine;

class UnitDatasheetTest : public QObject
{
    Q_OBJECT

  private:
    // The sample unit AGO-KS117M (BOX, R404A) chosen at 0 C / 32 C, as in the window.
    static constexpr int kSampleUnit = 9;
    static constexpr const char* kSampleModel = "AGO-KS117M";

    kelvo::LanguageTable languages_;
    std::unique_ptr<kelvo::Workspace> workspace_;
    std::unique_ptr<kelvo::SelectionSession> session_;
    QTemporaryDir folder_;

    void chooseUnit(int unitIndex, const std::filesystem::path& dataFolder = KELVO_SOURCE_DATA_DIR)
    {
        session_.reset();
        workspace_ = std::make_unique<kelvo::Workspace>(dataFolder);
        session_ =
            std::make_unique<kelvo::SelectionSession>(*workspace_, languages_, UnitFamily::Box);
        kelvo::DiscardingMessageSink sink;
        session_->open(sink);
        kelvo::SelectionInputs inputs = session_->state();
        kelvo::tickAllFilters(inputs);
        session_->setInputs(inputs, sink);
        if (const int row = session_->state().candidates.rowOfUnit(unitIndex)) {
            session_->chooseRow(row, sink);
            return;
        }
        QFAIL("the sample unit is not listed");
    }

    kelvo::ReportParameters parameters(int language = kelvo::kEnglish)
    {
        kelvo::DiscardingMessageSink sink;
        return session_->datasheetParameters({language, "09.12.2026", {}}, sink);
    }

    static QString pdfText(const QString& pdf, bool layout = false)
    {
        QProcess extractor;
        QStringList arguments;
        if (layout)
            arguments << QStringLiteral("-layout");
        arguments << pdf << QStringLiteral("-");
        extractor.start(QStringLiteral("pdftotext"), arguments);
        if (!extractor.waitForFinished(20000) || extractor.exitCode() != 0)
            return {};
        return QString::fromUtf8(extractor.readAllStandardOutput());
    }

    // The line of the text that begins with `label` after `from`.
    static QString lineStarting(const QString& text, const QString& label, qsizetype from)
    {
        const qsizetype at = text.indexOf(label, from);
        if (at < 0)
            return {};
        const qsizetype end = text.indexOf(QLatin1Char('\n'), at);
        return text.mid(at, end < 0 ? -1 : end - at);
    }

    static QString value(const kelvo::ReportParameters& list, const char* name)
    {
        const std::string* text = kelvo::findParameter(list, name);
        return text ? QString::fromStdString(*text) : QString();
    }

    // The figures of one row of a range table in the order the layout prints them.
    static QStringList rowFigures(const kelvo::ReportParameters& list, const QString& prefix,
                                  int columns)
    {
        QStringList figures;
        for (int c = 1; c <= columns; ++c)
            figures << value(list, (prefix + QString::number(c)).toUtf8().constData());
        return figures;
    }

    // A copy of the sample data whose unit `name` has the evaporating limit `toMin`.
    // The sample data files copied into folder `name`.
    QString dataCopy(const QString& name)
    {
        const QString copy = folder_.filePath(name);
        QDir().mkpath(copy);
        QDir source(QString::fromUtf8(KELVO_SOURCE_DATA_DIR));
        for (const QString& file : source.entryList(QDir::Files))
            QFile::copy(source.filePath(file), copy + QLatin1Char('/') + file);
        return copy;
    }

    QString dataWithLowerLimit(const QByteArray& name, const QByteArray& toMin)
    {
        const QString copy = dataCopy(QStringLiteral("wide-data"));
        QFile units(copy + QStringLiteral("/Agregaty.txt"));
        if (!units.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> lines = units.readAll().split('\n');
        units.close();
        for (qsizetype i = 0; i + 4 < lines.size(); ++i)
            if (lines[i] == name + '\r')
                lines[i + 4] = toMin + '\r';
        if (!units.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        units.write(lines.join('\n'));
        return copy;
    }

  private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        QProcess probe;
        probe.start(QStringLiteral("pdftotext"), {QStringLiteral("-v")});
        QVERIFY2(probe.waitForFinished(20000) && probe.exitCode() == 0,
                 "pdftotext (poppler-utils) is needed");
    }

    void pdfShowsTheUnitAndEveryRangeFigure()
    {
        chooseUnit(kSampleUnit);
        const QString pdf = folder_.filePath(QStringLiteral("datasheet.pdf"));
        QString error;
        QElapsedTimer timer;
        timer.start();
        QVERIFY2(kelvo::gui::writeUnitDatasheetPdf(*session_, {}, kelvo::kEnglish, pdf, &error),
                 qPrintable(error));
        qInfo("one datasheet PDF in %lld ms", static_cast<long long>(timer.elapsed()));

        const auto list = parameters();
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QLatin1String(kSampleModel)));
        QVERIFY(text.contains(value(list, "WydajnoscAgregatu").section(QStringLiteral("  : "), 1)));
        QVERIFY(text.contains(QStringLiteral("Condensing unit data")));
        QVERIFY(text.contains(QStringLiteral("Noise level")));
        QVERIFY(text.contains(QStringLiteral("[dB(A) 10m]")));
        QVERIFY(text.contains(QStringLiteral("A= ")));
        // The header's COP is the unit's, the figure the details show.
        QVERIFY(text.contains(QStringLiteral("Unit COP")));
        QVERIFY(text.contains(QString::fromStdString(session_->state().details->data.cop)));

        // The second page holds the envelope chart with the working point, the performance curves
        // and the rating conditions under them.
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY2(pages[1].contains(QStringLiteral("Working point")), qPrintable(pages[1]));
        QVERIFY(pages[1].contains(QStringLiteral("Evaporating temperature to")));
        // ... and the performance curves, one per ambient of the range tables.
        QVERIFY(pages[1].contains(QStringLiteral("Power input Pe [kW]")));
        QVERIFY(pages[1].contains(QStringLiteral("Ambient 38")));
        QVERIFY(pages[1].contains(value(list, "Dochlodzenie").section(QStringLiteral("  : "), 1)));

        // Each table row carries its figures left to right, in the column order of the unit.
        const int columns = session_->state().details->staging.rangeColumnCount;
        QCOMPARE(columns, 9);
        const QString table = pdfText(pdf, true);
        const qsizetype capacity = table.indexOf(QStringLiteral("Qo [W]"));
        const qsizetype power = table.indexOf(QStringLiteral("Pe [kW]"));
        QVERIFY(capacity > 0 && power > capacity);
        const QStringList header = rowFigures(list, QStringLiteral("t"), columns);
        QCOMPARE(lineStarting(table, QStringLiteral("to [C]"), capacity)
                     .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                     .mid(2),
                 header);
        const QStringList ambients{QStringLiteral("27"), QStringLiteral("32"),
                                   QStringLiteral("38")};
        for (int k = 0; k < 3; ++k) {
            const QString label = QStringLiteral("ta = %1 [C]").arg(ambients[k]);
            QCOMPARE(lineStarting(table, label, capacity)
                         .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                         .mid(4),
                     rowFigures(list, QStringLiteral("Q%1").arg(k + 1), columns));
            QCOMPARE(lineStarting(table, label, power)
                         .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                         .mid(4),
                     rowFigures(list, QStringLiteral("P%1").arg(k + 1), columns));
        }
    }

    void polishDatasheetKeepsItsLetters()
    {
        chooseUnit(kSampleUnit);
        const QString pdf = folder_.filePath(QStringLiteral("polish.pdf"));
        QString error;
        QVERIFY2(kelvo::gui::writeUnitDatasheetPdf(*session_, {}, kelvo::kPolish, pdf, &error),
                 qPrintable(error));
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Dane Sprężarki")));
        QVERIFY(text.contains(QStringLiteral("Głośność")));
        // A long caption is printed whole.
        QVERIFY(text.contains(QStringLiteral("Współczynnik wydajności chłodniczej (COP)")));
    }

    void aWideRangePrintsElevenColumns()
    {
        const QString data = dataWithLowerLimit("AGO-KS117M", "-45");
        QVERIFY(!data.isEmpty());
        chooseUnit(kSampleUnit, data.toStdString());
        QCOMPARE(session_->state().details->staging.rangeColumnCount, 13);
        const QString pdf = folder_.filePath(QStringLiteral("wide.pdf"));
        QString error;
        QVERIFY2(kelvo::gui::writeUnitDatasheetPdf(*session_, {}, kelvo::kEnglish, pdf, &error),
                 qPrintable(error));
        const auto list = parameters();
        const QString table = pdfText(pdf, true);
        const qsizetype capacity = table.indexOf(QStringLiteral("Qo [W]"));
        QCOMPARE(lineStarting(table, QStringLiteral("to [C]"), capacity)
                     .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                     .mid(2),
                 rowFigures(list, QStringLiteral("t"), 11));
        QCOMPARE(lineStarting(table, QStringLiteral("ta = 38 [C]"), capacity)
                     .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                     .mid(4),
                 rowFigures(list, QStringLiteral("Q3"), 11));
    }

    void aMissingLayoutFileIsReportedByName()
    {
        const QString data = dataCopy(QStringLiteral("no-layout"));
        chooseUnit(kSampleUnit, data.toStdString());
        const QString layout = data + QStringLiteral("/Raport1.rav");
        QVERIFY(QFile::remove(layout));
        const QString pdf = folder_.filePath(QStringLiteral("none.pdf"));
        QString error;
        QVERIFY(!kelvo::gui::writeUnitDatasheetPdf(*session_, {}, kelvo::kEnglish, pdf, &error));
        QVERIFY2(error.contains(layout), qPrintable(error));
        QVERIFY(!QFile::exists(pdf));
    }

    void aLayoutThatIsAPipeOrADeviceIsRefusedWithoutWaiting()
    {
        const QString data = dataCopy(QStringLiteral("pipe-layout"));
        chooseUnit(kSampleUnit, data.toStdString());
        const QString layout = data + QStringLiteral("/Raport1.rav");
        QVERIFY(QFile::remove(layout));
        const QString pdf = folder_.filePath(QStringLiteral("pipe.pdf"));
        // A named pipe without a writer would block the program; a link to /dev/zero would
        // read for ever.
        QVERIFY(mkfifo(QFile::encodeName(layout).constData(), 0600) == 0);
        QString error;
        QVERIFY(!kelvo::gui::writeUnitDatasheetPdf(*session_, {}, kelvo::kEnglish, pdf, &error));
        QVERIFY2(error.contains(QStringLiteral("is a named pipe")), qPrintable(error));
        QFile::remove(layout);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), layout));
        QVERIFY(!kelvo::gui::writeUnitDatasheetPdf(*session_, {}, kelvo::kEnglish, pdf, &error));
        QVERIFY2(error.contains(QStringLiteral("is a device")), qPrintable(error));
        QVERIFY(!QFile::exists(pdf));
    }

    void aLayoutWithoutTheReportPrintsNothing()
    {
        const QString data = dataCopy(QStringLiteral("other-layout"));
        chooseUnit(kSampleUnit, data.toStdString());
        QFile layout(data + QStringLiteral("/Raport1.rav"));
        QVERIFY(layout.open(QIODevice::WriteOnly | QIODevice::Truncate));
        layout.write(R"({"reports": [{"name": "Report2", "elements": []}]})");
        layout.close();
        const QString pdf = folder_.filePath(QStringLiteral("other.pdf"));
        QString error;
        QVERIFY(!kelvo::gui::writeUnitDatasheetPdf(*session_, {}, kelvo::kEnglish, pdf, &error));
        QVERIFY(!QFile::exists(pdf));
    }

    void engineOperations()
    {
        const QString path = folder_.filePath(QStringLiteral("engine.rav"));
        QFile layout(path);
        QVERIFY(layout.open(QIODevice::WriteOnly));
        layout.write(R"({"reports": [{"name": "Card", "title": "{Name:value}",
            "page": {"width": 100, "height": 60},
            "elements": [{"type": "text", "rect": [5, 5, 90, 8], "text": "{Name}"},
                         {"type": "fields", "rect": [5, 15, 90, 30], "title": "Data",
                          "parameters": ["Capacity", "Unset"]}]}]})");
        layout.close();

        ReportEngine engine;
        QVERIFY(engine.openProject(path));
        QVERIFY(!engine.selectReport(QStringLiteral("Report1")));
        QVERIFY(!engine.executeToPdf(folder_.filePath(QStringLiteral("nothing.pdf"))));
        QVERIFY(engine.selectReport(QStringLiteral("Card")));
        engine.setParameter(QStringLiteral("Name"), QStringLiteral("Model  : first"));
        engine.setParameter(QStringLiteral("Capacity"), QStringLiteral("Capacity  : 12300 [W]"));
        engine.setParameter(QStringLiteral("NotInTheLayout"), QStringLiteral("ignored"));
        engine.setParameter(QStringLiteral("Name"), QStringLiteral("Model  : AGO-TEST"));
        QCOMPARE(engine.parameters().size(), 3);
        const QString pdf = folder_.filePath(QStringLiteral("card.pdf"));
        QVERIFY2(engine.executeToPdf(pdf), qPrintable(engine.errorText()));
        engine.closeProject();
        QVERIFY(!engine.isOpen());
        QVERIFY(engine.parameters().isEmpty());

        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Model : AGO-TEST")) ||
                text.contains(QStringLiteral("Model  : AGO-TEST")));
        QVERIFY(!text.contains(QStringLiteral("first")));
        QVERIFY(text.contains(QStringLiteral("12300 [W]")));
        QVERIFY(!text.contains(QStringLiteral("ignored")));
    }

    void layoutFaultsNameTheFileAndThePlace()
    {
        const QString path = folder_.filePath(QStringLiteral("broken.rav"));
        QFile layout(path);
        QVERIFY(layout.open(QIODevice::WriteOnly));
        layout.write(R"({"reports": [{"name": "Report1", "elements": [{"type": "circle"}]}]})");
        layout.close();
        ReportEngine engine;
        QVERIFY(!engine.openProject(path));
        QVERIFY2(engine.errorText().contains(path), qPrintable(engine.errorText()));
        QVERIFY2(engine.errorText().contains(QStringLiteral("element 1")),
                 qPrintable(engine.errorText()));

        QVERIFY(layout.open(QIODevice::WriteOnly | QIODevice::Truncate));
        layout.write("{ not json");
        layout.close();
        QVERIFY(!engine.openProject(path));
        QVERIFY(engine.errorText().contains(path));
    }

    void previewOffersPrintAndPdfByKeyboardInTheLanguageAndEscapeClosesIt()
    {
        chooseUnit(kSampleUnit);
        bool shown = false;
        bool closedByEscape = false;
        QStringList buttons;
        QTimer::singleShot(0, this, [&] {
            auto* dialog =
                qobject_cast<kelvo::gui::ReportPreview*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = true;
            for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->focusPolicy() & Qt::TabFocus)
                    buttons << button->text();
            if (!qEnvironmentVariableIsEmpty("KELVO_PREVIEW_SHOT"))
                dialog->grab().save(qEnvironmentVariable("KELVO_PREVIEW_SHOT"));
            QTest::keyClick(dialog, Qt::Key_Escape);
            closedByEscape = !dialog->isVisible();
            dialog->reject();
        });
        languages_.chooseLanguage(kelvo::kPolish);
        kelvo::gui::previewUnitDatasheet(nullptr, *session_, {});
        QVERIFY(shown);
        QVERIFY(closedByEscape);
        // Every button has its Alt letter.
        for (const QString& text : buttons)
            QVERIFY2(text.contains('&'), qPrintable(text));
        QVERIFY2(buttons.contains(QStringLiteral("&Zapisz jako PDF")),
                 qPrintable(buttons.join(", ")));
        QVERIFY2(buttons.contains(QStringLiteral("&Drukuj")), qPrintable(buttons.join(", ")));
        languages_.chooseLanguage(kelvo::kEnglish);
    }

    void accessoryChoicesAreReadFromTheWindowsGroup()
    {
        const kelvo::LanguageTable languages;
        kelvo::gui::AccessoryGroup group(kelvo::gui::AccessoryGroup::Kind::AdditionalBox,
                                         languages);
        const auto& lines = group.lines();
        QCOMPARE(lines.size(), std::size_t{11});
        lines[0].box->setChecked(true);
        lines[3].box->setChecked(true);
        lines[3].quantity->setText(QStringLiteral("2"));
        lines[5].quantity->setText(QStringLiteral("7"));
        lines[10].box->setChecked(true);
        const AdditionalAccessoryChoices choices = kelvo::gui::accessoryChoicesOf(group);
        QCOMPARE(choices.ticked, (std::array<bool, 11>{true, false, false, true, false, false,
                                                       false, false, false, false, true}));
        QCOMPARE(choices.quantities,
                 (std::array<std::string, 3>{std::string("2"), std::string(), std::string("7")}));
    }

    void parameterReferencesInLayoutTexts()
    {
        const kelvo::gui::ParameterLookup lookup =
            [](const QString& name) -> std::optional<QString> {
            if (name == QLatin1String("Q"))
                return QStringLiteral("Cooling capacity  : 9500 [W]");
            return std::nullopt;
        };
        QCOMPARE(kelvo::gui::expandParameters(QStringLiteral("{Q:caption} - Qo"), lookup),
                 QStringLiteral("Cooling capacity - Qo"));
        QCOMPARE(kelvo::gui::expandParameters(QStringLiteral("[{Q:value}]"), lookup),
                 QStringLiteral("[9500 [W]]"));
        QCOMPARE(
            kelvo::gui::expandParameters(QStringLiteral("{Q}|{Missing}|{Missing:value}"), lookup),
            QStringLiteral("Cooling capacity  : 9500 [W]||"));
    }
};

QTEST_MAIN(UnitDatasheetTest)
#include "unit_datasheet_test.moc"
