#include <QApplication>

#include "common/ui/application.h"
#include "shell/Form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quorvil::initApplication(app);
    auto* main = new Form1();
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    return app.exec();
}
