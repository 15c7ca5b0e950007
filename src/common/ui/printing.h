// Print the window: the window's client area as shown (the tab page in front,
// with what its boxes hold) as one image, at its size on the screen, on one
// page of the default printer. Without a default printer the standard print
// dialog lets the user pick a printer or a PDF file; cancelling changes
// nothing. The window itself never changes.
#pragma once

#include <QImage>

#include <functional>

class QWidget;

namespace quorvil {

void printWindow(QWidget* window);

// Tests redirect printing into an image through this seam; an empty function
// restores the real printer.
using PrintSink = std::function<void(const QImage&)>;
void setPrintSink(PrintSink sink);

}  // namespace quorvil
