#include "common/ui/toolwindow.h"

#include "common/ui/defaultbutton.h"
#include "common/ui/twips.h"

namespace quorvil {

void applyWindowRules(QWidget* window, const QString& caption, int clientWidthTwips, int clientHeightTwips) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(caption);
    window->setFixedSize(twipsSize(clientWidthTwips, clientHeightTwips));
}

ToolWindow::ToolWindow(const QString& name, const QString& caption, int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    applyWindowRules(this, caption, clientWidthTwips, clientHeightTwips);
    enterPressesFocusedButton(this);
}

}  // namespace quorvil
