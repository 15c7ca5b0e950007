// Printing a window: through the test seam, and without a print system,
// where the standard print dialog asks.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "common/ui/printing.h"
#include "sampletoolwindow.h"
#include "uitest.h"

using namespace quorvil;

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void printSeamGetsWindowImage();
    void printWithoutDefaultPrinterAsks();
    void printToFileIsNamedAfterTheWholeCaption_data();
    void printToFileIsNamedAfterTheWholeCaption();
};

void TestPrinting::printSeamGetsWindowImage() {
    Sample w;
    w.box->setText(QStringLiteral("printed"));
    w.show();
    QImage printed;
    setPrintSink([&](const QImage& img) { printed = img; });
    printWindow(&w);
    setPrintSink({});
    QCOMPARE(printed.size() / printed.devicePixelRatio(), w.size());
    QCOMPARE(w.box->text(), QStringLiteral("printed"));  // the window does not change
    // The image is what the window shows, not a blank page.
    QVERIFY(printed.pixel(0, 0) != printed.pixel(w.box->geometry().center()) ||
            printed.pixelColor(w.box->geometry().topLeft()) != printed.pixelColor(0, 0));
}

void TestPrinting::printWithoutDefaultPrinterAsks() {
    // No print system here: the standard print dialog lets the user choose;
    // cancelling it prints nothing and changes nothing.
    qputenv("CUPS_SERVER", "/nonexistent/quorvil-no-cups.sock");
    Sample w;
    w.box->setText(QStringLiteral("kept"));
    w.show();
    QString dialogTitle;
    QTimer::singleShot(0, &w, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        dialogTitle = modal->metaObject()->className();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    printWindow(&w);
    QCOMPARE(dialogTitle, QStringLiteral("QPrintDialog"));
    QCOMPARE(w.box->text(), QStringLiteral("kept"));
}

void TestPrinting::printToFileIsNamedAfterTheWholeCaption_data() {
    QTest::addColumn<bool>("documents");
    QTest::newRow("documents folder") << true;
    QTest::newRow("no documents folder") << false;
}

// No print system here, so the print dialog offers a PDF file: named after
// the whole caption, dots and all, in the documents folder when there is
// one, else at home. The dialog itself reads in Chinese.
void TestPrinting::printToFileIsNamedAfterTheWholeCaption() {
    QFETCH(bool, documents);
    qputenv("CUPS_SERVER", "/nonexistent/quorvil-no-cups.sock");
    QTemporaryDir home;
    QVERIFY(home.isValid());
    struct Env {
        const char* name;
        QByteArray old = qgetenv(name);
        bool had = qEnvironmentVariableIsSet(name);
        ~Env() { had ? qputenv(name, old) : qunsetenv(name); }
    } homeEnv{"HOME"}, configEnv{"XDG_CONFIG_HOME"};
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    if (documents) QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));

    Sample w;
    w.setWindowTitle(QStringLiteral("6.米制普通螺纹(牙形角60°)"));
    w.show();
    QString file, title;
    QTimer::singleShot(0, &w, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            file = dialog->printer()->outputFileName();
            title = dialog->windowTitle();
            dialog->reject();
        }
    });
    printWindow(&w);
    const QString folder = documents ? home.filePath(QStringLiteral("Documents")) : home.path();
    QCOMPARE(file, QDir(folder).filePath(QStringLiteral("6.米制普通螺纹(牙形角60°).pdf")));
    QCOMPARE(title, QStringLiteral("打印"));
}

QUORVIL_UI_TEST_MAIN(TestPrinting)
#include "tst_printing.moc"
