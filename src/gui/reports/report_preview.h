#pragma once

#include <QDialog>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QPrintPreviewWidget;

namespace kelvo::gui
{

// A report's pages on screen, fitted to the window's width, with saving as PDF, printing and
// zooming on buttons that Tab and their Alt letters reach; Escape closes it.
class ReportPreview : public QDialog
{
    Q_OBJECT
  public:
    // Paints every page on the painter, starting each after the first on a new page.
    using PagePainter = std::function<void(QPainter&, QPagedPaintDevice&)>;
    // `savePdf` asks for a file and writes it, reporting its own failures.
    ReportPreview(QPrinter& printer, PagePainter paint, std::function<void()> savePdf, int language,
                  QWidget* parent = nullptr);

  private:
    void print();

    QPrinter& printer_;
    QPrintPreviewWidget* pages_;
};

} // namespace kelvo::gui
