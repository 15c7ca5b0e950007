// The floor of the start-up benchmark: a bare Qt window that shows one line
// of Chinese text in the face the program maps "宋体" to, and nothing else.
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("米制普通螺纹"));
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("AR PL UMing CN")});
    f.setPointSizeF(9);
    label.setFont(f);
    label.setWindowTitle(QStringLiteral("Quorvil"));
    label.show();
    return app.exec();
}
