#include "common/ui/printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace quorvil {

namespace {
PrintSink& sinkSlot() {
    static PrintSink sink;
    return sink;
}

// Paints the image at its screen size: one screen pixel is 1/dpi inch.
void paintOnPrinter(QPrinter& printer, const QImage& image, double screenDpi) {
    QPainter painter;
    if (!painter.begin(&printer)) return;  // printer refused: nothing changes
    const double scale = printer.resolution() / screenDpi;
    painter.drawImage(QRectF(0, 0, image.width() / image.devicePixelRatio() * scale,
                             image.height() / image.devicePixelRatio() * scale),
                      image);
    painter.end();
}
}  // namespace

void setPrintSink(PrintSink sink) { sinkSlot() = std::move(sink); }

void printWindow(QWidget* window) {
    const QImage image = window->grab().toImage();
    if (sinkSlot()) {
        sinkSlot()(image);
        return;
    }
    const double dpi = window->logicalDpiX() > 0 ? window->logicalDpiX() : 96.0;
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        printer.setDocName(window->windowTitle());
        paintOnPrinter(printer, image, dpi);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(window->windowTitle());
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() == QDialog::Accepted) paintOnPrinter(printer, image, dpi);
}

}  // namespace quorvil
