#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/editor/editor_filters.h"
#include "core/editor/editor_session.h"
#include "core/editor/row_commands.h"
#include "gui/editor/editor_window_layout.h"

class QCheckBox;

namespace kelvo
{
class DistinctMessageSink;
class Workspace;
} // namespace kelvo

namespace kelvo::gui
{

class EditorGridModel;
class EnvelopeChartView;
class RecordEditorWindow;

// The catalogue editor "TForm1": the four filtered grids, the information group with the
// balance display, the envelope chart and the menus. It is a view of its EditorSession: each
// action is one call of the session, and what it shows is refreshed when the session says
// what changed.
class EditorWindow : public QMainWindow, private EditorObserver
{
    Q_OBJECT
  public:
    EditorWindow(Workspace& workspace, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Loads the catalogue and fills the window as a freshly opened editor, then shows it.
    void open();

    // Message boxes and the question on closing; replaced in tests.
    using MessagePresenter = std::function<void(const QString& text)>;
    using CloseQuestion = std::function<QMessageBox::StandardButton()>;
    void setMessagePresenter(MessagePresenter presenter) { present_ = std::move(presenter); }
    void setCloseQuestion(CloseQuestion question) { askOnClose_ = std::move(question); }
    // A Yes / No question; true for Yes.
    using Confirmation = std::function<bool(const QString& text)>;
    void setConfirmation(Confirmation confirm) { confirm_ = std::move(confirm); }
    // The single-line prompts of the row commands, opening with `initial`: the text typed, or
    // nullopt when cancelled.
    using Prompt = std::function<std::optional<QString>(
        const QString& caption, const QString& prompt, const QString& initial)>;
    void setPrompt(Prompt prompt) { prompt_ = std::move(prompt); }
    // The spreadsheet or .csv file to take coefficients from when the clipboard holds no ten
    // cells: its path, or nullopt when the user cancels.
    using FilePicker = std::function<std::optional<QString>()>;
    void setCoefficientFilePicker(FilePicker picker) { pickFile_ = std::move(picker); }

    // User actions, also driven by tests.
    void clickGridRow(EditorGrid grid, int row); // row 0 .. of the grid's data rows
    void chooseRefrigerant(const QString& name);
    bool save();
    // Opens the record editor of the grid's current row and disables this window until it
    // closes; false (and this window enabled) when there is no current row.
    bool openRecordEditor(EditorGrid grid);
    [[nodiscard]] RecordEditorWindow* recordEditor() const;
    void runCommand(RowCommand command);
    // "Sprawdź błędy" (data false) or "Sprawdź dane" of the table's menu, in a new error list.
    void runCheck(EditorGrid table, bool data);
    [[nodiscard]] QWidget* errorList() const;
    void undo();
    void redo();
    // "Drukuj raport do Excela": the report window of the current compressor and condenser,
    // replacing one already open; nothing without both current rows.
    void openPairReport();
    [[nodiscard]] QWidget* pairReport() const;
    [[nodiscard]] const EditorSession& session() const { return *session_; }
    [[nodiscard]] Workspace& workspace() { return session_->workspace(); }
    // "Dane" / "Qo C0...C9" (set 1) or "Pe C0...C9" (set 2) into the current compressor.
    void importCoefficients(int set);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectControls();
    void connectGrid(EditorGrid grid);
    void runMenuCommand(EditorCommand command);
    void refreshGrid(EditorGrid grid);
    void showCursor(EditorGrid grid);
    void refreshAllGrids();
    void showPanels();
    void showInputs();
    void inputChanged();
    void chartClicked(double to, double tk);
    void editorChanged(const EditorUpdate& update) override;
    void revealCursors();
    void showRefrigerantTick();
    void filterClicked(QCheckBox* box);
    void report(const DistinctMessageSink& sink);
    void updateTitle();
    void openAbout();
    void recordEditorClosed(EditorGrid grid);
    void historyChanged();
    void showReportedRecord(EditorGrid table, int index);
    void showFilterTicks();
    // After a change of rows: the report window, made for the rows of the moment, closes; the
    // error list says its row numbers are out of date.
    void rowsChanged();

    std::unique_ptr<EditorSession> session_;
    MessagePresenter present_;
    CloseQuestion askOnClose_;
    Confirmation confirm_;
    Prompt prompt_;
    FilePicker pickFile_;
    bool filling_ = false;      // the window itself is writing into its controls
    bool movingCursor_ = false; // the window itself is moving a grid's current row

    EditorWindowControls ui_;
    QPointer<QWidget> about_;
    QPointer<RecordEditorWindow> recordEditor_;
    QPointer<QWidget> errorList_;
    QPointer<QWidget> pairReport_;
};

} // namespace kelvo::gui
