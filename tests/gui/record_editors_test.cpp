#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/workspace/workspace.h"
#include "gui/app/information_window.h"
#include "gui/drawing/drawing_view.h"
#include "gui/editor/editor_window.h"
#include "gui/editor/error_list_window.h"
#include "gui/editor/record_editor_window.h"
#include "support/editor_window_bench.h"
#include "support/fresh_look.h"
#include "support/temp_folder.h"
#include "support/workspace_edits.h"

using kelvo::EditorGrid;
using kelvo::gui::EditorWindow;
using kelvo::gui::RecordEditorWindow;

// The record editors and the row commands, driven through the editor window's grids and menus.
class RecordEditorsTest : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<kelvo::test::EditorWindowBench> bench_;
    QStringList prompts_;
    QString answer_;

    template <class T> T* child(QWidget* window, const char* name)
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no %s", name);
        return found;
    }

    QTableView* grid(const char* name) { return child<QTableView>(bench_->editor.get(), name); }

    // The table index in data row `row` of a grid.
    int indexAt(const char* gridName, int row)
    {
        return grid(gridName)->model()->index(row, 0).data().toInt();
    }

    void doubleClick(const char* gridName, int row)
    {
        QTableView* view = grid(gridName);
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }

    RecordEditorWindow* openEditorOf(const char* windowName)
    {
        RecordEditorWindow* window = bench_->editor->recordEditor();
        if (!window || window->objectName() != windowName)
            return nullptr;
        return window;
    }

    void closeRecordEditor(RecordEditorWindow* window)
    {
        window->close();
        QTRY_VERIFY(bench_->editor->isEnabled());
        QTRY_VERIFY(!bench_->editor->recordEditor());
    }

    void trigger(const char* action) { child<QAction>(bench_->editor.get(), action)->trigger(); }

  private slots:
    void init()
    {
        // Every compressor and unit of the refrigerant listed.
        bench_ = std::make_unique<kelvo::test::EditorWindowBench>(
            kelvo::test::EditorWindowBench::Listing::CompressorsAndUnits,
            [this](EditorWindow& editor) {
                editor.setPrompt(
                    [this](const QString& caption, const QString& prompt, const QString&) {
                        prompts_ << caption + " " + prompt;
                        return answer_.isNull() ? std::optional<QString>()
                                                : std::optional<QString>(answer_);
                    });
                // The questions before deleting a used record or copying over one are answered
                // Yes.
                editor.setConfirmation([](const QString&) { return true; });
            });
        prompts_.clear();
        answer_ = QString();
    }

    void cleanup() { bench_.reset(); }

    // The window shows what a fresh click on the highlighted unit shows, and highlights it.
    void expectUnitShownAfresh(const char* step, std::optional<int> unit)
    {
        const kelvo::EditorSession& session = bench_->editor->session();
        QCOMPARE(session.grid(EditorGrid::Units).currentIndex(), unit);
        QCOMPARE(kelvo::test::lookOf(session), kelvo::test::freshLook(session, EditorGrid::Units));
        QCOMPARE(child<QLabel>(bench_->editor.get(), "Panel7")->text(),
                 QString::fromStdString(session.panels().capacity));
        QTableView* units = grid("StringGrid4");
        if (unit)
            QCOMPARE(units->currentIndex().siblingAtColumn(0).data().toInt(), *unit);
        else
            QVERIFY2(!units->selectionModel()->hasSelection(), step);
    }

    void theDisplayFollowsEditsUndoRedoDeletesAndTheRefrigerant()
    {
        bench_->editor->clickGridRow(EditorGrid::Units, 2);
        const int unit = indexAt("StringGrid4", 2);
        const QString before = child<QLabel>(bench_->editor.get(), "Panel7")->text();
        QVERIFY(!before.isEmpty());

        // The unit's compressor is highlighted; its editor changes C0 of the capacity.
        trigger("actionEditCompressor");
        RecordEditorWindow* window = openEditorOf("TForm8");
        QVERIFY(window);
        QLineEdit* c0 = child<QLineEdit>(window, "Edit16");
        c0->setText("25000");
        closeRecordEditor(window);
        expectUnitShownAfresh("edited", unit);
        QVERIFY(child<QLabel>(bench_->editor.get(), "Panel7")->text() != before);
        trigger("actionUndo");
        expectUnitShownAfresh("undone", unit);
        QCOMPARE(child<QLabel>(bench_->editor.get(), "Panel7")->text(), before);
        trigger("actionRedo");
        expectUnitShownAfresh("done again", unit);

        // Its compressor deleted: no figures of it stay on show.
        trigger("actionDeleteCompressor");
        expectUnitShownAfresh("compressor deleted", unit);
        QVERIFY(child<QLabel>(bench_->editor.get(), "Panel7")->text().isEmpty());
        trigger("actionUndo");
        expectUnitShownAfresh("delete undone", unit);

        // Another refrigerant lists other units: nothing of this one is shown.
        bench_->editor->chooseRefrigerant("R134a");
        expectUnitShownAfresh("refrigerant switched", std::nullopt);
        QCOMPARE(child<QLabel>(bench_->editor.get(), "Panel5")->text(), QString("R134a"));
        QVERIFY(child<QLabel>(bench_->editor.get(), "Panel7")->text().isEmpty());
    }

    void compressorEditorFromTheMenuStoresWhenItCloses()
    {
        bench_->editor->clickGridRow(EditorGrid::Compressors, 0);
        const int index = indexAt("StringGrid1", 0);
        trigger("actionEditCompressor");
        RecordEditorWindow* window = openEditorOf("TForm8");
        QVERIFY(window);
        QVERIFY(!bench_->editor->isEnabled());
        QCOMPARE(child<QLineEdit>(window, "Edit1")->text(), QString::number(index));
        QVERIFY(!child<QLineEdit>(window, "Edit1")->isEnabled());
        const std::string coefficient =
            bench_->workspace->catalogue().compressors[index].coeffSets[0].c[0].str();

        QLineEdit* c0 = child<QLineEdit>(window, "Edit16");
        c0->clear();
        QTest::keyClicks(c0, QString(60, '7'));
        // Typing alone stores nothing before the window closes ...
        QCOMPARE(bench_->workspace->catalogue().compressors[index].coeffSets[0].c[0].str(),
                 coefficient);
        // ... the radio buttons store at once and switch the shown edit.
        child<QRadioButton>(window, "RadioButton2")->click();
        QVERIFY(bench_->workspace->catalogue().compressors[index].superheatMode);
        QVERIFY(child<QLineEdit>(window, "Edit75")->isVisibleTo(window));
        QVERIFY(!child<QLineEdit>(window, "Edit73")->isVisibleTo(window));
        closeRecordEditor(window);
        QCOMPARE(bench_->workspace->catalogue().compressors[index].coeffSets[0].c[0].str(),
                 std::string(50, '7'));

        // The whole session is one step.
        QAction* undo = child<QAction>(bench_->editor.get(), "actionUndo");
        QCOMPARE(undo->text(),
                 QString::fromUtf8("Cofnij: Edytuj wiersz – sprężarka %1").arg(index));
        undo->trigger();
        QCOMPARE(bench_->workspace->catalogue().compressors[index].coeffSets[0].c[0].str(),
                 coefficient);
        QVERIFY(child<QAction>(bench_->editor.get(), "actionRedo")->isEnabled());
    }

    void condenserEditorStoresEveryChangeAndTheGridFollows()
    {
        const int listed = grid("StringGrid6")->model()->rowCount();
        doubleClick("StringGrid6", 0);
        const int index = indexAt("StringGrid6", 0);
        RecordEditorWindow* window = openEditorOf("TForm10");
        QVERIFY(window);
        QLineEdit* a = child<QLineEdit>(window, "Edit5");
        a->clear();
        QTest::keyClicks(a, "7");
        QCOMPARE(bench_->workspace->catalogue().condensers[index].coeffA.str(), std::string("7"));
        // Text put in without a key (pasted with the mouse) is stored as well.
        child<QLineEdit>(window, "Edit12")->setText("wklejony");
        QCOMPARE(bench_->workspace->catalogue().condensers[index].fanName.str(),
                 std::string("wklejony"));
        child<QLineEdit>(window, "Edit4")->setText("R22");
        closeRecordEditor(window);
        QCOMPARE(grid("StringGrid6")->model()->rowCount(), listed - 1);
    }

    void aValueThatCannotBeIsMarkedWhenLeftAndKeptAsTyped()
    {
        doubleClick("StringGrid6", 0);
        const int index = indexAt("StringGrid6", 0);
        RecordEditorWindow* window = openEditorOf("TForm10");
        QVERIFY(window);
        QLineEdit* fanPower = child<QLineEdit>(window, "Edit15");
        auto* warning = child<QLabel>(window, "FieldWarning");
        for (const auto& [typed, said] : {std::pair{"-0,2", "moc wentylatora '-0,2' (>= 0)"},
                                          {"abc", "nie jest liczbą"},
                                          {"0,2", ""}}) {
            fanPower->setText(QString::fromUtf8(typed));
            emit fanPower->editingFinished();
            QCOMPARE(warning->isVisibleTo(window), *said != '\0');
            QVERIFY2(warning->text().contains(QString::fromUtf8(said)),
                     qPrintable(warning->text()));
            QCOMPARE(bench_->workspace->catalogue().condensers[index].fanPower.str(),
                     std::string(typed));
        }
        closeRecordEditor(window);
    }

    void aCatalogueFileCutShortIsSavedOnlyAfterTheUserAgrees()
    {
        std::string content = bench_->folder->read(kelvo::kUnitFile);
        content.erase(content.rfind("\r\n", content.size() - 3) + 2);
        bench_->folder->write(kelvo::kUnitFile, content);
        bench_->editor->open();
        QStringList asked;
        bench_->editor->setConfirmation([&](const QString& question) {
            asked << question;
            return false;
        });
        QVERIFY(!bench_->editor->save());
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.front().contains(QString::fromUtf8("Zapisać mimo to?")),
                 qPrintable(asked.front()));
        QCOMPARE(bench_->folder->read(kelvo::kUnitFile), content);
    }

    void unitEditorSwitchesTheAccessoriesWithTheHousing()
    {
        doubleClick("StringGrid4", 0);
        const int index = indexAt("StringGrid4", 0);
        RecordEditorWindow* window = openEditorOf("TForm9");
        QVERIFY(window);
        const std::string version = bench_->workspace->catalogue().units[index].version.str();
        auto* housing = child<QComboBox>(window, "ComboBox1");
        housing->setCurrentIndex(housing->findText("BOX"));
        QVERIFY(!child<QComboBox>(window, "ComboBox2")->isVisibleTo(window));
        QVERIFY(child<QCheckBox>(window, "CheckBox22")->isVisibleTo(window));
        QVERIFY(!child<QCheckBox>(window, "CheckBox9")->isVisibleTo(window));
        housing->setCurrentIndex(housing->findText("BASE"));
        QVERIFY(child<QComboBox>(window, "ComboBox2")->isVisibleTo(window));
        QVERIFY(child<QCheckBox>(window, "CheckBox9")->isVisibleTo(window));
        housing->setCurrentIndex(housing->findText("BOX"));
        QVERIFY(child<kelvo::gui::DrawingView>(window, "Image1"));
        child<QLineEdit>(window, "Edit68")->setText("brak-takiego-rysunku");
        QVERIFY(child<kelvo::gui::DrawingView>(window, "Image1")->isEmpty());
        QCOMPARE(bench_->workspace->catalogue().units[index].drawing.str(),
                 std::string("brak-takiego-rysunku"));
        closeRecordEditor(window);
        QCOMPARE(bench_->workspace->catalogue().units[index].housing.str(), std::string("BOX"));
        const std::string kept = version == "SB" || version == "KB" ? version : std::string("?");
        QCOMPARE(bench_->workspace->catalogue().units[index].version.str(), kept);
    }

    void frameEditorStoresItsDrawingAtEveryKey()
    {
        bench_->editor->clickGridRow(EditorGrid::Frames, 0);
        grid("StringGrid2")->setFocus();
        QTest::keyClick(grid("StringGrid2"), Qt::Key_Return); // as a double click
        const int index = indexAt("StringGrid2", 0);
        RecordEditorWindow* window = openEditorOf("TForm12");
        QVERIFY(window);
        QLineEdit* drawing = child<QLineEdit>(window, "Edit1");
        drawing->clear();
        QTest::keyClicks(drawing, "R1");
        QCOMPARE(bench_->workspace->catalogue().frames[index].drawing.str(), std::string("R1"));
        child<QLineEdit>(window, "Edit11")->setText("Rama testowa");
        QVERIFY(bench_->workspace->catalogue().frames[index].name.str() !=
                "Rama testowa"); // stored on closing
        closeRecordEditor(window);
        QCOMPARE(bench_->workspace->catalogue().frames[index].name.str(),
                 std::string("Rama testowa"));
        QCOMPARE(grid("StringGrid2")->model()->index(0, 1).data().toString(),
                 QString("Rama testowa"));
    }

    void aTextWithALineBreakIsRefusedWhenTheEditorCloses()
    {
        bench_->editor->clickGridRow(EditorGrid::Frames, 0);
        grid("StringGrid2")->setFocus();
        QTest::keyClick(grid("StringGrid2"), Qt::Key_Return);
        const int index = indexAt("StringGrid2", 0);
        const std::string name = bench_->workspace->catalogue().frames[index].name.str();
        RecordEditorWindow* window = openEditorOf("TForm12");
        QVERIFY(window);
        child<QLineEdit>(window, "Edit11")->setText("Rama\nnowa");
        QString said;
        QTimer::singleShot(0, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text();
                box->accept();
            }
        });
        closeRecordEditor(window);
        QCOMPARE(said, QString::fromUtf8("Pole „Nazwa” zawiera znak końca wiersza lub inny znak "
                                         "sterujący\nZmian nie zapisano."));
        QCOMPARE(bench_->workspace->catalogue().frames[index].name.str(), name);
    }

    // Each secondary window fits a 1280 x 720 screen (also 1920 x 1080 at 150 %), offers a
    // close button and closes with Escape, as with its close box.
    void everySecondaryWindowFitsTheSmallScreenAndClosesWithEscape()
    {
        const QSize screen(1280 - 16, 720 - 48); // less the window manager's frame
        const std::vector<std::pair<const char*, std::function<QWidget*()>>> windows{
            {"compressor editor",
             [this]() -> QWidget* {
                 bench_->editor->clickGridRow(EditorGrid::Compressors, 0);
                 trigger("actionEditCompressor");
                 return bench_->editor->recordEditor();
             }},
            {"unit editor",
             [this]() -> QWidget* {
                 doubleClick("StringGrid4", 0);
                 return bench_->editor->recordEditor();
             }},
            {"condenser editor",
             [this]() -> QWidget* {
                 doubleClick("StringGrid6", 0);
                 return bench_->editor->recordEditor();
             }},
            {"frame editor",
             [this]() -> QWidget* {
                 bench_->editor->clickGridRow(EditorGrid::Frames, 0);
                 grid("StringGrid2")->setFocus();
                 QTest::keyClick(grid("StringGrid2"), Qt::Key_Return);
                 return bench_->editor->recordEditor();
             }},
            {"error list",
             [this]() -> QWidget* {
                 trigger("actionCheck2");
                 return bench_->editor->errorList();
             }},
            {"report parameters",
             [this]() -> QWidget* {
                 bench_->editor->clickGridRow(EditorGrid::Compressors, 0);
                 bench_->editor->clickGridRow(EditorGrid::Condensers, 0);
                 trigger("actionPairReport");
                 return bench_->editor->pairReport();
             }},
            {"information",
             [this]() -> QWidget* {
                 trigger("actionAbout");
                 return bench_->editor->findChild<kelvo::gui::InformationWindow*>();
             }},
        };
        for (const auto& [name, open] : windows) {
            QPointer<QWidget> window = open();
            QVERIFY2(window, name);
            window->show();
            QVERIFY2(window->minimumSizeHint().width() <= screen.width() &&
                         window->minimumSizeHint().height() <= screen.height(),
                     name);
            // ... and is no larger than the screen it opens on.
            const QSize room = window->screen()->availableGeometry().size();
            QVERIFY2(window->width() <= room.width() && window->height() <= room.height(), name);
            const auto* close = window->findChild<QPushButton*>("CloseButton");
            if (qobject_cast<RecordEditorWindow*>(window) ||
                qobject_cast<kelvo::gui::InformationWindow*>(window))
                QVERIFY2(close && close->text().contains('&'), name);
            QApplication::setActiveWindow(window);
            QTRY_VERIFY2(window->isActiveWindow(), name);
            QTest::keyClick(window, Qt::Key_Escape);
            QTRY_VERIFY2(!window || !window->isVisible(), name);
            QTRY_VERIFY(bench_->editor->isEnabled());
        }
    }

    void noCurrentRowOpensNothingAndLeavesTheWindowEnabled()
    {
        child<QCheckBox>(bench_->editor.get(), "CheckBox16")->click(); // no compressor listed now
        QVERIFY(!bench_->editor->openRecordEditor(EditorGrid::Compressors));
        trigger("actionEditCompressor");
        QVERIFY(!bench_->editor->recordEditor());
        QVERIFY(bench_->editor->isEnabled());
        trigger("actionDeleteCompressor");
        trigger("actionCopyEnvelopes"); // tested before its prompt
        QVERIFY(prompts_.isEmpty());
        QCOMPARE(bench_->messages,
                 QStringList{QString::fromUtf8("Akcja anulowana !\nnie wybrano sprężarki")});
        QVERIFY(bench_->editor->isEnabled());
    }

    void rowCommandsAskTheirPromptAndUndoRestoresTheTable()
    {
        bench_->editor->clickGridRow(EditorGrid::Units, 2);
        const int moved = indexAt("StringGrid4", 2);
        const std::string name = bench_->workspace->catalogue().units[moved].name.str();
        answer_ = "1";
        trigger("actionMoveUnit");
        QCOMPARE(prompts_, QStringList{QString::fromUtf8("Dokąd kopiujemy ? Nr Wiersza :")});
        QCOMPARE(bench_->workspace->catalogue().units[1].name.str(), name);
        QVERIFY(bench_->editor->isWindowModified());
        trigger("actionUndo");
        QCOMPARE(bench_->workspace->catalogue().units[moved].name.str(), name);

        // Cancelled: nothing changes, and the move says so and why.
        answer_ = QString();
        bench_->editor->clickGridRow(EditorGrid::Units, 2);
        trigger("actionMoveUnit");
        QCOMPARE(bench_->messages.last(), QString("Akcja anulowana !\nnie podano numeru wiersza"));
        QCOMPARE(bench_->workspace->catalogue().units[moved].name.str(), name);

        const int units = bench_->workspace->catalogue().units.count();
        bench_->editor->clickGridRow(EditorGrid::Condensers, 0);
        bench_->editor->clickGridRow(EditorGrid::Compressors, 0);
        bench_->editor->clickGridRow(EditorGrid::Frames, 0);
        trigger("actionAddUnit");
        QCOMPARE(bench_->workspace->catalogue().units.count(), units + 1);
        QVERIFY(bench_->messages.last().startsWith(
            QString::fromUtf8("1. Wstawiłem nowy agregat na pozycji nr : ")));
        QVERIFY(bench_->messages.last().contains('\n'));
        trigger("actionUndo");
        QCOMPARE(bench_->workspace->catalogue().units.count(), units);
        trigger("actionRedo");
        QCOMPARE(bench_->workspace->catalogue().units.count(), units + 1);
        QCOMPARE(child<QAction>(bench_->editor.get(), "actionUndo")->text(),
                 QString::fromUtf8("Cofnij: Dodaj nowy agregat – agregat %1").arg(units + 1));
    }

    void aDoubleClickInTheErrorListShowsTheReportedRow()
    {
        kelvo::test::editRecord<kelvo::CondensingUnitRecord>(
            *bench_->workspace, 3, [](kelvo::CondensingUnitRecord& unit) { unit.housing = "Box"; });
        child<QCheckBox>(bench_->editor.get(), "CheckBox15")->click(); // unit 3 hidden now
        trigger("actionCheck2");
        QWidget* list = bench_->editor->errorList();
        QVERIFY(list);
        QCOMPARE(list->objectName(), QString("TForm6"));
        QCOMPARE(list->windowTitle(), QString::fromUtf8("Lista błędów"));
        auto* lines = child<QListWidget>(list, "ListBox1");
        const auto found = lines->findItems("Agregaty - nr wiersza: 3", Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        emit lines->itemDoubleClicked(found.front());
        QVERIFY(child<QCheckBox>(bench_->editor.get(), "CheckBox15")->isChecked());
        QTableView* units = grid("StringGrid4");
        QCOMPARE(units->currentIndex().siblingAtColumn(0).data().toInt(), 3);
        QVERIFY(!bench_->editor->recordEditor());

        // The next check replaces the list; the data check has its own section.
        trigger("actionCheckData2");
        QTRY_VERIFY(bench_->editor->errorList() && bench_->editor->errorList() != list);
        QVERIFY(bench_->editor->errorList()->findChild<QListWidget*>("ListBox2"));

        // A deleted row shifts the rows below it: the list's row numbers no longer lead there.
        auto* dataList = qobject_cast<kelvo::gui::ErrorListWindow*>(bench_->editor->errorList());
        QVERIFY(dataList && !dataList->outdated());
        bench_->editor->clickGridRow(EditorGrid::Units, 0);
        bench_->editor->runCommand(kelvo::RowCommand::DeleteUnit);
        QVERIFY(dataList->outdated());
    }

    void coefficientsComeFromTheClipboardOrAFile()
    {
        std::optional<QString> picked;
        int picks = 0;
        bench_->editor->setCoefficientFilePicker([&] {
            ++picks;
            return picked;
        });
        bench_->editor->clickGridRow(EditorGrid::Compressors, 1);
        const int c = indexAt("StringGrid1", 1);
        const auto set = [&](int k) {
            return bench_->workspace->catalogue().compressors[c].coeffSets[k];
        };
        const std::string multiplier(set(1).multiplier.view());

        // Ten cells copied in a spreadsheet: tab-separated, a point or a comma decimal.
        QGuiApplication::clipboard()->setText("1.5\t2\t3\t4\t5\t6\t7\t8\t9\t-0,25\r\n");
        trigger("actionImportPe");
        QCOMPARE(picks, 0);
        // The shown compressor is evaluated again at once, which writes its decimal points as
        // commas, as the catalogue keeps them.
        QCOMPARE(set(1).c[0].view(), std::string_view("1,5"));
        QVERIFY(!child<QLabel>(bench_->editor.get(), "Panel7")->text().isEmpty());
        QCOMPARE(set(1).c[9].view(), std::string_view("-0,25"));
        QCOMPARE(set(1).multiplier.view(), std::string_view(multiplier));
        QVERIFY(child<QAction>(bench_->editor.get(), "actionUndo")->text().contains("Pe C0...C9"));

        // Fewer cells: the user picks a file; a cancelled choice does nothing.
        QGuiApplication::clipboard()->setText("1\t2");
        const std::string before(set(0).c[0].view());
        trigger("actionImportQo");
        QCOMPARE(picks, 1);
        QVERIFY(bench_->messages.isEmpty());
        bench_->folder->write("cells.csv", "10;20;30;40;50;60;70;80;90;100\r\n");
        picked = QString::fromStdString((bench_->folder->path() / "cells.csv").string());
        trigger("actionImportQo");
        QCOMPARE(set(0).c[9].view(), std::string_view("100"));

        // A file that cannot be read says why and keeps what was stored.
        picked = QString::fromStdString((bench_->folder->path() / "none.xlsx").string());
        trigger("actionImportQo");
        QCOMPARE(bench_->messages.size(), 1);
        QVERIFY(
            bench_->messages.front().startsWith(QString::fromUtf8("Brak połączenia z MsExcel\n")));
        QVERIFY(bench_->messages.front().contains("none.xlsx"));
        QCOMPARE(set(0).c[9].view(), std::string_view("100"));
        bench_->editor->undo();
        QCOMPARE(set(0).c[0].view(), std::string_view(before));
    }
};

QTEST_MAIN(RecordEditorsTest)
#include "record_editors_test.moc"
