#include "common/ui/application.h"

#include <QApplication>
#include <QStyleFactory>

#include "common/ui/fonts.h"

// The pictures live in the GUI library, which is static: register them.
static void initResources() { Q_INIT_RESOURCE(assets); }

namespace quorvil {

void initApplication(QApplication& app) {
    initResources();
    // One style everywhere, so coloured buttons and frames look the same on
    // every desktop and in headless tests.
    if (auto* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    QFont::insertSubstitutions(QStringLiteral("宋体"), songFamilies());
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kaiFamilies());
    app.setFont(songFont(9));
    app.setQuitOnLastWindowClosed(true);
}

}  // namespace quorvil
