// What the user sees of a window, measured with each widget's own font
// metrics: every text shown whole, nothing on top of anything else.
//
//     LayoutCheck check(window, allowances);
//     const QStringList faults = check.run(QStringLiteral("after M355"));
//
// run() looks at every visible control of the window as it is now:
// - a box's text fits its text area (inner margin and leading blank counted);
//   the same for the text of a combo box, a list's items, a tab's caption;
// - a label's text fits the label, at its width and, wrapped, its height;
// - a button's or an option's caption fits it;
// - a multi-line text needs no scrolling to be read whole;
// - no label's text lies on another control or another label's text;
// - no two controls lie on each other;
// - no control crosses the border or caption of a frame, and every control
//   stays inside the widget it stands on;
// - no line of a sketch crosses a label's text.
// Each fault names the control, its text and the pixels missing.
#pragma once

#include <QHash>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace quorvil::test {

// Something the design means, so the check lets it pass. `control` and
// `other` are the names faults use: the object name, or for an unnamed label
// its text in quotes ("\"大径\"").
struct LayoutAllowance {
    enum Kind {
        TextPastBox,  // the control's text may run past it (shown from its start)
        Overlap       // the control may lie on `other` (empty: on anything)
    };
    Kind kind;
    QString control;
    QString other;
    QString reason;  // why the design means it; never empty
};

class LayoutCheck {
public:
    LayoutCheck(QWidget* window, QList<LayoutAllowance> allowances);

    // The faults of the window as shown now. The geometry of controls that
    // were checked before with the same text is not checked again.
    QStringList run();

    // The name a fault gives a widget.
    static QString nameOf(const QWidget* w);

private:
    bool allowed(LayoutAllowance::Kind kind, const QString& control, const QString& other = QString()) const;
    void checkTexts(QStringList& faults) const;
    void checkPlaces(QStringList& faults);

    QWidget* window_;
    QList<LayoutAllowance> allowances_;
    // Per visible widget, the text its places were last checked with.
    QHash<const QWidget*, QString> placed_;
};

}  // namespace quorvil::test
