#pragma once

#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "core/editor/record_editor_session.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kelvo
{
class EditorSession;
}

namespace kelvo::gui
{

class DrawingView;

// One record editor window ("TForm8" compressor, "TForm9" unit, "TForm10" condenser,
// "TForm12" frame), built from the record's form in the core. It shows what the session read,
// passes the user's changes to the session at the form's store moments and closes the
// session when the window closes; there is no cancel.
class RecordEditorWindow : public QWidget
{
    Q_OBJECT
  public:
    RecordEditorWindow(EditorSession& editor, std::unique_ptr<RecordEditorSession> session);
    ~RecordEditorWindow() override;

    [[nodiscard]] EditorGrid table() const { return table_; }

  signals:
    // The record is stored and its grid refilled in the core; the window is going away.
    void closed(kelvo::EditorGrid table);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildControl(const FormControl& control);
    QGroupBox* buildGroup(std::string_view group, const std::vector<int>& rows);
    QGroupBox* buildChecks(std::string_view group);
    QGroupBox* buildSuctionGroup(const std::vector<int>& rows);
    void addRow(QGridLayout* grid, int line, int row);
    void fill();
    [[nodiscard]] FormValues values() const;
    void store();
    void storeAndPreview();
    void applyHousing();
    void showSuctionMode();
    void loadPreview();
    void finish();
    // Marks control `row` when its text is no usable value, and says why below the form.
    void checkField(std::size_t row);

    EditorSession& editor_;
    std::unique_ptr<RecordEditorSession> session_;
    EditorGrid table_;
    std::vector<QWidget*> controls_;  // by form row
    std::vector<QLabel*> unitLabels_; // by form row; null when none
    std::vector<QLabel*> labels_;     // by form row; null when none
    std::vector<QCheckBox*> checks_;  // by form check
    std::map<std::string_view, QGroupBox*> groups_;
    QRadioButton* temperatureGiven_ = nullptr;
    QRadioButton* superheatGiven_ = nullptr;
    DrawingView* preview_ = nullptr;
    QLabel* warning_ = nullptr; // why the last field left is marked
};

} // namespace kelvo::gui
