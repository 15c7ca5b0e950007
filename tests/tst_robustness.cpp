// Hostile input against every window the program can launch: type texts that
// are no number, or numbers at the edge of the range, into every editable
// box, press every button and option, pick every list entry and show every
// tab, and require that nothing crashes and no box ever shows inf or nan.
// New windows are covered as soon as a launch button opens them.
#include <QAbstractButton>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include <map>
#include <string>

#include "common/ui/printing.h"
#include "common/ui/tabcontainer.h"
#include "shell/Form1.h"
#include "shell/launch.h"
#include "shell/windows.h"
#include "uitest.h"

namespace {

const QStringList& hostileTexts() {
    static const QStringList texts = {QString(),
                                      QStringLiteral("   "),
                                      QStringLiteral("abc"),
                                      QStringLiteral("-"),
                                      QStringLiteral("."),
                                      QStringLiteral("1e400"),
                                      QStringLiteral("-1e308"),
                                      QStringLiteral("nan"),
                                      QStringLiteral("inf"),
                                      QStringLiteral("0x10"),
                                      QStringLiteral("0"),
                                      QString(400, QLatin1Char('9')),
                                      QStringLiteral("1e308"),
                                      QStringLiteral("-0.5"),
                                      QStringLiteral("1e-300")};
    return texts;
}

bool showsNonNumber(const QString& text) {
    const QString t = text.toLower();
    return t.contains(QStringLiteral("inf")) || t.contains(QStringLiteral("nan"));
}

class UrlSink : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl&) {}
};

// One window under attack.
class Attack {
public:
    explicit Attack(QWidget* window) : w_(window) {}

    QList<QLineEdit*> boxes() const {
        QList<QLineEdit*> out;
        for (QLineEdit* b : w_->findChildren<QLineEdit*>())
            if (!b->isReadOnly() && b->isEnabled()) out << b;
        return out;
    }

    void type(QLineEdit* box, const QString& text) {
        box->setText(text);
        typed_[box] = box->text();  // what the box made of it (self-formatting included)
    }

    void typeAll(const QString& text) {
        for (QLineEdit* b : boxes()) type(b, text);
        for (QPlainTextEdit* e : w_->findChildren<QPlainTextEdit*>()) {
            if (e->isReadOnly() || !e->isEnabled()) continue;
            e->setPlainText(text);
            typedText_[e] = e->toPlainText();
        }
    }

    void pressEverything() {
        for (QAbstractButton* b : w_->findChildren<QAbstractButton*>()) {
            if (!b->isEnabled() || qobject_cast<QTabBar*>(b->parentWidget())) continue;
            b->click();
            check(b->objectName());
            if (failed()) return;
        }
        for (QComboBox* c : w_->findChildren<QComboBox*>()) {
            for (int i = 0; i < c->count(); ++i) {
                c->setCurrentIndex(i);
                emit c->activated(i);
                check(c->objectName());
                if (failed()) return;
            }
        }
        for (QListWidget* l : w_->findChildren<QListWidget*>()) {
            for (int i = 0; i < l->count(); ++i) {
                l->setCurrentRow(i);
                emit l->itemClicked(l->item(i));
                check(l->objectName());
                if (failed()) return;
            }
        }
    }

    void showEveryTab() {
        for (quorvil::TabContainer* t : w_->findChildren<quorvil::TabContainer*>())
            for (int i = 0; i < t->count(); ++i) t->setCurrentIndex(i);
    }

    // Stops the attack at the first fault, so the report names one.
    static bool failed() { return QTest::currentTestFailed(); }

    void check(const QString& after) {
        if (failed()) return;
        for (QLineEdit* b : w_->findChildren<QLineEdit*>()) {
            const QString text = b->text();
            if (!showsNonNumber(text)) continue;
            auto it = typed_.find(b);
            if (it != typed_.end() && it->second == text) continue;  // the hostile text itself
            QFAIL(qPrintable(QStringLiteral("%1: box %2 shows \"%3\" after %4")
                                 .arg(w_->objectName(), b->objectName(), text.left(40), after)));
        }
        for (QLabel* l : w_->findChildren<QLabel*>())
            if (showsNonNumber(l->text()))
                QFAIL(qPrintable(
                    QStringLiteral("%1: label %2 shows \"%3\"").arg(w_->objectName(), l->objectName(), l->text())));
        for (QPlainTextEdit* e : w_->findChildren<QPlainTextEdit*>())
            if (showsNonNumber(e->toPlainText()) && typedText_[e] != e->toPlainText())
                QFAIL(qPrintable(QStringLiteral("%1: text %2 shows inf or nan").arg(w_->objectName(), e->objectName())));
        for (QTextEdit* e : w_->findChildren<QTextEdit*>())
            if (showsNonNumber(e->toPlainText()))
                QFAIL(
                    qPrintable(QStringLiteral("%1: text %2 shows inf or nan").arg(w_->objectName(), e->objectName())));
    }

    void run() {
        showEveryTab();
        for (const QString& text : hostileTexts()) {
            typeAll(text);
            check(QStringLiteral("typing"));
            pressEverything();
            if (failed()) return;
        }
        // One hostile box among plausible ones reaches the deeper steps of a
        // calculation.
        const QList<QLineEdit*> all = boxes();
        for (QLineEdit* target : all) {
            for (const QString& text : hostileTexts()) {
                for (QLineEdit* b : all) type(b, QStringLiteral("10"));
                type(target, text);
                for (QAbstractButton* b : w_->findChildren<QAbstractButton*>()) {
                    if (!b->isEnabled() || qobject_cast<QTabBar*>(b->parentWidget())) continue;
                    b->click();
                    check(b->objectName());
                    if (failed()) return;
                }
            }
        }
        // Typing character by character, as a user does.
        for (QLineEdit* b : all) {
            b->clear();
            QTest::keyClicks(b, QStringLiteral("-1e4x.5"));
            typed_[b] = b->text();
            check(QStringLiteral("keystrokes"));
        }
    }

private:
    QWidget* w_;
    std::map<QLineEdit*, QString> typed_;
    std::map<QPlainTextEdit*, QString> typedText_;
};

}  // namespace

class TestRobustness : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainWindow();
    void toolWindow_data();
    void toolWindow();

private:
    UrlSink urls_;
};

void TestRobustness::initTestCase() {
    quorvil::setPrintSink([](const QImage&) {});
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &urls_, "open");
}

void TestRobustness::cleanupTestCase() {
    quorvil::setPrintSink({});
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void TestRobustness::mainWindow() {
    Form1 f;
    f.show();
    Attack(&f).run();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &f && w->isVisible()) w->close();
}

void TestRobustness::toolWindow_data() {
    QTest::addColumn<int>("index");
    for (const quorvil::WindowEntry& e : quorvil::kWindows)
        QTest::addRow("%s", std::string(e.className).c_str()) << e.launchIndex;
}

void TestRobustness::toolWindow() {
    QFETCH(int, index);
    QPointer<QWidget> w = quorvil::launchToolWindow(index);
    QVERIFY(w);
    Attack(w).run();
    w->close();
    QTRY_VERIFY(w.isNull());
}

QUORVIL_UI_TEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
