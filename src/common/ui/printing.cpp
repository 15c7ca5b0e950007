#include "common/ui/printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QWidget>

namespace quorvil {

namespace {
PrintSink& sinkSlot() {
    static PrintSink sink;
    return sink;
}

using PrintImage = void (*)(const QImage&, double, const QString&, QWidget*);

// The printer module (printer.cpp), loaded on the first print: next to the
// program (the build tree), where it is installed relative to the program,
// else where the build put it (the test programs in the build tree).
PrintImage printImage() {
    static const PrintImage function = [] {
        const QString name = QStringLiteral(QUORVIL_PRINT_MODULE_NAME);
        const QDir program(QCoreApplication::applicationDirPath());
        for (const QString& path :
             {program.filePath(name), program.filePath(QStringLiteral(QUORVIL_PRINT_MODULE_FROM_PROGRAM "/") + name),
              QStringLiteral(QUORVIL_PRINT_MODULE_PATH)}) {
            if (!QFileInfo::exists(path)) continue;
            QLibrary module(path);
            if (auto f = reinterpret_cast<PrintImage>(module.resolve("quorvilPrintImage"))) return f;
            qWarning("printing: %s", qPrintable(module.errorString()));
        }
        qWarning("printing: the printer module %s is missing", qPrintable(name));
        return PrintImage(nullptr);
    }();
    return function;
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
    if (PrintImage print = printImage()) print(image, dpi, window->windowTitle(), window);
}

}  // namespace quorvil
