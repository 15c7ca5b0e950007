#include "common/ui/defaultbutton.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace quorvil {

namespace {

const char* const kFilterName = "quorvil_enterKeys";

// Sits on the window and sees the Enter keys its controls do not take: a
// text box, an option, an editable combo and a command button that is not a
// default button pass Enter on to their parents.
class EnterKeys : public QObject {
public:
    explicit EnterKeys(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QLatin1String(kFilterName));
        window->installEventFilter(this);
    }

    void setDefault(QPushButton* button, DefaultButtonRules rules) {
        default_ = button;
        rules_ = rules;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != window_) focus = window_->focusWidget();
        if (auto* focused = qobject_cast<QPushButton*>(focus)) return press(focused, true);
        return default_ && press(default_, !rules_.onlyWhileShown || default_->isVisible());
    }

private:
    static bool press(QPushButton* button, bool reachable) {
        if (!reachable || !button->isEnabled()) return false;
        button->click();
        return true;
    }

    QWidget* window_;
    QPointer<QPushButton> default_;
    DefaultButtonRules rules_;
};

EnterKeys* enterKeys(QWidget* window) {
    if (auto* f = window->findChild<QObject*>(QLatin1String(kFilterName), Qt::FindDirectChildrenOnly))
        return static_cast<EnterKeys*>(f);
    return new EnterKeys(window);
}

}  // namespace

void enterPressesFocusedButton(QWidget* window) { enterKeys(window); }

void setDefaultButton(QWidget* window, QPushButton* button, DefaultButtonRules rules) {
    if (rules.drawnAsDefault) button->setDefault(true);
    enterKeys(window)->setDefault(button, rules);
}

}  // namespace quorvil
