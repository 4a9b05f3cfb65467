#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "core/reports/editor_pair_report.h"
#include "core/text/code_page.h"
#include "core/workspace/workspace.h"
#include "gui/editor/editor_window.h"
#include "gui/reports/pair_report_window.h"
#include "gui/ui/picture_button.h"
#include "support/editor_window_bench.h"
#include "support/temp_folder.h"
#include "support/workbook_cells.h"

using kelvo::EditorGrid;
using kelvo::gui::EditorWindow;
using kelvo::gui::PairReportWindow;

// The capacity report window opened from the editor's menu, producing a workbook into a
// temporary folder without opening it.
class PairReportWindowTest : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<kelvo::test::EditorWindowBench> bench_;
    QStringList opened_;

    PairReportWindow* openReport()
    {
        bench_->editor->findChild<QAction*>("actionPairReport")->trigger();
        auto* window = qobject_cast<PairReportWindow*>(bench_->editor->pairReport());
        if (!window)
            return nullptr;
        window->setMessagePresenter([this](const QString& text) { bench_->messages << text; });
        window->setOpener([this](const QString& path) {
            opened_ << path;
            return false;
        });
        return window;
    }

    static QString field(QWidget* window, const char* name)
    {
        return window->findChild<QLineEdit*>(name)->text();
    }

    void produceInto(PairReportWindow* window, const std::filesystem::path& file)
    {
        window->setSaveChooser([file](const QString& suggested) {
            Q_UNUSED(suggested);
            return std::optional<QString>(QString::fromStdString(file.string()));
        });
        auto* picture = window->findChild<kelvo::gui::PictureButton*>("Panel1");
        QTest::mouseClick(picture, Qt::LeftButton);
    }

  private slots:
    void init()
    {
        // Every compressor of the refrigerant listed.
        bench_ = std::make_unique<kelvo::test::EditorWindowBench>(
            kelvo::test::EditorWindowBench::Listing::Compressors);
        opened_.clear();
    }

    void cleanup() { bench_.reset(); }

    void opensWithTheDefaultsAndWritesTheReport()
    {
        bench_->editor->clickGridRow(EditorGrid::Compressors, 0);
        bench_->editor->clickGridRow(EditorGrid::Condensers, 0);
        const auto pair = kelvo::currentReportPair(bench_->editor->session());
        QVERIFY(pair);
        PairReportWindow* window = openReport();
        QVERIFY(window);
        QCOMPARE(window->objectName(), QString("TForm3"));
        QCOMPARE(window->windowTitle(), QString::fromUtf8("Parametry wydruku"));
        const auto range =
            kelvo::pairReportDefaults(bench_->workspace->catalogue(), pair->compressor);
        const QStringList expected{
            "27", "32", "38", QString::fromStdString(range.min), QString::fromStdString(range.max),
            "5",  "20", "0"};
        for (int k = 0; k < 8; ++k)
            QCOMPARE(field(window, QString("Edit%1").arg(k + 1).toUtf8().constData()), expected[k]);

        const auto file = bench_->folder->path() / "report.xlsx";
        produceInto(window, file);
        QVERIFY(std::filesystem::is_regular_file(file));
        QCOMPARE(opened_, QStringList{QString::fromStdString(file.string())});
        // No program opened it here, so the message names the file.
        QCOMPARE(bench_->messages.size(), 1);
        QVERIFY(bench_->messages.front().contains("report.xlsx"));

        const kelvo::test::WorkbookCells cells(file);
        const std::string model = kelvo::toUtf8(
            bench_->workspace->catalogue().compressors[pair->compressor].model.view());
        QCOMPARE(cells.at(4, 3).text.value_or(""), model);
        QCOMPARE(cells.at(4, 8).text.value_or(""), std::string("Te"));
        QCOMPARE(cells.at(5, 8).number.value_or(-999), std::stod(range.max));
        QVERIFY(cells.at(7, 9).number);
        QVERIFY(cells.at(8, 8).number);
    }

    // The window names its pair, stays clear of the editor's information group, writes for a
    // Min above Max the one column (Max) the command writes, and gives the focus back.
    void namesItsPairAndWritesWhatTheCommandWrites()
    {
        bench_->editor->show();
        QVERIFY(QTest::qWaitForWindowActive(bench_->editor.get()));
        bench_->editor->clickGridRow(EditorGrid::Compressors, 0);
        bench_->editor->clickGridRow(EditorGrid::Condensers, 0);
        const auto pair = kelvo::currentReportPair(bench_->editor->session());
        QVERIFY(pair);
        PairReportWindow* window = openReport();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QString names = window->findChild<QLabel*>("ReportPair")->text();
        for (const std::string& model :
             {bench_->workspace->catalogue().compressors[pair->compressor].model.str(),
              bench_->workspace->catalogue().condensers[pair->condenser].model.str()})
            QVERIFY(names.contains(QString::fromStdString(model).trimmed()));
        const auto* information = bench_->editor->findChild<QWidget*>("GroupBoxInformation");
        const QRect panel(information->mapToGlobal(QPoint(0, 0)), information->size());
        QVERIFY(!window->frameGeometry().intersects(panel));

        window->findChild<QLineEdit*>("Edit4")->setText("20");
        window->findChild<QLineEdit*>("Edit5")->setText("10");
        const auto file = bench_->folder->path() / "one column.xlsx";
        produceInto(window, file);
        const kelvo::test::WorkbookCells cells(file);
        QCOMPARE(cells.at(5, 8).number.value_or(-999), 10.0);
        QVERIFY(cells.at(7, 9).number);
        QVERIFY(!cells.at(5, 10).number);

        window->close();
        QTRY_VERIFY(bench_->editor->isActiveWindow());
        QVERIFY(QApplication::focusWidget() &&
                QApplication::focusWidget()->window() == bench_->editor.get());
    }

    void aChangeOfRowsClosesTheWindowMadeForThem()
    {
        bench_->editor->clickGridRow(EditorGrid::Compressors, 0);
        bench_->editor->clickGridRow(EditorGrid::Condensers, 0);
        QPointer<PairReportWindow> window = openReport();
        QVERIFY(window);
        bench_->editor->runCommand(kelvo::RowCommand::AddCompressor);
        QTRY_VERIFY(!window);
        QVERIFY(!bench_->editor->pairReport());
    }

    void aStepOfZeroWritesNothing()
    {
        bench_->editor->clickGridRow(EditorGrid::Compressors, 0);
        bench_->editor->clickGridRow(EditorGrid::Condensers, 0);
        PairReportWindow* window = openReport();
        QVERIFY(window);
        window->findChild<QLineEdit*>("Edit6")->setText("0");
        const auto file = bench_->folder->path() / "none.xlsx";
        produceInto(window, file);
        QVERIFY(!std::filesystem::exists(file));
        QVERIFY(opened_.isEmpty());
        QCOMPARE(bench_->messages.size(), 1);
    }
};

QTEST_MAIN(PairReportWindowTest)
#include "pair_report_window_test.moc"
