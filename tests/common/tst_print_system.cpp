// Printing against a real print system: the test command starts a CUPS
// server of its own whose default printer is a cups-pdf queue. A print button
// is pressed, and the test waits for the PDF: one page, not blank.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "shell/launch.h"
#include "uitest.h"

namespace {

QSet<QString> pdfsIn(const QDir& dir) {
    QSet<QString> out;
    for (const QString& f : dir.entryList({QStringLiteral("*.pdf")}, QDir::Files)) out << f;
    return out;
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The first print button of any tool window, with its window kept open.
QPushButton* findPrintButton() {
    static const QRegularExpression caption(QStringLiteral("^打\\s*印$"));
    for (int i = 0; i < 21; ++i) {
        QWidget* w = quorvil::launchToolWindow(i);
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (caption.match(b->text()).hasMatch() && b->isVisible()) return b;
        w->close();
    }
    return nullptr;
}

}  // namespace

class TestPrintSystem : public QObject {
    Q_OBJECT
private slots:
    void printButtonPrintsOnePage();
};

void TestPrintSystem::printButtonPrintsOnePage() {
    const QString outDir = qEnvironmentVariable("QUORVIL_PDF_OUT");
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER") || outDir.isEmpty())
        QSKIP("needs the test command's own print system (scripts/test)");
    QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "the private print system has no default printer");

    QDir dir(outDir);
    dir.mkpath(QStringLiteral("."));
    const QSet<QString> before = pdfsIn(dir);

    QPushButton* print = findPrintButton();
    QVERIFY2(print, "no window has a print button");
    print->click();

    QString pdf;
    QElapsedTimer clock;
    clock.start();
    while (pdf.isEmpty() && clock.elapsed() < 90000) {
        QTest::qWait(250);
        for (const QString& f : pdfsIn(dir) - before) {
            const QString path = dir.filePath(f);
            if (!run(QStringLiteral("pdfinfo"), {path}).isEmpty()) pdf = path;
        }
    }
    QVERIFY2(!pdf.isEmpty(), "no PDF arrived from the print system");

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b"))), qPrintable(info));

    QTemporaryDir tmp;
    const QString png = tmp.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, png});
    QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    int inked = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200) ++inked;
    QVERIFY2(inked > 200, "the printed page is blank");
    QFile::remove(pdf);
}

QUORVIL_UI_TEST_MAIN(TestPrintSystem)
#include "tst_print_system.moc"
