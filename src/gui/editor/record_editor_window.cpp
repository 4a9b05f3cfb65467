#include "gui/editor/record_editor_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/language_table.h"
#include "core/editor/editor_session.h"
#include "gui/drawing/drawing_view.h"
#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{
namespace
{

QString text(std::string_view utf8)
{
    return fromUtf8Text(utf8);
}

// Lines a group needs, for spreading the groups over the window's columns.
int linesOf(const FormLayout& layout, std::string_view group, const std::vector<int>& rows)
{
    const bool table = std::any_of(rows.begin(), rows.end(), [&](int r) {
        return !layout.controls[static_cast<std::size_t>(r)].column.empty();
    });
    return (table ? static_cast<int>(rows.size()) / 2 + 1 : static_cast<int>(rows.size())) +
           (group.empty() ? 0 : 1);
}

} // namespace

RecordEditorWindow::RecordEditorWindow(EditorSession& editor,
                                       std::unique_ptr<RecordEditorSession> session)
    : QWidget(nullptr, Qt::Window), editor_(editor), session_(std::move(session)),
      table_(session_->table())
{
    const FormLayout& layout = session_->layout();
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(text(layout.windowName));
    setWindowTitle(text(layout.caption));

    const std::size_t rowCount = layout.controls.size();
    controls_.assign(rowCount, nullptr);
    unitLabels_.assign(rowCount, nullptr);
    labels_.assign(rowCount, nullptr);
    for (std::size_t i = 0; i < rowCount; ++i)
        controls_[i] = buildControl(layout.controls[i]);

    // Groups in the order the form first names them; the rows without group come first.
    std::vector<std::string_view> order;
    std::map<std::string_view, std::vector<int>> rowsOf;
    for (std::size_t i = 0; i < rowCount; ++i) {
        const std::string_view group = layout.controls[i].group;
        if (!rowsOf.count(group))
            order.push_back(group);
        rowsOf[group].push_back(static_cast<int>(i));
    }
    std::stable_partition(order.begin(), order.end(), [](std::string_view g) { return g.empty(); });

    std::vector<std::pair<QWidget*, int>> blocks; // widget and lines, in window order
    for (std::string_view group : order) {
        const auto& rows = rowsOf[group];
        if (group.empty()) {
            auto* top = new QWidget(this);
            auto* grid = new QGridLayout(top);
            grid->setContentsMargins(0, 0, 0, 0);
            for (std::size_t line = 0; line < rows.size(); ++line)
                addRow(grid, static_cast<int>(line), rows[line]);
            blocks.emplace_back(top, linesOf(layout, group, rows));
        } else if (group == layout.suctionGroup) {
            blocks.emplace_back(buildSuctionGroup(rows), linesOf(layout, group, rows));
        } else {
            blocks.emplace_back(buildGroup(group, rows), linesOf(layout, group, rows));
        }
    }
    // The accessory groups: with a housing switch both share one place, one shown at a time.
    std::vector<std::string_view> checkGroups;
    for (const FormCheck& check : layout.checks)
        if (std::find(checkGroups.begin(), checkGroups.end(), check.group) == checkGroups.end())
            checkGroups.push_back(check.group);
    if (!checkGroups.empty()) {
        auto* place = new QWidget(this);
        auto* stack = new QVBoxLayout(place);
        stack->setContentsMargins(0, 0, 0, 0);
        int lines = 0;
        for (std::string_view group : checkGroups) {
            stack->addWidget(buildChecks(group));
            const auto n = std::count_if(layout.checks.begin(), layout.checks.end(),
                                         [&](const FormCheck& c) { return c.group == group; });
            lines = layout.housing ? std::max(lines, static_cast<int>(n) + 1)
                                   : lines + static_cast<int>(n) + 1;
        }
        stack->addStretch(1);
        blocks.emplace_back(place, lines);
    }
    if (layout.preview) {
        auto* group = new QGroupBox(text(layout.preview->group), this);
        auto* box = new QVBoxLayout(group);
        preview_ = new DrawingView(group);
        preview_->setObjectName(text(layout.preview->objectName));
        preview_->setStretched(true);
        preview_->setMinimumSize(240, 180);
        box->addWidget(preview_);
        blocks.emplace_back(group, 9);
    }

    // Columns of about equal height, in form order.
    int total = 0;
    for (const auto& block : blocks)
        total += block.second;
    const int columnCount = total > 45 ? 3 : total > 18 ? 2 : 1;
    const int perColumn = (total + columnCount - 1) / columnCount;
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    QVBoxLayout* column = nullptr;
    int used = 0;
    for (const auto& [widget, lines] : blocks) {
        if (!column ||
            (used > 0 && used + lines > perColumn + 2 && columns->count() < columnCount)) {
            column = new QVBoxLayout;
            columns->addLayout(column, 1);
            used = 0;
        }
        column->addWidget(widget);
        used += lines;
    }
    for (int i = 0; i < columns->count(); ++i)
        if (auto* c = qobject_cast<QVBoxLayout*>(columns->itemAt(i)->layout()))
            c->addStretch(1);

    // A small screen scrolls the form instead of cutting it off.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll, 1);
    warning_ = new QLabel(this);
    warning_->setObjectName("FieldWarning");
    warning_->setWordWrap(true);
    warning_->setStyleSheet(QStringLiteral("color: #b00000; padding: 2px 6px;"));
    warning_->hide();
    outer->addWidget(warning_);
    outer->addLayout(closeButtonRow(this, kPolish));
    closeWithEscape(this);

    fill();
    content->adjustSize();
    fitIntoScreen(this,
                  content->sizeHint() + QSize(24, 24 + outer->itemAt(1)->sizeHint().height()));
}

RecordEditorWindow::~RecordEditorWindow()
{
    // Closed with its owner, without a close event: the record is stored all the same.
    if (session_)
        session_->close(values());
}

QWidget* RecordEditorWindow::buildControl(const FormControl& control)
{
    QWidget* widget = nullptr;
    if (control.kind == ControlKind::ComboBox) {
        auto* box = new QComboBox(this);
        for (std::string_view item : control.items)
            box->addItem(text(item));
        widget = box;
    } else {
        auto* edit = new QLineEdit(this);
        if (control.width > 0) // what is typed is what is stored: one record byte a character
            edit->setMaxLength(static_cast<int>(control.width));
        edit->setEnabled(control.kind == ControlKind::Edit);
        edit->setMinimumWidth(control.width >= 50 ? 170 : 120);
        if (!control.suggestions.empty()) {
            QStringList names;
            for (const std::string& name : control.suggestions)
                names << text(name);
            auto* completer = new QCompleter(names, edit);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
            edit->setCompleter(completer);
        }
        widget = edit;
    }
    widget->setObjectName(text(control.objectName));
    if (!control.hint.empty())
        widget->setToolTip(text(control.hint));
    return widget;
}

void RecordEditorWindow::addRow(QGridLayout* grid, int line, int row)
{
    const FormControl& control = session_->layout().controls[static_cast<std::size_t>(row)];
    const auto i = static_cast<std::size_t>(row);
    if (!control.label.empty()) {
        labels_[i] = new QLabel(text(control.label), this);
        labels_[i]->setBuddy(controls_[i]);
        grid->addWidget(labels_[i], line, 0);
    }
    grid->addWidget(controls_[i], line, 1);
    if (!control.unitLabel.empty()) {
        unitLabels_[i] = new QLabel(text(control.unitLabel), this);
        if (!control.unitLabelName.empty())
            unitLabels_[i]->setObjectName(text(control.unitLabelName));
        grid->addWidget(unitLabels_[i], line, 2);
    }
}

QGroupBox* RecordEditorWindow::buildGroup(std::string_view group, const std::vector<int>& rows)
{
    auto* box = new QGroupBox(text(group), this);
    groups_[group] = box;
    auto* grid = new QGridLayout(box);
    const auto& controls = session_->layout().controls;
    const bool table = !controls[static_cast<std::size_t>(rows.front())].column.empty();
    if (!table) {
        for (std::size_t line = 0; line < rows.size(); ++line)
            addRow(grid, static_cast<int>(line), rows[line]);
        return box;
    }
    // Envelope points: one line per point label, one column per column caption.
    std::vector<std::string_view> lines;
    std::vector<std::string_view> columns;
    for (int row : rows) {
        const FormControl& c = controls[static_cast<std::size_t>(row)];
        if (std::find(lines.begin(), lines.end(), c.label) == lines.end())
            lines.push_back(c.label);
        if (std::find(columns.begin(), columns.end(), c.column) == columns.end())
            columns.push_back(c.column);
    }
    for (std::size_t k = 0; k < columns.size(); ++k)
        grid->addWidget(new QLabel(text(columns[k]), box), 0, static_cast<int>(k) + 1);
    for (std::size_t k = 0; k < lines.size(); ++k)
        grid->addWidget(new QLabel(text(lines[k]), box), static_cast<int>(k) + 1, 0);
    for (int row : rows) {
        const FormControl& c = controls[static_cast<std::size_t>(row)];
        const auto line = std::find(lines.begin(), lines.end(), c.label) - lines.begin();
        const auto column = std::find(columns.begin(), columns.end(), c.column) - columns.begin();
        controls_[static_cast<std::size_t>(row)]->setMinimumWidth(60);
        grid->addWidget(controls_[static_cast<std::size_t>(row)], static_cast<int>(line) + 1,
                        static_cast<int>(column) + 1);
    }
    return box;
}

QGroupBox* RecordEditorWindow::buildChecks(std::string_view group)
{
    auto* box = new QGroupBox(text(group), this);
    groups_[group] = box;
    auto* list = new QVBoxLayout(box);
    const auto& checks = session_->layout().checks;
    checks_.resize(checks.size(), nullptr);
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (checks[i].group != group)
            continue;
        checks_[i] = new QCheckBox(text(checks[i].caption), box);
        checks_[i]->setObjectName(text(checks[i].objectName));
        list->addWidget(checks_[i]);
    }
    return box;
}

QGroupBox* RecordEditorWindow::buildSuctionGroup(const std::vector<int>& rows)
{
    const FormLayout& layout = session_->layout();
    auto* box = new QGroupBox(text(layout.suctionGroup), this);
    groups_[layout.suctionGroup] = box;
    auto* grid = new QGridLayout(box);
    temperatureGiven_ = new QRadioButton(text(layout.temperatureGiven.caption), box);
    temperatureGiven_->setObjectName(text(layout.temperatureGiven.objectName));
    superheatGiven_ = new QRadioButton(text(layout.superheatGiven.caption), box);
    superheatGiven_->setObjectName(text(layout.superheatGiven.objectName));
    grid->addWidget(temperatureGiven_, 0, 0, 1, 3);
    grid->addWidget(superheatGiven_, 1, 0, 1, 3);
    // The edit of the selected button, with its unit label, in one place below them.
    for (int row : rows)
        addRow(grid, 2, row);
    connect(temperatureGiven_, &QRadioButton::clicked, this, [this] {
        session_->setSuperheatMode(false);
        showSuctionMode();
    });
    connect(superheatGiven_, &QRadioButton::clicked, this, [this] {
        session_->setSuperheatMode(true);
        showSuctionMode();
    });
    return box;
}

void RecordEditorWindow::fill()
{
    const FormLayout& layout = session_->layout();
    const FormValues& opening = session_->opening();
    {
        const CalculationPause filling = editor_.pauseCalculation();
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            const QString value = fromCatalogueText(opening.texts[i]);
            if (auto* box = qobject_cast<QComboBox*>(controls_[i]))
                box->setCurrentIndex(std::max(0, box->findText(value)));
            else
                static_cast<QLineEdit*>(controls_[i])->setText(value);
        }
        for (std::size_t i = 0; i < checks_.size(); ++i)
            checks_[i]->setChecked(opening.checks[i]);
    }
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const FormControl& control = layout.controls[i];
        auto* edit = qobject_cast<QLineEdit*>(controls_[i]);
        if (!edit || control.kind != ControlKind::Edit)
            continue;
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { checkField(i); });
        // textChanged also sees text pasted with the mouse, which no key release reports.
        if (control.objectName == layout.store.onKeyReleaseIn)
            connect(edit, &QLineEdit::textChanged, this, &RecordEditorWindow::storeAndPreview);
        else if (layout.store.onEveryKeyRelease)
            connect(edit, &QLineEdit::textChanged, this, &RecordEditorWindow::store);
    }
    if (layout.housing) {
        auto* box = qobject_cast<QComboBox*>(
            controls_[static_cast<std::size_t>(layout.controlOf(layout.housing->comboName))]);
        connect(box, &QComboBox::currentIndexChanged, this, &RecordEditorWindow::applyHousing);
        applyHousing();
    }
    if (temperatureGiven_)
        showSuctionMode();
    loadPreview();
}

FormValues RecordEditorWindow::values() const
{
    FormValues values;
    for (QWidget* control : controls_) {
        if (auto* box = qobject_cast<QComboBox*>(control))
            values.texts.push_back(toCatalogueText(box->currentText()));
        else
            values.texts.push_back(toCatalogueText(static_cast<QLineEdit*>(control)->text()));
    }
    for (QCheckBox* check : checks_)
        values.checks.push_back(check->isChecked());
    return values;
}

void RecordEditorWindow::checkField(std::size_t row)
{
    auto* edit = static_cast<QLineEdit*>(controls_[row]);
    const FormControl& control = session_->layout().controls[row];
    const QString warning =
        fromUtf8Text(session_->fieldWarning(control.objectName, toCatalogueText(edit->text())));
    // The text stays as typed: the catalogue keeps texts, and the user may be halfway.
    edit->setStyleSheet(warning.isEmpty() ? QString()
                                          : QStringLiteral("QLineEdit { background: #ffd6d6; }"));
    edit->setToolTip(warning.isEmpty() ? text(control.hint) : warning);
    warning_->setText(warning);
    warning_->setVisible(!warning.isEmpty());
}

void RecordEditorWindow::store()
{
    // A refused text is said once, when the window closes, not at every key.
    session_->store(values());
}

void RecordEditorWindow::storeAndPreview()
{
    store();
    loadPreview();
}

void RecordEditorWindow::applyHousing()
{
    const FormLayout& layout = session_->layout();
    const HousingSwitch& housing = *layout.housing;
    const auto* box = qobject_cast<QComboBox*>(
        controls_[static_cast<std::size_t>(layout.controlOf(housing.comboName))]);
    const bool showsBox = housing.showsBox(toCatalogueText(box->currentText()));
    const auto hidden = static_cast<std::size_t>(layout.controlOf(housing.hiddenForBox));
    controls_[hidden]->setVisible(!showsBox);
    if (labels_[hidden])
        labels_[hidden]->setVisible(!showsBox);
    groups_.at(housing.boxGroup)->setVisible(showsBox);
    groups_.at(housing.baseGroup)->setVisible(!showsBox);
}

void RecordEditorWindow::showSuctionMode()
{
    const bool superheat = session_->superheatMode();
    temperatureGiven_->setChecked(!superheat);
    superheatGiven_->setChecked(superheat);
    const auto& controls = session_->layout().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].shown == SuctionVisibility::Always)
            continue;
        const bool visible =
            (controls[i].shown == SuctionVisibility::WhenSuperheatGiven) == superheat;
        controls_[i]->setVisible(visible);
        if (unitLabels_[i])
            unitLabels_[i]->setVisible(visible);
    }
}

void RecordEditorWindow::loadPreview()
{
    const FormLayout& layout = session_->layout();
    if (!preview_)
        return;
    const int source = layout.controlOf(layout.preview->sourceEdit);
    const auto* edit = static_cast<QLineEdit*>(controls_[static_cast<std::size_t>(source)]);
    preview_->load(session_->drawingFile(toCatalogueText(edit->text())));
}

void RecordEditorWindow::finish()
{
    if (!session_)
        return;
    const std::string refusal = session_->close(values());
    session_.reset();
    // The record keeps what it held; the window closes all the same, as it has no cancel.
    if (!refusal.empty())
        QMessageBox::warning(this, "KelvoSoftware", text(refusal).replace('\r', '\n'));
    emit closed(table_);
}

void RecordEditorWindow::closeEvent(QCloseEvent* event)
{
    finish();
    event->accept();
}

} // namespace kelvo::gui
