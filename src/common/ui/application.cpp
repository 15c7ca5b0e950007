#include "common/ui/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

#include "common/ui/fonts.h"

// The pictures live in the GUI library, which is static: register them.
static void initResources() { Q_INIT_RESOURCE(assets); }

namespace quorvil {

namespace {
// Fusion opens a drop-down list as a menu over its box, as tall as the
// screen allows: a long list of sizes fills the screen. Here every list
// opens as a list below its box (above it when there is no room below),
// as many rows as its box allows, with a scroll bar.
class ListPopupStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
}  // namespace

void initApplication(QApplication& app) {
    initResources();
    // One style everywhere, so coloured buttons and frames look the same on
    // every desktop and in headless tests.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(new ListPopupStyle(fusion));
    registerDesignFontNames();
    app.setFont(songFont(9));
    // What Qt draws itself (a box's right-click menu, the print and file
    // dialogs) in Chinese like the rest of the program, whatever language
    // the user's desktop speaks. Without Qt's translations it stays English.
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtTexts);
    else
        delete qtTexts;
    app.setQuitOnLastWindowClosed(true);
}

}  // namespace quorvil
