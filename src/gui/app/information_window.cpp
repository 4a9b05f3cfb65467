#include "gui/app/information_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "gui/ui/palette.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{

InformationWindow::InformationWindow(const std::filesystem::path& programDir, int language,
                                     QWidget* parent)
    : QWidget(parent, Qt::Dialog)
{
    setObjectName("InformationWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("KelvoSoftware");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    auto* outer = new QVBoxLayout(this);
    auto* layout = new QHBoxLayout;
    outer->addLayout(layout);
    outer->addLayout(closeButtonRow(this, language));
    closeWithEscape(this);
    auto* picture = new QSvgWidget(
        QString::fromStdString((programDir / "art" / "unit-box.svg").string()), this);
    picture->setFixedSize(120, 100);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(picture);
    auto* text = new QLabel(this);
    text->setObjectName("Panel1");
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    text->setText(QString("<h2>KelvoSoftware</h2>"
                          "<p>Selection of air-cooled condensing units</p>"
                          "<p>Version %1</p>"
                          "<p>Licensed to the user under the terms of the program's licence.</p>")
                      .arg(KELVO_VERSION));
    layout->addWidget(text);
    adjustSize();
}

void InformationWindow::mouseReleaseEvent(QMouseEvent*)
{
    close();
}

} // namespace kelvo::gui
