#include "gui/reports/report_preview.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/app/control_captions.h"
#include "gui/ui/mnemonics.h"
#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{

ReportPreview::ReportPreview(QPrinter& printer, PagePainter paint, std::function<void()> savePdf,
                             int language, QWidget* parent)
    : QDialog(parent), printer_(printer), pages_(new QPrintPreviewWidget(&printer, this))
{
    setObjectName("ReportPreview");
    pages_->setObjectName("PreviewPages");
    connect(pages_, &QPrintPreviewWidget::paintRequested, this, [paint](QPrinter* target) {
        QPainter painter(target);
        paint(painter, *target);
    });

    const auto caption = [language](ControlCaption c) {
        return fromUtf8Text(controlCaption(c, language));
    };
    const QStringList captions =
        withMnemonics({caption(ControlCaption::SaveAsPdf), caption(ControlCaption::Print),
                       caption(ControlCaption::ZoomOut), caption(ControlCaption::ZoomIn),
                       caption(ControlCaption::FitWidth), caption(ControlCaption::Close)});
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 6, 8, 6);
    const auto button = [&](int index, const char* name, const QKeySequence& key) {
        auto* b = new QPushButton(captions[index], this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        if (!key.isEmpty())
            b->setShortcut(key);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* save = button(0, "SavePdfButton", QKeySequence::Save);
    QPushButton* print = button(1, "PrintButton", QKeySequence::Print);
    buttons->addSpacing(16);
    QPushButton* zoomOut = button(2, "ZoomOutButton", QKeySequence::ZoomOut);
    QPushButton* zoomIn = button(3, "ZoomInButton", QKeySequence::ZoomIn);
    QPushButton* fitWidth = button(4, "FitWidthButton", {});
    buttons->addStretch(1);
    QPushButton* close = button(5, "CloseButton", {});
    connect(save, &QPushButton::clicked, this, [savePdf] { savePdf(); });
    connect(print, &QPushButton::clicked, this, &ReportPreview::print);
    connect(zoomOut, &QPushButton::clicked, pages_, [this] { pages_->zoomOut(); });
    connect(zoomIn, &QPushButton::clicked, pages_, [this] { pages_->zoomIn(); });
    connect(fitWidth, &QPushButton::clicked, pages_, &QPrintPreviewWidget::fitToWidth);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(pages_, 1);
    pages_->fitToWidth();
    save->setFocus();

    // Large: as tall as the screen allows, a little wider than an upright page needs.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int height = screen ? screen->availableGeometry().height() : 900;
    fitIntoScreen(this, QSize(height * 3 / 4 + 60, height));
}

void ReportPreview::print()
{
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() == QDialog::Accepted)
        pages_->print();
}

} // namespace kelvo::gui
