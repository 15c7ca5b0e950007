#include "common/ui/defaultbutton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace quorvil {

namespace {

// Sees the key presses that reach the window: those sent to it and those its
// controls let pass (a text box or an option does not use Enter).
class DefaultButtonFilter : public QObject {
public:
    DefaultButtonFilter(QWidget* window, QPushButton* button, DefaultButtonRules rules)
        : QObject(window), window_(window), button_(button), rules_(rules) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress || !button_) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        if (auto* focused = qobject_cast<QPushButton*>(window_->focusWidget())) {
            if (!rules_.focusedButtonTakesEnter) return false;
            focused->click();
            return true;
        }
        if (rules_.onlyWhileShown && !button_->isVisible()) return false;
        button_->click();
        return true;
    }

private:
    QWidget* window_;
    QPointer<QPushButton> button_;
    DefaultButtonRules rules_;
};

}  // namespace

void setDefaultButton(QWidget* window, QPushButton* button, DefaultButtonRules rules) {
    window->installEventFilter(new DefaultButtonFilter(window, button, rules));
}

}  // namespace quorvil
