#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/catalogue/catalogue_files.h"
#include "core/editor/catalogue_saving.h"
#include "core/editor/editor_inputs.h"
#include "core/workspace/workspace.h"
#include "gui/app/start_window.h"
#include "gui/editor/editor_window.h"
#include "gui/ui/clickable_picture.h"
#include "support/temp_folder.h"
#include "support/workspace_edits.h"

using kelvo::EditorGrid;
using kelvo::gui::EditorWindow;
using kelvo::gui::StartWindow;

class EditorWindowTest : public QObject
{
    Q_OBJECT

  private:
    // A copy of the shipped data with the editor's marker file, so that saving writes there.
    std::unique_ptr<kelvo::test::TempFolder> folder_;
    std::unique_ptr<kelvo::Workspace> workspace_;
    std::unique_ptr<StartWindow> start_;
    QStringList messages_;

    EditorWindow* openFromStartWindow()
    {
        start_.reset();
        workspace_ = std::make_unique<kelvo::Workspace>(folder_->path());
        start_ = std::make_unique<StartWindow>(*workspace_);
        start_->show();
        auto* picture = start_->findChild<kelvo::gui::ClickablePicture*>("Image4");
        if (!picture || !picture->isVisible())
            return nullptr;
        start_->openEditor();
        auto* editor = qobject_cast<EditorWindow*>(start_->editorWindow());
        if (editor)
            editor->setMessagePresenter([this](const QString& text) { messages_ << text; });
        return editor;
    }

    template <class T> T* child(QWidget* window, const char* name)
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no %s", name);
        return found;
    }

    static QString panel(QWidget* window, int number)
    {
        return window->findChild<QLabel*>(QString("Panel%1").arg(number))->text();
    }

    static void renameCompressor(EditorWindow* editor, const char* model)
    {
        kelvo::test::editRecord<kelvo::CompressorRecord>(
            editor->workspace(), 1, [model](kelvo::CompressorRecord& c) { c.model = model; });
    }

    static int dataRows(QTableView* grid)
    {
        int rows = 0;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            rows += grid->model()->index(r, 0).data().toString().isEmpty() ? 0 : 1;
        return rows;
    }

  private slots:
    void init()
    {
        folder_ = kelvo::test::copyOfSampleData();
        folder_->write("KelvoSoftwareBazaDanych.txt", "");
        messages_.clear();
    }

    void cleanup()
    {
        if (start_ && start_->editorWindow())
            start_->editorWindow()->deleteLater();
        QTest::qWait(0);
        start_.reset();
        folder_.reset();
    }

    void opensFromTheStartWindowWithTheOpeningState()
    {
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), QString("TForm1"));
        QVERIFY(editor->isVisible());
        QVERIFY(!start_->isVisible());
        QStringList menus;
        for (QAction* menu : editor->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"Program", "Edycja", "Czynnik chłodniczy", "Rama",
                                     "Skraplacze", "Sprężarki", "Agregaty", "Dane", "Pomoc"}));
        QVERIFY(child<QAction>(editor, "RefrigerantR404A")->isChecked());
        QVERIFY(!child<QAction>(editor, "RefrigerantR22")->isChecked());
        QVERIFY(child<QCheckBox>(editor, "CheckBox10")->isChecked());
        QVERIFY(!child<QCheckBox>(editor, "CheckBox16")->isChecked());
        QCOMPARE(child<QComboBox>(editor, "ComboBox1")->currentText(), QString("0"));
        QCOMPARE(child<QComboBox>(editor, "ComboBox2")->currentText(), QString("32"));
        QCOMPARE(child<QComboBox>(editor, "ComboBox5")->currentText(), QString("10"));
        QCOMPARE(panel(editor, 5), QString("R404A"));
        QVERIFY(panel(editor, 7).isEmpty());
        // No compressor has a producer and kind outside the listed ones.
        QCOMPARE(dataRows(child<QTableView>(editor, "StringGrid1")), 0);
        QVERIFY(dataRows(child<QTableView>(editor, "StringGrid6")) > 0);
        QVERIFY(!editor->isWindowModified());

        editor->close();
        QTRY_VERIFY(!start_->editorWindow());
        QVERIFY(start_->isVisible());
    }

    // The session holds what is typed at once; the figures follow only once it is taken.
    void typedInputsReachTheSessionAndRunOnceTaken()
    {
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        child<QCheckBox>(editor, "CheckBox15")->click();
        editor->clickGridRow(EditorGrid::Units, 0);
        const QString capacity = panel(editor, 7);
        QVERIFY(!capacity.isEmpty());
        QLineEdit* ambient = child<QComboBox>(editor, "ComboBox2")->lineEdit();
        ambient->selectAll();
        QTest::keyClicks(ambient, "20");
        QCOMPARE(editor->session().inputs().ambient, std::string("20"));
        QCOMPARE(panel(editor, 7), capacity);
        QTest::keyClick(ambient, Qt::Key_Return);
        QVERIFY(panel(editor, 7) != capacity);
        QCOMPARE(panel(editor, 7), QString::fromStdString(editor->session().panels().capacity));
    }

    void aUnitClickFillsThePanelsSelectsItsRecordsAndDrawsTheChart()
    {
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        child<QCheckBox>(editor, "CheckBox15")->click(); // unit grid: ALL
        child<QCheckBox>(editor, "CheckBox16")->click(); // compressor grid: ALL
        auto* units = child<QTableView>(editor, "StringGrid4");
        QVERIFY(dataRows(units) > 0);
        QVERIFY(dataRows(child<QTableView>(editor, "StringGrid1")) > 0);

        const int unit = units->model()->index(0, 0).data().toInt();
        editor->clickGridRow(EditorGrid::Units, 0);
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join("; ")));
        QVERIFY(panel(editor, 7).endsWith(" [kW]"));
        QVERIFY(panel(editor, 8).endsWith(" [kW]"));
        QVERIFY(panel(editor, 11).endsWith(" [C]"));
        QVERIFY(panel(editor, 12).startsWith("Po="));
        QVERIFY(!child<QComboBox>(editor, "ComboBox3")->isEnabled());
        // The linked compressor's row is current in its grid and its index is shown.
        const kelvo::CondensingUnitRecord& record =
            editor->session().workspace().catalogue().units[unit];
        QCOMPARE(panel(editor, 1), QString::fromStdString(record.compressorModel.str()));
        auto* compressors = child<QTableView>(editor, "StringGrid1");
        QCOMPARE(compressors->currentIndex().siblingAtColumn(0).data().toString(),
                 panel(editor, 9));
        // Showing the linked rows moves the highlight: one row stays selected in each grid.
        editor->clickGridRow(EditorGrid::Units, 1);
        QCOMPARE(compressors->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(compressors->currentIndex().siblingAtColumn(0).data().toString(),
                 panel(editor, 9));

        // The chart shows the working point: some red pixels among the envelope.
        auto* chart = child<QWidget>(editor, "Image1");
        chart->resize(489, 385);
        const QImage picture = chart->grab().toImage();
        int red = 0;
        int blue = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                red += c == QColor(255, 0, 0);
                blue += c == QColor(0, 0, 255);
            }
        QVERIFY(red > 100);
        QVERIFY(blue > 100);

        // A text that is no number clears the panels; the chart keeps the compressor's envelope.
        auto* ambient = child<QComboBox>(editor, "ComboBox2");
        ambient->setEditText("warm");
        ambient->lineEdit()->setModified(true);
        emit ambient->lineEdit()->editingFinished();
        QVERIFY(panel(editor, 7).isEmpty());
        QVERIFY(editor->session().chart().has_value());
    }

    // What is typed into to=, tc= and the heat factor is what is evaluated, never completed
    // from the items or added to them; the status line speaks of the figures shown only.
    void typedInputsAreEvaluatedAsTypedAndRefusedAsTheCommandLineRefuses()
    {
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        child<QCheckBox>(editor, "CheckBox15")->click();
        child<QCheckBox>(editor, "CheckBox16")->click();
        editor->clickGridRow(EditorGrid::Units, 0);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        const std::array<std::array<const char*, 3>, 7> cases{{
            {"ComboBox1", "1", ""},
            {"ComboBox1", "abc", "'abc' is not a valid floating point value"},
            {"ComboBox1", "-300", "'-300' jest poniżej zera bezwzględnego, -273,15 C"},
            {"ComboBox1", "5", ""},
            {"ComboBox2", "3", ""},
            {"Edit14", "0", "Qk=(Qo+Pe) x: '0' nie jest liczbą większą od 0"},
            {"Edit14", "1,1", ""},
        }};
        for (const auto& [name, text, status] : cases) {
            auto* box = editor->findChild<QComboBox*>(name);
            QLineEdit* edit = box ? box->lineEdit() : child<QLineEdit>(editor, name);
            const int items = box ? box->count() : 0;
            // Typed with the focus there, as a user types: that is when a completer completes.
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            QTest::keyClick(edit, Qt::Key_Return);
            const kelvo::EditorInputs& in = editor->session().inputs();
            QCOMPARE(QString::fromStdString(box == nullptr                 ? in.heatFactor
                                            : name == QString("ComboBox1") ? in.to
                                                                           : in.ambient),
                     QString(text));
            QCOMPARE(box ? box->count() : 0, items);
            QCOMPARE(child<QLabel>(editor, "BalanceStatus")->text(), QString(status));
            QCOMPARE(panel(editor, 7).isEmpty(), *status != 0);
        }
    }

    void saveWritesFilesThatLoadBackIdentical()
    {
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        renameCompressor(editor, "KS-041M-NEW");
        QVERIFY(editor->session().hasUnsavedChanges());
        QVERIFY(editor->save());
        QVERIFY(!editor->isWindowModified());
        kelvo::Catalogue reloaded;
        kelvo::loadCatalogue(reloaded, folder_->path());
        QCOMPARE(kelvo::catalogueFingerprint(reloaded),
                 kelvo::catalogueFingerprint(editor->session().workspace().catalogue()));
        QCOMPARE(reloaded.compressors[1].model.str(), std::string("KS-041M-NEW"));
        QVERIFY(std::filesystem::exists(folder_->path() / "sprezarki.txt.bak"));

        // Another program changes a file: Zapisz asks first, and "No" writes nothing.
        QStringList asked;
        bool overwrite = false;
        editor->setConfirmation([&](const QString& text) {
            asked << text;
            return overwrite;
        });
        renameCompressor(editor, "KS-041M-NEWER");
        QVERIFY(editor->save());
        QVERIFY(asked.isEmpty()); // its own save is no change by another program
        renameCompressor(editor, "KS-041M-LATEST");
        std::ofstream(folder_->path() / "Podstawy.txt", std::ios::app) << "\r\n";
        QVERIFY(!editor->save());
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.last(), QString::fromUtf8(kelvo::kFilesChangedQuestion));
        QVERIFY(editor->session().hasUnsavedChanges());
        overwrite = true;
        QVERIFY(editor->save());
        kelvo::loadCatalogue(reloaded, folder_->path());
        QCOMPARE(reloaded.compressors[1].model.str(), std::string("KS-041M-LATEST"));
    }

    void closingWithChangesAsksAndCancelKeepsTheWindow()
    {
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        int asked = 0;
        auto answer = QMessageBox::Cancel;
        editor->setCloseQuestion([&] {
            ++asked;
            return answer;
        });
        kelvo::test::editRecord<kelvo::CondensingUnitRecord>(
            editor->workspace(), 1,
            [](kelvo::CondensingUnitRecord& unit) { unit.name = "Changed"; });
        QVERIFY(!editor->close());
        QCOMPARE(asked, 1);
        QVERIFY(editor->isVisible());

        // A save that fails keeps the window open and says why.
        answer = QMessageBox::Save;
        editor->setConfirmation([](const QString&) { return true; });
        std::filesystem::remove(folder_->path() / "Agregaty.txt");
        std::filesystem::create_directory(folder_->path() / "Agregaty.txt");
        QVERIFY(!editor->close());
        QCOMPARE(asked, 2);
        QVERIFY(!messages_.isEmpty());
        QVERIFY(messages_.last().contains("Agregaty.txt"));

        answer = QMessageBox::Discard;
        QVERIFY(editor->close());
        QTRY_VERIFY(!start_->editorWindow());
    }

    void arrowKeysInAGridRunItsDisplayAsAClickDoes()
    {
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        child<QCheckBox>(editor, "CheckBox16")->click();
        auto* compressors = child<QTableView>(editor, "StringGrid1");
        QVERIFY(dataRows(compressors) > 2);
        editor->clickGridRow(EditorGrid::Compressors, 0);
        QCOMPARE(panel(editor, 9), compressors->model()->index(0, 0).data().toString());
        compressors->setFocus();
        QTest::keyClick(compressors, Qt::Key_Down);
        QTest::keyClick(compressors, Qt::Key_Down);
        QCOMPARE(compressors->currentIndex().row(), 2);
        QCOMPARE(panel(editor, 9), compressors->model()->index(2, 0).data().toString());
        QCOMPARE(editor->session().grid(EditorGrid::Compressors).currentRow, 3);
    }

    void lookingAtRecordsIsNoChangeToSave()
    {
        // The shipped coefficients are written with a decimal point, which every evaluation
        // rewrites as a comma in memory: that alone must not count as an edit.
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        int asked = 0;
        editor->setCloseQuestion([&] {
            ++asked;
            return QMessageBox::Cancel;
        });
        child<QCheckBox>(editor, "CheckBox16")->click();
        child<QCheckBox>(editor, "CheckBox15")->click();
        for (int row = 0; row < 3; ++row) {
            editor->clickGridRow(EditorGrid::Compressors, row);
            editor->clickGridRow(EditorGrid::Units, row);
        }
        QVERIFY(!editor->isWindowModified());
        QVERIFY(editor->close());
        QCOMPARE(asked, 0);
    }

    void deletingAUsedCompressorAsksAndNoChangesNothing()
    {
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        child<QCheckBox>(editor, "CheckBox15")->click();
        child<QCheckBox>(editor, "CheckBox16")->click();
        editor->clickGridRow(EditorGrid::Units, 0); // highlights the unit's compressor
        const kelvo::Catalogue& catalogue = editor->session().workspace().catalogue();
        const std::size_t before = kelvo::catalogueFingerprint(catalogue);
        messages_.clear();
        // The window's own question box, answered with Enter: its default button is "Nie".
        QString asked;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                QTest::keyClick(box, Qt::Key_Enter);
            }
        });
        answer.start(10);
        editor->runCommand(kelvo::RowCommand::DeleteCompressor);
        answer.stop();
        QVERIFY2(asked.endsWith(QString::fromUtf8(". Usunąć?")), qPrintable(asked));
        QCOMPARE(kelvo::catalogueFingerprint(catalogue), before);
        QVERIFY(!editor->session().history().canUndo());
        QVERIFY(messages_.isEmpty());
    }

    void withoutChangesClosingAsksNothing()
    {
        EditorWindow* editor = openFromStartWindow();
        QVERIFY(editor);
        int asked = 0;
        editor->setCloseQuestion([&] {
            ++asked;
            return QMessageBox::Cancel;
        });
        editor->chooseRefrigerant("R22");
        QCOMPARE(panel(editor, 5), QString("R22"));
        QVERIFY(child<QAction>(editor, "RefrigerantR22")->isChecked());
        QVERIFY(!child<QAction>(editor, "RefrigerantR404A")->isChecked());
        QVERIFY(editor->close());
        QCOMPARE(asked, 0);
    }
};

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
