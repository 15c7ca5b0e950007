// Every window as the user sees it: fresh, on every tab page, after every
// row of its lists, every option and button, and after its worked examples
// and largest sizes, every text is shown whole and nothing lies on anything
// else (see layoutcheck.h). One entry per window, so that they run side by
// side; a failure lists every fault with the step that first showed it.
#include <QAbstractButton>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QDesktopServices>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

#include "common/ui/printing.h"
#include "common/ui/tabcontainer.h"
#include "layoutcheck.h"
#include "layoutexamples.h"
#include "shell/Form1.h"
#include "shell/launch.h"
#include "shell/windows.h"
#include "uitest.h"
#include "windowtest.h"

using namespace quorvil;
using namespace quorvil::test;

namespace {

class UrlSink : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl&) {}
};

class Driver {
public:
    Driver(QWidget* window, const QString& name)
        : window_(window),
          name_(name),
          entry_(layoutWindow(name)),
          check_(window, entry_.allowances),
          skips_(entry_.sweepSkips),
          probe_(window) {}

    void look(const QString& step) {
        record(step);
        for (const QString& fault : check_.run())
            if (!seen_.contains(fault)) {
                seen_.insert(fault);
                faults_ << QStringLiteral("%1 (%2)").arg(fault, step);
            }
    }

    QStringList faults() const { return faults_; }

    // Every tab page, fresh.
    void everyPage(const std::function<void(const QString&)>& onPage) {
        const QList<TabContainer*> tabs = window_->findChildren<TabContainer*>();
        if (tabs.isEmpty()) {
            onPage(QStringLiteral("fresh"));
            return;
        }
        for (TabContainer* t : tabs) {
            const int start = t->currentIndex();
            for (int i = 0; i < t->count(); ++i) {
                t->setCurrentIndex(i);
                onPage(QStringLiteral("page %1").arg(i));
            }
            t->setCurrentIndex(start);
        }
    }

    void sweep(const QString& where) {
        QWidget* page = currentPage();
        QList<QPushButton*> buttons;
        for (QPushButton* b : page->findChildren<QPushButton*>())
            if (b->isVisible() && b->isEnabled() && !isPrint(b) && !skips_.contains(b->objectName())) buttons << b;
        QList<QRadioButton*> options;
        for (QRadioButton* o : page->findChildren<QRadioButton*>())
            if (o->isVisible() && o->isEnabled()) options << o;
        const auto pressAll = [&](const QString& after) {
            const qsizetype rounds = std::max<qsizetype>(1, options.size());
            for (qsizetype k = 0; k < rounds; ++k) {
                QString at = after;
                if (!options.isEmpty()) {
                    options[k]->click();
                    at += QStringLiteral(", option %1").arg(LayoutCheck::nameOf(options[k]));
                    look(at);
                }
                for (QPushButton* b : buttons) {
                    b->click();
                    look(at + QStringLiteral(", button %1").arg(LayoutCheck::nameOf(b)));
                }
            }
        };
        bool anyList = false;
        for (QListWidget* l : page->findChildren<QListWidget*>()) {
            if (!l->isVisible() || !l->isEnabled()) continue;
            for (int row = 0; row < l->count(); ++row) {
                anyList = true;
                l->setCurrentRow(row);
                const QString at = QStringLiteral("%1, %2 row %3").arg(where, l->objectName()).arg(row);
                look(at);
                pressAll(at);
            }
        }
        for (QComboBox* c : page->findChildren<QComboBox*>()) {
            if (!c->isVisible() || !c->isEnabled()) continue;
            for (int row = 0; row < c->count(); ++row) {
                anyList = true;
                c->setCurrentIndex(row);
                emit c->activated(row);
                const QString at = QStringLiteral("%1, %2 row %3").arg(where, c->objectName()).arg(row);
                look(at);
                pressAll(at);
            }
        }
        if (!anyList) pressAll(where);
    }

    void apply(const Example& steps, int number) {
        QString done;
        for (const QString& step : steps) {
            done += (done.isEmpty() ? QString() : QStringLiteral(" ")) + step;
            const QString at = QStringLiteral("example %1: %2").arg(number).arg(done);
            if (step == QStringLiteral("sweep")) {
                sweep(at);
                continue;
            }
            probe_.step(step);
            look(at);
        }
    }

private:
    // With QUORVIL_LAYOUT_DUMP set to a folder, every look also writes what
    // the user reads (every text of the window) and a digest of the window's
    // image to <folder>/<window>.txt: two runs' dumps compare byte for byte,
    // so a change that must keep behaviour can show that it did. With
    // QUORVIL_LAYOUT_DUMP_IMAGES set as well, each image is saved once per
    // digest as <folder>/<window>-<digest>.png, to look at what differs.
    void record(const QString& step) {
        static const QString folder = qEnvironmentVariable("QUORVIL_LAYOUT_DUMP");
        if (folder.isEmpty()) return;
        const QImage image = window_->grab().toImage();
        const QByteArray digest =
            QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1)
                .toHex()
                .left(16);
        const QString png = QStringLiteral("%1/%2-%3.png").arg(folder, name_, QString::fromLatin1(digest));
        static const bool images = qEnvironmentVariableIsSet("QUORVIL_LAYOUT_DUMP_IMAGES");
        if (images && !QFile::exists(png)) image.save(png);
        QFile out(QStringLiteral("%1/%2.txt").arg(folder, name_));
        if (!out.open(QIODevice::Append)) qFatal("cannot write %s", qPrintable(out.fileName()));
        QByteArray text = "## " + step.toUtf8() + "\nimage " + digest + "\n";
        const QMap<QString, QString> texts = probe_.snapshot();
        for (auto it = texts.begin(); it != texts.end(); ++it) text += (it.key() + u'=' + it.value()).toUtf8() + '\n';
        out.write(text);
    }

    static bool isPrint(const QPushButton* b) {
        static const QRegularExpression print(QStringLiteral("^打\\s*印$"));
        return print.match(b->text()).hasMatch();
    }

    QWidget* currentPage() const {
        for (TabContainer* t : window_->findChildren<TabContainer*>())
            if (t->isVisible()) return t->page(t->currentIndex());
        return window_;
    }

    QWidget* window_;
    QString name_;
    LayoutWindow entry_;
    LayoutCheck check_;
    QStringList skips_;
    WindowProbe probe_;
    QSet<QString> seen_;
    QStringList faults_;
};

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void window_data();
    void window();

private:
    UrlSink urls_;
};

void TestLayout::initTestCase() {
    setPrintSink([](const QImage&) {});
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &urls_, "open");
}

void TestLayout::cleanupTestCase() {
    setPrintSink({});
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void TestLayout::window_data() {
    QTest::addColumn<int>("index");
    QTest::addRow("Form1") << -1;
    for (const WindowEntry& e : kWindows) QTest::addRow("%s", std::string(e.className).c_str()) << e.launchIndex;
}

void TestLayout::window() {
    QFETCH(int, index);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    std::unique_ptr<Form1> main;
    QPointer<QWidget> w;
    if (index < 0) {
        main = std::make_unique<Form1>();
        main->show();
        w = main.get();
    } else {
        w = launchToolWindow(index);
    }
    QVERIFY(QTest::qWaitForWindowExposed(w));

    Driver driver(w, name);
    driver.everyPage([&](const QString& page) { driver.look(page + QStringLiteral(", fresh")); });
    driver.everyPage([&](const QString& page) { driver.sweep(page); });
    const QList<Example> examples = layoutWindow(name).examples;
    for (int i = 0; i < examples.size(); ++i) driver.apply(examples[i], i + 1);

    if (index >= 0) w->close();
    const QStringList faults = driver.faults();
    if (!faults.isEmpty())
        QFAIL(qPrintable(QStringLiteral("%1: %2 faults\n  %3")
                             .arg(name)
                             .arg(faults.size())
                             .arg(faults.join(QStringLiteral("\n  ")))));
}

QUORVIL_UI_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
