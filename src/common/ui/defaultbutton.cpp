#include "common/ui/defaultbutton.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace quorvil {

namespace {

// Sits on the window and sees the Enter keys its controls do not take (a
// text box, an option, an editable combo or a command button outside a
// dialog passes Enter on to its parents).
class DefaultButtonFilter : public QObject {
public:
    DefaultButtonFilter(QWidget* window, QPushButton* button, DefaultButtonRules rules)
        : QObject(window), window_(window), button_(button), rules_(rules) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress || !button_) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        QPushButton* target = button_;
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != window_) focus = window_->focusWidget();
        if (auto* focused = qobject_cast<QPushButton*>(focus)) {
            if (!rules_.focusedButtonTakesEnter) return false;
            target = focused;
        }
        if (!target->isEnabled()) return false;
        if (rules_.onlyWhileShown && !target->isVisible()) return false;
        target->click();
        return true;
    }

private:
    QWidget* window_;
    QPointer<QPushButton> button_;
    DefaultButtonRules rules_;
};

}  // namespace

void setDefaultButton(QWidget* window, QPushButton* button, DefaultButtonRules rules) {
    if (rules.drawnAsDefault) button->setDefault(true);
    window->installEventFilter(new DefaultButtonFilter(window, button, rules));
}

}  // namespace quorvil
