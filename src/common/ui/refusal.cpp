#include "common/ui/refusal.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

#include "common/numtext.h"
#include "common/ui/boxio.h"
#include "common/ui/fonts.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/writeplan.h"

namespace quorvil {

namespace notes {
QString number() { return QStringLiteral("请输入数字"); }
QString decimalPoint() { return QStringLiteral("小数点请用“.”"); }
QString positive() { return QStringLiteral("须大于0"); }
QString denominator() { return QStringLiteral("分母不能为0"); }
QString tooLarge() { return QStringLiteral("数值过大"); }
QString nonZero() { return QStringLiteral("不能为0"); }
QString equalLoads() { return QStringLiteral("不能等于F1"); }
QString overDiameter() { return QStringLiteral("不能大于直径"); }
QString pickSize() { return QStringLiteral("请选择规格"); }
QString noBrowser() { return QStringLiteral("无法打开浏览器"); }
QString noMail() { return QStringLiteral("无法启动邮件程序"); }
}  // namespace notes

namespace {

const char* const kNoteName = "refusalNote";

// Room between the control and its note, and between the note and the
// window's edge, in pixels.
constexpr int kGap = 3;

// The note of one window. While it shows, it watches the whole program for
// the next key or click, and goes.
class RefusalNote : public QLabel {
public:
    explicit RefusalNote(QWidget* window) : QLabel(window) {
        setObjectName(QLatin1String(kNoteName));
        setFont(songFont(9));
        setAutoFillBackground(true);
        // The look of a tool tip: pale yellow, a thin dark border.
        setStyleSheet(QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid #767676;"
                                     " padding: 1px 3px; }"));
        setTextFormat(Qt::PlainText);
        hide();
    }

    void showBeside(QWidget* control, const QString& note) {
        setText(note);
        setAccessibleName(note);
        // The glyphs of the note's face reach a pixel above and below its
        // line height ("“" the first, the Han characters the second).
        resize(sizeHint() + QSize(0, 2));
        move(placeBeside(control));
        show();
        raise();
        qApp->installEventFilter(this);
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            qApp->removeEventFilter(this);
            hide();
            break;
        default: break;
        }
        return false;
    }

private:
    // To the right of the control where the window has room, else to its
    // left, else below it, else above it; always inside the window.
    QPoint placeBeside(const QWidget* control) const {
        const QWidget* window = parentWidget();
        const QRect c(control->mapTo(window, QPoint(0, 0)), control->size());
        const QSize room = window->size();
        const int w = width(), h = height();
        const auto clampX = [&](int x) { return std::clamp(x, kGap, std::max(kGap, room.width() - w - kGap)); };
        const auto clampY = [&](int y) { return std::clamp(y, kGap, std::max(kGap, room.height() - h - kGap)); };
        const int middle = clampY(c.center().y() - h / 2);
        if (c.right() + kGap + w + kGap <= room.width()) return {c.right() + 1 + kGap, middle};
        if (c.left() - kGap - w >= kGap) return {c.left() - kGap - w, middle};
        if (c.bottom() + kGap + h + kGap <= room.height()) return {clampX(c.left()), c.bottom() + 1 + kGap};
        return {clampX(c.left()), clampY(c.top() - kGap - h)};
    }
};

RefusalNote* noteOf(QWidget* window) {
    if (auto* n = window->findChild<RefusalNote*>(QLatin1String(kNoteName), Qt::FindDirectChildrenOnly)) return n;
    return new RefusalNote(window);
}

}  // namespace

void refuse(QWidget* control, const QString& note) {
    // A control on a page that is not in front (Enter presses a default
    // button whichever page is shown) brings its page forward, so that it
    // takes the keyboard and its note stands beside it.
    for (QWidget* w = control; w && !w->isWindow(); w = w->parentWidget())
        if (auto* tabs = qobject_cast<TabContainer*>(w->parentWidget()))
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->page(i) == w) tabs->setCurrentIndex(i);
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable()) edit = combo->lineEdit();
    control->setFocus(Qt::OtherFocusReason);
    if (edit) edit->selectAll();
    noteOf(control->window())->showBeside(control, note);
}

QLabel* shownRefusal(const QWidget* window) {
    auto* n = window->findChild<RefusalNote*>(QLatin1String(kNoteName), Qt::FindDirectChildrenOnly);
    return n && n->isVisible() ? n : nullptr;
}

void Inputs::refuse(QWidget* control, const QString& note) {
    if (!ok_) return;
    ok_ = false;
    quorvil::refuse(control, note);
}

bool Inputs::require(bool good, QWidget* control, const QString& note) {
    if (!good) refuse(control, note);
    return good;
}

std::optional<double> Inputs::read(const QString& text, QWidget* control, bool leading) {
    const std::string t = text.toStdString();
    switch (leading ? leadingFault(t) : strictFault(t)) {
    case ReadFault::None: return leading ? readLeadingNumber(t) : readStrict(t);
    case ReadFault::DecimalComma: refuse(control, notes::decimalPoint()); break;
    case ReadFault::TooLarge: refuse(control, notes::tooLarge()); break;
    case ReadFault::Empty:
    case ReadFault::NotANumber: refuse(control, notes::number()); break;
    }
    return std::nullopt;
}

std::optional<double> Inputs::number(QLineEdit* box) { return read(boxText(box), box, false); }

std::optional<double> Inputs::leading(QLineEdit* box) { return read(boxText(box), box, true); }

std::optional<double> Inputs::leading(QComboBox* combo) { return read(combo->currentText(), combo, true); }

std::optional<double> Inputs::positive(QLineEdit* box) {
    const std::optional<double> v = number(box);
    if (v && !require(*v > 0, box, notes::positive())) return std::nullopt;
    return v;
}

std::optional<double> Inputs::nonZero(QLineEdit* box) {
    const std::optional<double> v = number(box);
    if (v && !require(*v != 0, box, notes::nonZero())) return std::nullopt;
    return v;
}

std::optional<double> Inputs::part(QLineEdit* box) {
    if (isBlank(box)) return 0.0;
    return number(box);
}

std::optional<double> Inputs::numberOrEmpty(QLineEdit* box) {
    if (isBlank(box)) return std::nullopt;
    return number(box);
}

std::optional<FractionParts> Inputs::fraction(QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator) {
    const std::optional<double> w = part(whole), n = part(numerator), q = part(denominator);
    if (!w || !n || !q) return std::nullopt;
    if (!require(*n == 0 || *q != 0, denominator, notes::denominator())) return std::nullopt;
    return FractionParts{*w, *n, *q};
}

std::optional<double> tableOrKept(Inputs& in, WritePlan& plan, QLineEdit* box, std::optional<double> row) {
    if (!row) return in.numberOrEmpty(box);
    plan.plain(box, *row);
    return plan.shown(box);
}

QLineEdit* largestOf(std::initializer_list<std::pair<QLineEdit*, std::optional<double>>> inputs) {
    QLineEdit* box = nullptr;
    double largest = -1;
    for (const auto& [b, v] : inputs) {
        if (v && std::fabs(*v) > largest) {
            largest = std::fabs(*v);
            box = b;
        }
    }
    return box;
}

}  // namespace quorvil
