#include "common/ui/defaultbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace quorvil {

namespace {

// Sits on the window and sees the Enter keys its controls do not take (a
// text box, an editable combo or a command button outside a dialog passes
// Enter on to its parents).
class DefaultButtonFilter : public QObject {
public:
    DefaultButtonFilter(QWidget* window, QPushButton* button) : QObject(window), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !button_) return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        // A command button with the focus takes Enter itself, as it would
        // in a dialog.
        QPushButton* target = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (!target) target = button_;
        if (!target->isVisible() || !target->isEnabled()) return false;
        target->click();
        return true;
    }

private:
    QPointer<QPushButton> button_;
};

}  // namespace

void setDefaultButton(QWidget* window, QPushButton* button) {
    button->setDefault(true);  // drawn as the default button
    window->installEventFilter(new DefaultButtonFilter(window, button));
}

}  // namespace quorvil
