#include "gui/editor/error_list_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{
namespace
{

constexpr int kTableRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;

} // namespace

ErrorListWindow::ErrorListWindow(const std::vector<CheckLine>& lines, Section section,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("TForm6");
    setWindowTitle(QString::fromUtf8("Lista błędów"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (section == Section::Data) {
        auto* caption = new QLabel(QString::fromUtf8("Sprawdź dane"), this);
        caption->setContentsMargins(6, 4, 6, 4);
        layout->addWidget(caption);
    }
    list_ = new QListWidget(this);
    list_->setObjectName(section == Section::Errors ? "ListBox1" : "ListBox2");
    for (const CheckLine& line : lines) {
        auto* item = new QListWidgetItem(fromUtf8Text(line.text), list_);
        item->setData(kTableRole, static_cast<int>(line.table));
        item->setData(kIndexRole, line.index);
        if (line.index > 0)
            item->setToolTip(QString::fromUtf8("Podwójne kliknięcie pokazuje ten wiersz w tabeli"));
    }
    layout->addWidget(list_, 1);
    auto* status = status_ = new QStatusBar(this);
    status->setObjectName("StatusBar1");
    status->setSizeGripEnabled(false);
    if (lines.empty())
        status->showMessage(QString::fromUtf8("Nie znaleziono błędów"));
    layout->addWidget(status);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int index = item->data(kIndexRole).toInt();
        if (index > 0 && !outdated_)
            emit recordChosen(static_cast<EditorGrid>(item->data(kTableRole).toInt()), index);
    });
    closeWithEscape(this);
    resize(560, 160 + status->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void ErrorListWindow::markOutdated()
{
    if (outdated_)
        return;
    outdated_ = true;
    status_->showMessage(
        QString::fromUtf8("Wiersze zmieniły się od sprawdzenia: uruchom sprawdzanie ponownie"));
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setToolTip(QString());
}

} // namespace kelvo::gui
