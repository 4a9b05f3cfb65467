#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "core/app/language_table.h"
#include "core/workspace/workspace.h"
#include "gui/editor/editor_window.h"
#include "gui/editor/record_editor_window.h"
#include "gui/selection/selection_window.h"
#include "support/editor_window_bench.h"
#include "support/temp_folder.h"

using kelvo::EditorGrid;
using kelvo::RowCommand;
using kelvo::UnitFamily;
using kelvo::gui::EditorWindow;
using kelvo::gui::SelectionWindow;

// Whatever is typed or pasted into a free-text input of the windows: no crash, and no figure
// shown as NaN or infinity anywhere.
class FreeTextInputsTest : public QObject
{
    Q_OBJECT

  private:
    static QStringList hostileTexts()
    {
        return {"", "abc", "1e308", "-0", "NaN", "1e400", QString(10000, '9'), "12\n3\r\n4,5\tx"};
    }

    // Every text the window shows outside its inputs: labels, status bars and grid cells.
    static QStringList shownTexts(QWidget* window)
    {
        QStringList texts;
        for (const QLabel* label : window->findChildren<QLabel*>())
            texts << label->text();
        for (const QStatusBar* bar : window->findChildren<QStatusBar*>())
            texts << bar->currentMessage();
        for (const QTableView* view : window->findChildren<QTableView*>()) {
            const QAbstractItemModel* model = view->model();
            if (!model)
                continue;
            for (int r = 0; r < std::min(model->rowCount(), 50); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    texts << model->index(r, c).data().toString();
        }
        return texts;
    }

    static void expectNoNonFiniteFigure(QWidget* window, const QString& typed)
    {
        static const QRegularExpression nonFinite(
            "(^|[^A-Za-z])[-+]?(nan|inf|infinity)([^A-Za-z]|$)",
            QRegularExpression::CaseInsensitiveOption);
        // A message may quote what was typed; only figures count.
        static const QRegularExpression quoted("“[^”]*”|'[^']*'|„[^“”]*[“”]");
        for (QString text : shownTexts(window)) {
            text.remove(quoted);
            QVERIFY2(!nonFinite.match(text).hasMatch(),
                     qPrintable("'" + text.left(80) + "' after typing '" + typed.left(20) + "'"));
        }
    }

  private slots:
    void theRequiredCapacity()
    {
        kelvo::Workspace workspace(kelvo::test::sampleDataFolder());
        const kelvo::LanguageTable languages;
        SelectionWindow window(workspace, languages, UnitFamily::Box);
        QStringList messages;
        window.setMessagePresenter([&](const QStringList& m) { messages << m; });
        window.open();
        for (const char* box :
             {"CheckBox38", "CheckBox39", "CheckBox40", "CheckBox41", "CheckBox42", "CheckBox43"})
            window.findChild<QCheckBox*>(box)->click();
        auto* edit = window.findChild<QLineEdit*>("Edit1");
        for (const QString& text : hostileTexts()) {
            edit->setText(text);
            window.searchCapacity();
            expectNoNonFiniteFigure(&window, text);
        }
    }

    void theEditorsInputBoxesAndPrompts()
    {
        QString answer;
        const kelvo::test::EditorWindowBench bench(
            kelvo::test::EditorWindowBench::Listing::CompressorsAndUnits,
            [&](EditorWindow& window) {
                window.setPrompt([&](const QString&, const QString&, const QString&) {
                    return std::optional(answer);
                });
            });
        EditorWindow& editor = *bench.editor;
        const kelvo::Workspace& workspace = *bench.workspace;
        for (const EditorGrid grid : {EditorGrid::Compressors, EditorGrid::Units}) {
            editor.clickGridRow(grid, 0);
            for (const QString& text : hostileTexts()) {
                for (int number : {1, 2, 3, 4, 5, 6}) {
                    auto* box = editor.findChild<QComboBox*>(QString("ComboBox%1").arg(number));
                    box->setEditText(text);
                    expectNoNonFiniteFigure(&editor, text);
                    box->setCurrentIndex(0);
                }
                editor.findChild<QLineEdit*>("Edit14")->setText(text);
                expectNoNonFiniteFigure(&editor, text);
                editor.findChild<QLineEdit*>("Edit14")->setText("1,1");
            }
        }
        // Every prompt: a typed index that is no row changes nothing.
        const int compressors = workspace.catalogue().compressors.count();
        const int units = workspace.catalogue().units.count();
        for (const QString& text : hostileTexts()) {
            answer = text;
            editor.clickGridRow(EditorGrid::Compressors, 0);
            editor.clickGridRow(EditorGrid::Units, 0);
            for (const RowCommand command :
                 {RowCommand::MoveCompressor, RowCommand::MoveUnit, RowCommand::CopyEnvelopes,
                  RowCommand::CopyCompressor, RowCommand::AssignCondenser,
                  RowCommand::AssignCompressor, RowCommand::AssignFrame})
                editor.runCommand(command);
            QCOMPARE(workspace.catalogue().compressors.count(), compressors);
            QCOMPARE(workspace.catalogue().units.count(), units);
            expectNoNonFiniteFigure(&editor, text);
        }
    }

    void everyRecordEditorField()
    {
        for (const EditorGrid grid : {EditorGrid::Compressors, EditorGrid::Condensers,
                                      EditorGrid::Units, EditorGrid::Frames}) {
            const kelvo::test::EditorWindowBench bench(
                kelvo::test::EditorWindowBench::Listing::CompressorsAndUnits);
            EditorWindow& editor = *bench.editor;
            int opened = 0;
            for (const QString& text : hostileTexts()) {
                // A record whose refrigerant or kind became such a text leaves the grid; the
                // next one is taken until the grid is empty.
                editor.clickGridRow(grid, 0);
                if (!editor.openRecordEditor(grid))
                    break;
                ++opened;
                QWidget* window = editor.recordEditor();
                for (QLineEdit* field : window->findChildren<QLineEdit*>())
                    field->setText(text);
                window->close();
                QTRY_VERIFY(editor.isEnabled());
                expectNoNonFiniteFigure(&editor, text);
            }
            QVERIFY2(opened > 0, qPrintable(QString("grid %1").arg(static_cast<int>(grid))));
        }
    }
};

QTEST_MAIN(FreeTextInputsTest)
#include "free_text_inputs_test.moc"
