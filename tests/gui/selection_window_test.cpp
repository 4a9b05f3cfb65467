#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/refrigerant/refrigerant_file.h"
#include "core/selection/candidate_list.h"
#include "core/selection/capacity_search.h"
#include "core/selection/selection_session.h"
#include "core/text/display_units.h"
#include "core/text/message_sink.h"
#include "core/workspace/workspace.h"
#include "gui/selection/compare_window.h"
#include "gui/selection/performance_curves_page.h"
#include "gui/selection/selection_window.h"
#include "gui/ui/picture_button.h"
#include "support/temp_folder.h"

using kelvo::LanguageTable;
using kelvo::UnitFamily;
using kelvo::Workspace;
using kelvo::gui::SelectionWindow;

class SelectionWindowTest : public QObject
{
    Q_OBJECT

  private:
    LanguageTable languages_;
    std::unique_ptr<kelvo::RefrigerantLoad> refrigerants_;
    std::unique_ptr<Workspace> workspace_;
    std::unique_ptr<SelectionWindow> window_;
    QStringList messages_;

    void openWindow(UnitFamily family, const std::filesystem::path& folder = KELVO_SOURCE_DATA_DIR)
    {
        window_.reset();
        workspace_.reset();
        refrigerants_ = std::make_unique<kelvo::RefrigerantLoad>(kelvo::loadRefrigerants(folder));
        workspace_ = std::make_unique<Workspace>(folder, refrigerants_->registry);
        window_ = std::make_unique<SelectionWindow>(*workspace_, languages_, family);
        window_->setMessagePresenter([this](const QStringList& m) { messages_ << m; });
        window_->open();
    }

    const kelvo::SelectionState& selection() const { return window_->session().state(); }

    template <class T> T* child(const char* name)
    {
        auto* widget = window_->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    void tick(const char* name) { child<QCheckBox>(name)->click(); }

    QStringList gridColumn(int column)
    {
        const auto* grid = child<QTableView>("StringGrid1")->model();
        QStringList texts;
        for (int r = 0; r < grid->rowCount(); ++r)
            texts << grid->index(r, column).data().toString();
        return texts;
    }

    // The list the core builds for the same inputs, independently of the window.
    QStringList coreNames(UnitFamily family, const char* refrigerant,
                          const std::function<void(kelvo::SelectionInputs&)>& filters)
    {
        Workspace workspace(KELVO_SOURCE_DATA_DIR);
        kelvo::SelectionSession session(workspace, languages_, family);
        kelvo::DiscardingMessageSink sink;
        session.open(sink);
        kelvo::SelectionInputs inputs = session.state();
        filters(inputs);
        session.setInputs(inputs, sink);
        session.chooseRefrigerant(refrigerant, sink);
        QStringList names;
        for (const auto& row : session.state().candidates.rows)
            names << QString::fromLatin1(row.unitName.view().data(),
                                         static_cast<int>(row.unitName.size()));
        return names;
    }

  private slots:
    // A test that chose another language and failed leaves the next one in English all the same.
    void init()
    {
        languages_.chooseLanguage(kelvo::kEnglish);
        messages_.clear();
    }

    void opensWithTheDefaultInputsAndAnEmptyDisabledList()
    {
        openWindow(UnitFamily::Box);
        auto* evaporating = child<QComboBox>("ComboBox1");
        QCOMPARE(evaporating->count(), 59);
        QCOMPARE(evaporating->itemText(0), QString("12,5"));
        QCOMPARE(evaporating->itemText(58), QString("-45"));
        QCOMPARE(evaporating->currentText(), QString("0"));
        auto* ambient = child<QComboBox>("ComboBox2");
        QCOMPARE(ambient->count(), 51);
        QCOMPARE(ambient->currentText(), QString("32"));
        auto* refrigerant = child<QComboBox>("ComboBox3");
        QCOMPARE(refrigerant->count(), 12); // the four built in and those of the data folder
        QCOMPARE(refrigerant->currentText(), QString("R404A"));
        QCOMPARE(refrigerant->itemText(11), QString("R1234yf"));
        QCOMPARE(child<QLabel>("RefrigerantFacts")->text(), QString("GWP 3922 · A1"));
        QVERIFY(child<QLineEdit>("Edit1")->text().isEmpty());
        for (int n = 38; n <= 45; ++n)
            QVERIFY(!child<QCheckBox>(QString("CheckBox%1").arg(n).toLatin1())->isChecked());
        QVERIFY(!child<QTableView>("StringGrid1")->isEnabled());
        QCOMPARE(
            child<QTableView>("StringGrid1")->model()->headerData(0, Qt::Horizontal).toString(),
            QString("Item"));
        QVERIFY(!child<QWidget>("GroupBox8")->isVisibleTo(window_.get()));
        QVERIFY(child<QWidget>("GroupBox15")->isVisibleTo(window_.get()));
        QVERIFY(!child<QWidget>("GroupBox3")->isVisibleTo(window_.get()));
        QVERIFY(messages_.isEmpty());
    }

    void filtersListExactlyTheUnitsTheCoreLists()
    {
        openWindow(UnitFamily::Box);
        tick("CheckBox41"); // COPELAND
        tick("CheckBox38"); // scroll
        QVERIFY(child<QTableView>("StringGrid1")->isEnabled());
        const QStringList expected = coreNames(UnitFamily::Box, "R404A", [](auto& s) {
            s.brand("Copeland") = true;
            s.kind("SPIRAL") = true;
        });
        QVERIFY(!expected.isEmpty());
        QCOMPARE(gridColumn(1), expected);

        child<QComboBox>("ComboBox3")->setCurrentText("R22");
        const QStringList r22 = coreNames(UnitFamily::Box, "R22", [](auto& s) {
            s.brand("Copeland") = true;
            s.kind("SPIRAL") = true;
        });
        QCOMPARE(gridColumn(1), r22);
        QVERIFY(r22 != expected);
    }

    void unitsOutsideTheirEnvelopeAreMarkedExplainedAndCanBeHidden()
    {
        openWindow(UnitFamily::Box);
        tickEverything();
        child<QComboBox>("ComboBox1")->setCurrentText("-10");
        QCOMPARE(selection().evaporatingTemperature, -10.0);
        const auto* list = child<QTableView>("StringGrid1")->model();
        const int row = selection().candidates.rowOfUnit(21) - 1;
        QVERIFY(row >= 0);
        QCOMPARE(list->index(row, 2).data().toString(), QString("2900#"));
        QCOMPARE(list->index(row, 3).data().toString(), QString("2,1#"));
        QCOMPARE(list->index(row, 2).data(Qt::ToolTipRole).toString(),
                 QString("Outside the compressor's operating envelope (to -10 C, tk 58,4 C)"));
        const int all = list->rowCount();

        // Its details: the tables mark their points, a legend explains the marks, and the
        // envelope page draws the compressor's outline.
        window_->chooseRow(row + 1);
        const auto* qo = child<QTableView>("StringGrid2")->model();
        QVERIFY(qo->index(1, 1).data().toString().endsWith('#'));
        QVERIFY(child<QLabel>("MarkLegend")->text().contains("# outside the compressor"));
        QVERIFY(child<QLabel>("MarkLegend")->text().contains(QString::fromUtf8("70\u00a0C")));
        auto* pages = child<QTabWidget>("PageControl1");
        auto* chart = child<QWidget>("EnvelopeChart");
        QCOMPARE(pages->tabText(pages->indexOf(chart)).replace(QChar('\n'), QChar(' ')),
                 QString("Operating envelope"));
        pages->setCurrentWidget(chart);
        chart->resize(489, 300);
        const QImage drawn = chart->grab().toImage();
        int blue = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                blue += drawn.pixelColor(x, y) == QColor(0, 0, 255);
        QVERIFY2(blue > 50, "the envelope is drawn");

        auto* inside = child<QCheckBox>("InsideEnvelopeOnly");
        QCOMPARE(inside->text(), QString("Only units inside the compressor envelope"));
        QVERIFY(!inside->isChecked());
        inside->click();
        QCOMPARE(list->rowCount(), all - 3);
        QVERIFY(!gridColumn(2).join(' ').contains('#'));
        inside->click();
        QCOMPARE(list->rowCount(), all);

        // The export button writes the list and the chosen unit's range where the user says.
        const kelvo::test::TempFolder folder;
        const QString file = QString::fromStdString((folder.path() / "units.csv").string());
        QString suggested;
        window_->setExportChooser([&](const QString& path) -> std::optional<QString> {
            suggested = path;
            return file;
        });
        window_->chooseRow(selection().candidates.rowOfUnit(21));
        window_->exportFigures();
        QVERIFY(suggested.endsWith("R404A -10 32.xlsx"));
        const std::string csv = folder.read("units.csv");
        QVERIFY(csv.find("3;21;AGO-KH098L;2900;2,1;58,4;outside;#;") != std::string::npos);
        QVERIFY(csv.find("\r\nModel;AGO-KH098L\r\n") != std::string::npos);
        QVERIFY(messages_.isEmpty());

        // Never over a file of the data folder: refused with its name, the file as it was.
        const auto data = kelvo::test::copyOfSampleData();
        openWindow(UnitFamily::Box, data->path());
        const std::string catalogue = data->read("Agregaty.txt");
        window_->setExportChooser([&](const QString&) -> std::optional<QString> {
            return QString::fromStdString((data->path() / "Agregaty.txt").string());
        });
        window_->exportFigures();
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.front().contains("Agregaty.txt"), qPrintable(messages_.front()));
        QVERIFY(data->read("Agregaty.txt") == catalogue);
    }

    void aBaseUnitNeedsItsVersionTicked()
    {
        openWindow(UnitFamily::Base);
        for (const char* box :
             {"CheckBox38", "CheckBox39", "CheckBox40", "CheckBox41", "CheckBox42", "CheckBox43"})
            tick(box);
        QVERIFY(!child<QTableView>("StringGrid1")->isEnabled());
        tick("CheckBox44"); // SB
        const auto& rows = selection().candidates.rows;
        QVERIFY(!rows.empty());
        QCOMPARE(gridColumn(1).size(), static_cast<qsizetype>(rows.size()));
        for (const auto& row : rows)
            QCOMPARE(workspace_->catalogue().units[row.unitIndex].version.view(),
                     std::string_view("SB"));
    }

    void theCapacitySearchChoosesTheCoreRowAndShowsItsDetails()
    {
        openWindow(UnitFamily::Box);
        for (const char* box :
             {"CheckBox38", "CheckBox39", "CheckBox40", "CheckBox41", "CheckBox42", "CheckBox43"})
            tick(box);
        const auto expected = kelvo::searchByCapacity(selection().candidates, "10000");
        QVERIFY(expected);
        child<QLineEdit>("Edit1")->setText("10000");
        window_->searchCapacity();
        auto* grid = child<QTableView>("StringGrid1");
        const auto cell = [grid](int row, int column) {
            return grid->model()->index(row, column).data().toString();
        };
        QCOMPARE(grid->currentIndex().row() + 1, *expected);
        QCOMPARE(child<QLabel>("Panel3")->text(), cell(*expected - 1, 1));
        QCOMPARE(child<QLabel>("Panel6")->text(), cell(*expected - 1, 2));
        QVERIFY(!child<QLabel>("Panel13")->text().isEmpty());
        const auto* range = child<QTableView>("StringGrid2")->model();
        QCOMPARE(range->index(0, 0).data().toString(), QString("[C]"));
        QCOMPARE(range->index(2, 0).data().toString(), QString("32"));
        QVERIFY(!range->index(1, 1).data().toString().isEmpty());

        child<QLineEdit>("Edit1")->setText("abc"); // not a number: nothing changes
        window_->searchCapacity();
        QCOMPARE(grid->currentIndex().row() + 1, *expected);
    }

    // "also at 43 C" adds the core's fourth row to both tables and a fourth curve, and takes
    // them away again.
    void theExtraAmbientAddsARowAndACurve()
    {
        openWindow(UnitFamily::Box);
        tickEverything();
        window_->chooseRow(1);
        const auto* range = child<QTableView>("StringGrid2")->model();
        const auto* curves = child<kelvo::gui::PerformanceCurvesPage>("PerformanceCurves");
        QCOMPARE(range->rowCount(), 4);
        tick("ExtraAmbient");
        QCOMPARE(range->rowCount(), 5);
        QCOMPARE(range->index(4, 0).data().toString(), QString("43"));
        const auto& column = selection().details->range.columns.at(0);
        QCOMPARE(range->index(4, 1).data().toString(),
                 QString::fromStdString(column.capacity.at(3).shown()));
        QVERIFY(curves->curves().has_value());
        QCOMPARE(curves->curves()->capacity.size(), std::size_t{4});
        tick("ExtraAmbient");
        QCOMPARE(range->rowCount(), 4);
        QCOMPARE(curves->curves()->capacity.size(), std::size_t{3});
    }

    // The inch-pound choice shows every figure converted, computes nothing again, follows the
    // next change and gives back exactly the SI texts; the capacity is typed in Btu/h.
    void theUnitsChoiceConvertsWhatIsShownAndSwitchesBack()
    {
        openWindow(UnitFamily::Box);
        tickEverything();
        child<QComboBox>("ComboBox1")->setCurrentText("-10");
        window_->chooseRow(3);
        const auto* list = child<QTableView>("StringGrid1")->model();
        const auto* range = child<QTableView>("StringGrid2")->model();
        const auto shownTexts = [&] {
            return QStringList{list->headerData(2, Qt::Horizontal).toString(),
                               list->index(2, 2).data().toString(),
                               range->index(0, 1).data().toString(),
                               range->index(1, 0).data().toString(),
                               range->index(1, 1).data().toString(),
                               child<QLabel>("Panel6")->text(),
                               child<QLabel>("Panel13")->text(),
                               child<QComboBox>("ComboBox1")->currentText(),
                               child<QGroupBox>("GroupBox14")->title()};
        };
        const QStringList si = shownTexts();
        const auto ip = [](const QString& text, kelvo::Quantity quantity) {
            return QString::fromStdString(kelvo::figureTextIn(text.toStdString(), quantity,
                                                              kelvo::UnitSystem::InchPound, ','));
        };
        auto* units = child<QComboBox>("UnitsBox");
        QCOMPARE(units->currentIndex(), 0);
        units->setCurrentIndex(1);
        const QStringList shown = shownTexts();
        QCOMPARE(shown[0], QString("Qo [Btu/h]"));
        QCOMPARE(shown[1], ip(si[1], kelvo::Quantity::Capacity));
        QCOMPARE(shown[2], ip(si[2], kelvo::Quantity::Temperature));
        QCOMPARE(shown[3], QString("80,6"));
        QCOMPARE(shown[4], ip(si[4], kelvo::Quantity::Capacity));
        QCOMPARE(shown[5], ip(si[5], kelvo::Quantity::Capacity));
        QCOMPARE(shown[6], ip(si[6], kelvo::Quantity::Temperature));
        QCOMPARE(shown[7], QString("14 °F (-10 °C)"));
        QVERIFY(shown[8].endsWith("[Btu/h]"));
        QCOMPARE(selection().evaporatingTemperature, -10.0);
        QCOMPARE(child<kelvo::gui::PerformanceCurvesPage>("PerformanceCurves")->curves()->workingTo,
                 std::optional(14.0));
        // A change made in inch-pound units is shown in them.
        tick("ExtraAmbient");
        QCOMPARE(range->index(4, 0).data().toString(), QString("109,4"));
        tick("ExtraAmbient");
        units->setCurrentIndex(0);
        QCOMPARE(shownTexts(), si);

        units->setCurrentIndex(1);
        child<QLineEdit>("Edit1")->setText("34121"); // 10 000 W
        window_->searchCapacity();
        const auto chosenInBtuh = selection().selectedRow;
        QVERIFY(chosenInBtuh && *chosenInBtuh != 1);
        units->setCurrentIndex(0);
        window_->chooseRow(1);
        child<QLineEdit>("Edit1")->setText("10000");
        window_->searchCapacity();
        QCOMPARE(selection().selectedRow, chosenInBtuh);
        openWindow(UnitFamily::Box); // every window starts in SI
        QCOMPARE(child<QComboBox>("UnitsBox")->currentIndex(), 0);
    }

    void tickEverything()
    {
        for (const char* box :
             {"CheckBox38", "CheckBox39", "CheckBox40", "CheckBox41", "CheckBox42", "CheckBox43"})
            tick(box);
    }

    // At the size it opens with on a screen of 1280 x 720, in every language and family, on
    // every page of the details: no scroll bar, every button and the legend inside the window,
    // no caption cut short, no tab behind scroll arrows.
    void everythingFitsTheFirstSizeInEveryLanguage()
    {
        for (const UnitFamily family : {UnitFamily::Box, UnitFamily::Base})
            for (int language = 1; language <= kelvo::kLanguageCount; ++language) {
                languages_.chooseLanguage(language);
                openWindow(family);
                window_->show();
                QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
                QVERIFY(QRect(0, 0, 1280, 720).contains(window_->frameGeometry()));
                // With the tallest refrigerant choice: a flammable one adds its warning.
                child<QComboBox>("ComboBox3")->setCurrentText("R290");
                const QString where = QString("language %1, %2")
                                          .arg(language)
                                          .arg(family == UnitFamily::Base ? "BASE" : "BOX");
                auto* scroll = child<QScrollArea>("SelectionScroll");
                const QRect inside = window_->rect();
                // Also with a unit shown and the range tables' extra row.
                for (const bool extraRow : {false, true}) {
                    if (extraRow) {
                        tickEverything();
                        if (family == UnitFamily::Base)
                            tick("CheckBox44");
                        window_->chooseRow(1);
                        QVERIFY2(selection().details.has_value(), qPrintable(where));
                        tick("ExtraAmbient");
                        // After a switch of refrigerant, and back.
                        for (const char* refrigerant : {"R449A", "R290"}) {
                            child<QComboBox>("ComboBox3")->setCurrentText(refrigerant);
                            window_->chooseRow(1);
                        }
                    }
                    auto* pages = child<QTabWidget>("PageControl1");
                    for (int page = 0; page < pages->count(); ++page) {
                        pages->setCurrentIndex(page);
                        QApplication::processEvents();
                        const QString on = where + QString(", page %1").arg(page);
                        QVERIFY2(!scroll->verticalScrollBar()->isVisible(), qPrintable(on));
                        QVERIFY2(!scroll->horizontalScrollBar()->isVisible(), qPrintable(on));
                        // Every wrapped text whole.
                        for (const QLabel* label : window_->findChildren<QLabel*>())
                            if (label->wordWrap() && label->isVisible() && !label->text().isEmpty())
                                QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                                         qPrintable(on + ": " + label->text()));
                    }
                    for (const char* name : {"Panel10", "Panel41", "ExportPanel", "Panel5",
                                             "ComparePanel", "MarkLegend", "StringGrid3"}) {
                        const auto* widget = child<QWidget>(name);
                        const QRect at(widget->mapTo(window_.get(), QPoint(0, 0)), widget->size());
                        QVERIFY2(inside.contains(at), qPrintable(where + ": " + name));
                    }
                }
                for (const QTabBar* bar : window_->findChildren<QTabBar*>()) {
                    const QRect last = bar->tabRect(bar->count() - 1);
                    QVERIFY2(last.right() < bar->width(), qPrintable(where));
                }
                for (const QCheckBox* box : window_->findChildren<QCheckBox*>())
                    if (box->isVisibleTo(window_.get()) && !box->text().isEmpty())
                        QVERIFY2(box->width() >= box->sizeHint().width(),
                                 qPrintable(where + ": " + box->text()));
                for (const auto* button : window_->findChildren<kelvo::gui::PictureButton*>())
                    QVERIFY2(button->width() >= button->captionWidth(), qPrintable(where));
                for (const QGroupBox* box : window_->findChildren<QGroupBox*>())
                    if (box->isVisibleTo(window_.get()))
                        QVERIFY2(box->width() >= box->fontMetrics().horizontalAdvance(box->title()),
                                 qPrintable(where + ": " + box->title()));
                // A flammable refrigerant's facts and warning beside the choice, uncut.
                const auto* facts = child<QLabel>("RefrigerantFacts");
                QVERIFY2(facts->text().contains(QString::fromUtf8(kelvo::ownText(
                             kelvo::OwnText::FlammableRefrigerant, language, "A3"))) &&
                             facts->height() >= facts->heightForWidth(facts->width()),
                         qPrintable(where + ": " + facts->text()));
            }
        languages_.chooseLanguage(kelvo::kEnglish);
    }

    void tabReachesEveryControlInOrderAndLeavesTheList()
    {
        openWindow(UnitFamily::Box);
        tickEverything();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        child<QComboBox>("ComboBox3")->setFocus();
        QStringList reached;
        for (int i = 0; i < 40; ++i) {
            reached << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // In reading order: inputs, filters, the buttons under them, the list; every table is
        // one stop, so one Tab leaves each range table.
        const QStringList expected{
            "ComboBox3",          "ComboBox1",    "ComboBox2",    "Edit1",      "CheckBox38",
            "CheckBox39",         "CheckBox40",   "CheckBox41",   "CheckBox42", "CheckBox43",
            "InsideEnvelopeOnly", "ExtraAmbient", "UnitsBox",     "Panel10",    "Panel41",
            "ExportPanel",        "Panel5",       "ComparePanel", "StringGrid1"};
        QCOMPARE(reached.mid(0, expected.size()), expected);
        const auto at = [&](const char* name) { return reached.indexOf(name); };
        QVERIFY2(at("StringGrid2") > at("StringGrid1"), qPrintable(reached.join(" ")));
        QCOMPARE(at("StringGrid3"), at("StringGrid2") + 1);
        QCOMPARE(reached.count("StringGrid2"), reached.count("StringGrid3"));
        QCOMPARE(reached[at("StringGrid3") + 1], QStringLiteral("ComboBox3"));

        // Alt and a button's underlined letter click it.
        const auto* datasheet = child<kelvo::gui::PictureButton>("Panel41");
        QVERIFY(datasheet->findChild<QLabel*>()->text().contains("<u>"));

        // A focused picture button answers Enter as a click.
        child<QLineEdit>("Edit1")->setText("10000");
        auto* search = child<kelvo::gui::PictureButton>("Panel5");
        search->setFocus();
        QTest::keyClick(search, Qt::Key_Return);
        QVERIFY(selection().selectedRow);
    }

    void enterSearchesAndTheArrowKeysShowEachUnit()
    {
        openWindow(UnitFamily::Box);
        tickEverything();
        const auto expected = kelvo::searchByCapacity(selection().candidates, "10000");
        QVERIFY(expected && *expected > 1);
        auto* edit = child<QLineEdit>("Edit1");
        edit->setText("10000");
        QTest::keyClick(edit, Qt::Key_Return);
        auto* grid = child<QTableView>("StringGrid1");
        QCOMPARE(grid->currentIndex().row() + 1, *expected);

        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(*selection().selectedRow, *expected - 1);
        QCOMPARE(child<QLabel>("Panel3")->text(),
                 grid->model()->index(*expected - 2, 1).data().toString());
        QTest::keyClick(grid, Qt::Key_Home);
        QCOMPARE(*selection().selectedRow, 1);
        QCOMPARE(child<QLabel>("Panel3")->text(), grid->model()->index(0, 1).data().toString());
    }

    void detailsFollowTheInputsOrAreGreyedOut()
    {
        openWindow(UnitFamily::Box);
        tickEverything();
        window_->chooseRow(1);
        const int unit = selection().details->unitIndex;
        auto* pages = child<QTabWidget>("PageControl1");
        auto* evaporating = child<QComboBox>("ComboBox1");
        evaporating->setCurrentText("-5");
        if (selection().candidates.rowOfUnit(unit) != 0) {
            QCOMPARE(selection().details->unitIndex, unit);
            QCOMPARE(selection().details->data.evaporatingTemperature, std::string("-5"));
            QVERIFY(pages->isEnabled());
        }
        // A temperature that no unit reaches: the details stay, greyed out, and the datasheet
        // asks for a unit instead of printing the old one.
        evaporating->setCurrentText("12,5");
        if (selection().candidates.rowOfUnit(unit) == 0) {
            QVERIFY(!pages->isEnabled());
            QVERIFY(!child<QLabel>("OutdatedDetailsNote")->isHidden());
            messages_.clear();
            child<kelvo::gui::PictureButton>("Panel41")->setFocus();
            QTest::keyClick(child<kelvo::gui::PictureButton>("Panel41"), Qt::Key_Space);
            QCOMPARE(messages_, QStringList{"Choose a unit in the list first."});
        }
    }

    // After a switch the highlighted row is the unit shown in full, with its range table, or no
    // row is highlighted and the details are greyed out; the requirement follows the units.
    void theHighlightedRowIsTheUnitShownAndTheRequirementFollowsTheUnits()
    {
        openWindow(UnitFamily::Box);
        tickEverything();
        auto* grid = child<QTableView>("StringGrid1");
        const auto switchTo = [&](int row, const std::function<void()>& change) {
            window_->chooseRow(row);
            change();
            const auto rows = grid->selectionModel()->selectedRows();
            const auto shown = window_->session().highlightedRow();
            QCOMPARE(rows.isEmpty() ? std::nullopt : std::optional(rows[0].row() + 1), shown);
            QCOMPARE(child<QLabel>("OutdatedDetailsNote")->isHidden(), shown.has_value());
            if (shown)
                QVERIFY(!child<QTableView>("StringGrid2")->model()->index(1, 1).data().isNull());
        };
        const auto refrigerant = [&](const char* name) {
            return [this, name] { child<QComboBox>("ComboBox3")->setCurrentText(name); };
        };
        switchTo(4, refrigerant("R449A"));
        switchTo(1, refrigerant("R290"));
        switchTo(1, refrigerant("R404A"));
        switchTo(3, [&] { tick("InsideEnvelopeOnly"); });

        child<QLineEdit>("Edit1")->setText("10000");
        child<QComboBox>("UnitsBox")->setCurrentIndex(1);
        QCOMPARE(child<QLineEdit>("Edit1")->text(), QString("34121"));
    }

    void theEmptyListAndTheSearchSayWhatHappened()
    {
        openWindow(UnitFamily::Box);
        auto* hint = child<QLabel>("EmptyListHint");
        QVERIFY(!hint->isHidden());
        QVERIFY(hint->text().contains("Compressor brand"));
        tickEverything();
        QVERIFY(hint->isHidden());

        child<QLineEdit>("Edit1")->setText("99999999");
        window_->searchCapacity();
        QVERIFY(child<QStatusBar>("StatusBar1")
                    ->currentMessage()
                    .startsWith("No unit reaches 99999999 W"));
        child<QLineEdit>("Edit1")->setText("ten");
        window_->searchCapacity();
        QCOMPARE(child<QStatusBar>("StatusBar1")->currentMessage(),
                 QString::fromUtf8("The required capacity “ten” is not a number."));
    }

    void aCatalogueFileCutShortIsNotedInTheStatusBar()
    {
        const auto folder = kelvo::test::copyOfSampleData();
        const auto units = folder->path() / "Agregaty.txt";
        std::filesystem::resize_file(units, std::filesystem::file_size(units) - 2000);
        openWindow(UnitFamily::Box, folder->path());
        auto* note = child<QLabel>("LoadNotes");
        QVERIFY(note->text().contains(QString::fromStdString(units.string())));
        QVERIFY(note->text().contains("announces"));
    }

    // Ticked in the first column, up to four units open side by side in a window of their own.
    void tickedUnitsAreComparedInAWindowThatEscapeCloses()
    {
        openWindow(UnitFamily::Box);
        tickEverything();
        auto* model = child<QTableView>("StringGrid1")->model();
        const auto mark = [&](int row, bool on) {
            model->setData(model->index(row, 0), on ? Qt::Checked : Qt::Unchecked,
                           Qt::CheckStateRole);
        };
        mark(0, true);
        window_->compareMarkedUnits();
        QCOMPARE(messages_, QStringList{"Choose two to four units to compare (1 chosen)"});
        for (const int row : {2, 4, 5, 6})
            mark(row, true);
        QCOMPARE(child<QStatusBar>("StatusBar1")->currentMessage(),
                 QString("At most four units can be compared"));
        QCOMPARE(model->index(6, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        auto* grid = child<QTableView>("StringGrid1");
        grid->setCurrentIndex(model->index(5, 2));
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(window_->session().comparedRows(), (std::vector<int>{1, 3, 5}));

        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        grid->setFocus();
        window_->compareMarkedUnits();
        auto* compare = child<kelvo::gui::CompareWindow>("CompareWindow");
        QVERIFY(compare->isWindow());
        QVERIFY(QTest::qWaitForWindowExposed(compare));
        const auto* table = compare->findChild<QTableWidget*>("CompareTable");
        QCOMPARE(table->columnCount(), 5);
        QCOMPARE(table->item(0, 2)->text(), model->index(0, 1).data().toString());
        QCOMPARE(table->item(1, 4)->text(), model->index(4, 2).data().toString().remove('#'));
        QVERIFY2(table->item(1, 4)->font().bold(), "the largest capacity is highlighted");
        // Three units side by side within the screen, every text whole in its cell.
        QVERIFY(QRect(0, 0, 1280, 720).contains(compare->frameGeometry()));
        QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
        const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        for (const QTableWidgetItem* item : table->findItems("", Qt::MatchContains)) {
            const QRect cell = table->visualItemRect(item).adjusted(margin, 0, -margin, 0);
            const QRect needed =
                QFontMetrics(item->font())
                    .boundingRect(QRect(0, 0, cell.width(), 10000), Qt::TextWordWrap, item->text());
            QVERIFY2(needed.width() <= cell.width() && needed.height() <= cell.height(),
                     qPrintable(item->text()));
        }

        const kelvo::test::TempFolder folder;
        const QString pdf = QString::fromStdString((folder.path() / "compare.pdf").string());
        compare->setFileChooser([&](const QString&, const QString&) { return pdf; });
        compare->writePdf();
        QVERIFY(folder.read("compare.pdf").starts_with("%PDF"));

        QPointer<QWidget> open(compare);
        QTest::keyClick(compare, Qt::Key_Escape);
        QTRY_VERIFY(open.isNull());
        // The keyboard is back on the list, which shows that it has it.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid));
        const QImage list = grid->viewport()->grab().toImage();
        const QColor focusMark = grid->palette().color(QPalette::Highlight);
        int marked = 0;
        for (int y = 0; y < list.height(); ++y)
            marked += list.pixelColor(2, y) == focusMark || list.pixelColor(3, y) == focusMark;
        QVERIFY2(marked > list.height() / 4, qPrintable(QString::number(marked)));
    }

    void reopeningRestoresTheDefaults()
    {
        openWindow(UnitFamily::Box);
        tick("CheckBox41");
        child<QComboBox>("ComboBox1")->setCurrentText("-10");
        openWindow(UnitFamily::Box);
        QCOMPARE(child<QComboBox>("ComboBox1")->currentText(), QString("0"));
        QVERIFY(!child<QCheckBox>("CheckBox41")->isChecked());
        QVERIFY(!selection().brand("Copeland"));
    }
};

QTEST_MAIN(SelectionWindowTest)
#include "selection_window_test.moc"
