// The main window: the advertising page with the inch-to-millimetre
// converter, and the tools page with one launch button per tool window
// (shell/windows.def).
#pragma once

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace quorvil {
class TabContainer;
}

class Form1 : public QWidget {
public:
    Form1();

    // Our own placeholder addresses for the author's web site and mail.
    static QUrl webSiteAddress();
    static QUrl mailAddress();

    void Command1_Click(int index);
    void Command11_Click();
    void Command21_Click();
    void txtt1_Change();

private:
    void buildAdvertisingPage(QWidget* page);
    void buildToolsPage(QWidget* page);

    quorvil::TabContainer* SSTab1;
    QLineEdit* txtT1;
    QLineEdit* txtT2;
    QPushButton* Command11;  // the web site
    QPushButton* Command21;  // a mail to the author
};
