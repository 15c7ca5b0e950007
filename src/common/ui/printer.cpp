// The printer side of printing, built as a module of its own that
// printWindow() loads on the first real print: the print support library and
// the print system's client are not loaded when the program starts.
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

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

// On the default printer; without one, the standard print dialog asks.
extern "C" Q_DECL_EXPORT void quorvilPrintImage(const QImage& image, double screenDpi, const QString& docName,
                                                QWidget* window) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        printer.setDocName(docName);
        paintOnPrinter(printer, image, screenDpi);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(docName);
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() == QDialog::Accepted) paintOnPrinter(printer, image, screenDpi);
}
