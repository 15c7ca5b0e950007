// The printer side of printing, built as a module of its own that
// printWindow() loads on the first real print: the print support library and
// the print system's client are not loaded when the program starts.
#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
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

// Where a print to a PDF file goes unless the user says otherwise: a file
// named after the whole caption (the print dialog would cut it at its first
// "."), in the user's documents folder when there is one, else at home.
QString pdfFileFor(const QString& caption) {
    QString name = caption.trimmed();
    name.replace(u'/', u'_');
    if (name.isEmpty()) name = QStringLiteral("Quorvil");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
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
    // No print queue at all: the print goes to a PDF file.
    if (printer.outputFormat() == QPrinter::PdfFormat) printer.setOutputFileName(pdfFileFor(docName));
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() == QDialog::Accepted) paintOnPrinter(printer, image, screenDpi);
}
