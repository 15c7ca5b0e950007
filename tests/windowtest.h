// A small fixture for window tests: find a control by its design name, type,
// click, pick a list item as a user would, and compare box texts against a
// list of expectations "name=text" ("name=" for an empty box).
//
//     WindowProbe p(window);
//     p.type({"w1=20", "w2=2.5"});
//     p.click("Command1");
//     QVERIFY2(p.matches({"w11=18.376", "w12=0.224"}), p.why());
//
// And the set-up every window test shares: a test class derived from
// WindowTest<Form15> gets a fresh window, shown, before each test function
// (w, and its probe p), destroyed after it.
//
//     class TestForm15 : public quorvil::test::WindowTest<Form15> {
//         Q_OBJECT
//     private slots:
//         void calculates() { p.type(...); ... }
//     };
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTextLayout>
#include <QWidget>

namespace quorvil::test {

class WindowProbe {
public:
    explicit WindowProbe(QWidget* window) : w_(window) {}

    QWidget* window() const { return w_; }

    // The control named `name`; the test stops when there is none.
    template <class T = QWidget>
    T* get(const QString& name) const {
        T* c = w_->findChild<T*>(name);
        if (!c) qFatal("no control %s of the expected kind", qPrintable(name));
        return c;
    }
    QLineEdit* box(const QString& name) const { return get<QLineEdit>(name); }

    // Types a text into a box (replacing it) or into an editable combo box.
    void type(const QString& name, const QString& text) const {
        if (auto* e = w_->findChild<QLineEdit*>(name)) {
            e->setText(text);
        } else if (auto* c = w_->findChild<QComboBox*>(name); c && c->isEditable()) {
            c->setEditText(text);
        } else {
            qFatal("no box %s to type into", qPrintable(name));
        }
    }
    // "name=text" for each box.
    void type(const QStringList& assignments) const {
        for (const QString& a : assignments) {
            const qsizetype eq = a.indexOf(u'=');
            if (eq < 0) qFatal("not name=text: %s", qPrintable(a));
            type(a.left(eq), a.mid(eq + 1));
        }
    }

    // Types a text key by key into a box or an editable combo box, as the
    // user does: its text selected first, so the keys replace it. The text
    // stays as typed until the user leaves the box or presses Enter.
    void keys(const QString& name, const QString& text) const {
        QLineEdit* e = w_->findChild<QLineEdit*>(name);
        if (!e) {
            auto* c = w_->findChild<QComboBox*>(name);
            if (!c || !c->isEditable()) qFatal("no box %s to type into", qPrintable(name));
            e = c->lineEdit();
        }
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }

    // Clicks a button or an option with the mouse.
    void click(const QString& name) const {
        auto* b = get<QAbstractButton>(name);
        if (!b->isVisible()) {
            b->click();  // on a hidden tab: the click a visible one would get
            return;
        }
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }

    // Double-clicks a control with the mouse, in its middle.
    void doubleClick(const QString& name) const {
        auto* c = get<QWidget>(name);
        QTest::mouseDClick(c, Qt::LeftButton, {}, c->rect().center());
    }

    // Picks item `row` of a list box with the mouse, or of a combo box as the
    // user would from its drop-down (current index changes, then activated).
    void pick(const QString& name, int row) const {
        if (auto* l = w_->findChild<QListWidget*>(name)) {
            QListWidgetItem* item = l->item(row);
            if (!item) qFatal("list %s has no row %d", qPrintable(name), row);
            if (l->isVisible()) {
                l->scrollToItem(item);
                QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(item).center());
            } else {
                l->setCurrentRow(row);
                emit l->itemClicked(item);
            }
            return;
        }
        auto* c = get<QComboBox>(name);
        if (row < 0 || row >= c->count()) qFatal("combo %s has no row %d", qPrintable(name), row);
        c->setCurrentIndex(row);
        emit c->activated(row);
    }

    // Shows page `index` of the tab container `name`.
    void tab(const QString& name, int index) const;

    // One step of a script, as the layout examples and the window tests
    // write them:
    //   "tab:NAME=I"    shows page I of the tab container NAME;
    //   "NAME=TEXT"     types TEXT into the box or editable combo NAME (type());
    //   "keys:NAME=TEXT" types TEXT key by key (keys());
    //   "click:NAME"    clicks the button or option NAME;
    //   "pick:NAME=I"   picks row I of the list or combo NAME.
    void step(const QString& step) const;
    void run(const QStringList& steps) const {
        for (const QString& s : steps) step(s);
    }

    // The text of every named box, combo box, label and text area of the
    // window, by name: what a user reads after a press.
    QMap<QString, QString> snapshot() const;

    // True when the last press was refused at `control` with `note`: the
    // control has the keyboard, a box's whole text is selected, and the note
    // shows in the window; otherwise why() says what is missing.
    bool refused(const QString& control, const QString& note) const;

    // The text of a box, label, combo box or button, or a frame's caption.
    QString text(const QString& name) const {
        if (auto* e = w_->findChild<QLineEdit*>(name)) return e->text();
        if (auto* l = w_->findChild<QLabel*>(name)) return l->text();
        if (auto* c = w_->findChild<QComboBox*>(name)) return c->currentText();
        if (auto* b = w_->findChild<QAbstractButton*>(name)) return b->text();
        if (auto* g = w_->findChild<QGroupBox*>(name)) return g->title();
        qFatal("no control %s with a text", qPrintable(name));
    }

    QMap<QString, QString> texts(const QStringList& names) const {
        QMap<QString, QString> t;
        for (const QString& n : names) t[n] = text(n);
        return t;
    }

    // True when every "name=text" holds; otherwise why() names each miss.
    bool matches(const QStringList& expected) const {
        why_.clear();
        for (const QString& e : expected) {
            const qsizetype eq = e.indexOf(u'=');
            if (eq < 0) qFatal("not name=text: %s", qPrintable(e));
            const QString name = e.left(eq), want = e.mid(eq + 1), got = text(name);
            if (got != want) why_ += QStringLiteral("%1: got \"%2\", want \"%3\"; ").arg(name, got, want);
        }
        return why_.isEmpty();
    }
    const char* why() const {
        whyBytes_ = why_.toUtf8();
        return whyBytes_.constData();
    }

private:
    QWidget* w_;
    mutable QString why_;
    mutable QByteArray whyBytes_;
};

// The texts that differ between a snapshot and that of a fresh window, but
// for the names in `keeps`; empty when none differs.
QString snapshotDifferences(const QMap<QString, QString>& a, const QMap<QString, QString>& b,
                            const QStringList& keeps = {});

// The lines a word-wrapping label breaks one paragraph into, in its font at
// its width.
inline QStringList wrappedLines(const QString& paragraph, const QFont& font, int width) {
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << paragraph.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

// The untyped part of WindowTest: Qt Test runs init() before and cleanup()
// after each test function of a class derived from it.
class WindowTestBase : public QObject {
    Q_OBJECT

protected:
    // The window of the running test function.
    QWidget* window() const { return window_; }

private slots:
    void init();
    void cleanup();

private:
    virtual QWidget* createWindow() = 0;
    virtual void windowChanged() = 0;
    QPointer<QWidget> window_;
};

template <class W>
class WindowTest : public WindowTestBase {
protected:
    W* w = nullptr;
    WindowProbe p{nullptr};

    // Every press answers for the inputs on screen: after `first` and then
    // `second` in this test's window, every text is what `second` alone
    // gives in a fresh window, but for the boxes in `keeps` (a typed wire,
    // say, that later presses read). Returns the differences, empty when none.
    QString staleAfter(const QStringList& first, const QStringList& second, const QStringList& keeps = {}) {
        p.run(first);
        p.run(second);
        W fresh;
        fresh.show();
        if (!QTest::qWaitForWindowExposed(&fresh)) return QStringLiteral("fresh window not shown");
        WindowProbe q(&fresh);
        q.run(second);
        return snapshotDifferences(p.snapshot(), q.snapshot(), keeps);
    }

private:
    QWidget* createWindow() override { return new W(); }
    void windowChanged() override {
        w = static_cast<W*>(window());
        p = WindowProbe(w);
    }
};

}  // namespace quorvil::test
