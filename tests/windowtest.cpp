#include "windowtest.h"

#include <QPlainTextEdit>
#include <QTextEdit>

#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"

namespace quorvil::test {

void WindowProbe::tab(const QString& name, int index) const {
    auto* t = get<TabContainer>(name);
    if (index < 0 || index >= t->count()) qFatal("tab container %s has no page %d", qPrintable(name), index);
    t->setCurrentIndex(index);
}

void WindowProbe::step(const QString& step) const {
    const qsizetype eq = step.indexOf(u'=');
    const qsizetype colon = step.indexOf(u':');
    const QString verb = colon > 0 && (eq < 0 || colon < eq) ? step.left(colon) : QString();
    const QString name = step.mid(verb.isEmpty() ? 0 : colon + 1, eq < 0 ? -1 : eq - (verb.isEmpty() ? 0 : colon + 1));
    const QString value = eq < 0 ? QString() : step.mid(eq + 1);
    if (verb == QStringLiteral("click") && eq < 0)
        click(name);
    else if (verb == QStringLiteral("tab") && eq > 0)
        tab(name, value.toInt());
    else if (verb == QStringLiteral("pick") && eq > 0)
        pick(name, value.toInt());
    else if (verb == QStringLiteral("keys") && eq > 0)
        keys(name, value);
    else if (verb.isEmpty() && eq > 0)
        type(name, value);
    else
        qFatal("unreadable step %s", qPrintable(step));
}

QMap<QString, QString> WindowProbe::snapshot() const {
    // Controls of the design have names; Qt's own parts ("qt_…") and the
    // note of a refused press are not results.
    const auto named = [](const QObject* o) {
        const QString n = o->objectName();
        return !n.isEmpty() && !n.startsWith(QStringLiteral("qt_")) && n != QStringLiteral("refusalNote");
    };
    QMap<QString, QString> t;
    for (const QLineEdit* e : w_->findChildren<QLineEdit*>())
        if (named(e)) t[e->objectName()] = e->text();
    for (const QComboBox* c : w_->findChildren<QComboBox*>())
        if (named(c)) t[c->objectName()] = c->currentText();
    for (const QLabel* l : w_->findChildren<QLabel*>())
        if (named(l)) t[l->objectName()] = l->text();
    for (const QPlainTextEdit* e : w_->findChildren<QPlainTextEdit*>())
        if (named(e)) t[e->objectName()] = e->toPlainText();
    for (const QTextEdit* e : w_->findChildren<QTextEdit*>())
        if (named(e)) t[e->objectName()] = e->toPlainText();
    return t;
}

bool WindowProbe::refused(const QString& control, const QString& note) const {
    why_.clear();
    auto* c = get<QWidget>(control);
    QLineEdit* edit = qobject_cast<QLineEdit*>(c);
    if (auto* combo = qobject_cast<QComboBox*>(c); combo && combo->isEditable()) edit = combo->lineEdit();
    QWidget* focus = w_->focusWidget();
    if (focus != c && !(edit && focus == edit))
        why_ += QStringLiteral("the keyboard is in %1, not %2; ")
                    .arg(focus ? focus->objectName() : QStringLiteral("nothing"), control);
    if (edit && edit->selectedText() != edit->text())
        why_ += QStringLiteral("%1 has \"%2\" of \"%3\" selected; ").arg(control, edit->selectedText(), edit->text());
    const QLabel* shown = shownRefusal(w_);
    if (!shown)
        why_ += QStringLiteral("no note shows; ");
    else if (shown->text() != note)
        why_ += QStringLiteral("the note says \"%1\", not \"%2\"; ").arg(shown->text(), note);
    return why_.isEmpty();
}

QString snapshotDifferences(const QMap<QString, QString>& a, const QMap<QString, QString>& b,
                            const QStringList& keeps) {
    QStringList out;
    for (auto it = a.begin(); it != a.end(); ++it) {
        if (keeps.contains(it.key())) continue;
        const QString other = b.value(it.key());
        if (other != it.value()) out << QStringLiteral("%1 shows \"%2\", in a fresh window \"%3\"").arg(it.key(), it.value(), other);
    }
    return out.join(QStringLiteral("; "));
}

void WindowTestBase::init() {
    window_ = createWindow();
    windowChanged();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void WindowTestBase::cleanup() {
    delete window_;
    windowChanged();
}

}  // namespace quorvil::test
