// A press that cannot use what is typed refuses: it writes no box, gives the
// offending box the keyboard with its whole text selected, and shows a short
// note beside it that names what is wanted. The note goes at the next key or
// click. It is a label of the window, not a dialog, so the user can type the
// correction at once and a screen reader reads it.
//
//     Inputs in;
//     const auto d = in.number(w1);     // "请输入数字" for "", "abc", "1,5"
//     const auto P = in.positive(w2);   // also "须大于0" for 0
//     if (!in.ok()) return;             // the first fault is already shown
//     ...
//     if (!plan.commit()) in.refuse(w1, notes::tooLarge());
#pragma once

#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace quorvil {
class WritePlan;
}

namespace quorvil {

namespace notes {
QString number();        // "请输入数字": empty, letters, text after the number
QString decimalPoint();  // a decimal comma typed for the point
QString positive();      // "须大于0": a pitch, module, angle, count or density
QString denominator();   // "分母不能为0"
QString tooLarge();      // "数值过大": beyond what can be computed with
QString nonZero();       // "不能为0": a count or divisor that may be negative, but not 0
QString equalLoads();    // "不能等于F1": a spring's maximum load equal to its minimum
QString overDiameter();  // "不能大于直径": flats wider apart than their disc
QString pickSize();      // "请选择规格": a press that needs a size picked in a list
QString noBrowser();     // "无法打开浏览器"
QString noMail();        // "无法启动邮件程序"
}  // namespace notes

// Refuses at `control` (a box, an editable combo box or a button): it takes
// the keyboard, a box's text is selected, and `note` shows beside it. A
// second refusal in the same window replaces the first note.
void refuse(QWidget* control, const QString& note);

// The note `window` shows now, or nullptr.
QLabel* shownRefusal(const QWidget* window);

// The three parts of a mixed fraction, as a compound entry reads them.
struct FractionParts {
    double whole;
    double numerator;
    double denominator;
};

// The inputs of one press, read in the order the press uses them. The first
// that cannot be used refuses the press; later faults are not shown over it.
class Inputs {
public:
    // The whole text one number (strict reading).
    std::optional<double> number(QLineEdit* box);
    // A number above 0: a pitch, a module, threads per inch, a density.
    std::optional<double> positive(QLineEdit* box);
    // A number other than 0, where negative numbers are computed with as
    // typed but 0 divides: a pitch, an angle, a count ("不能为0").
    std::optional<double> nonZero(QLineEdit* box);
    // A part of a compound entry (whole inches, minutes, seconds): an empty
    // box counts as 0, anything else must be a number.
    std::optional<double> part(QLineEdit* box);
    // The leading number of a box its window reads leniently ("12mm" gives
    // 12); no number, a decimal comma after it or a number too large refuses.
    std::optional<double> leading(QLineEdit* box);
    // A box a press reads only where its table gives no value, and which
    // the user may leave empty (a wire, a gauge tolerance): an empty box
    // gives no value and refuses nothing; any other text must be a number.
    std::optional<double> numberOrEmpty(QLineEdit* box);
    // The same of an editable combo box's text; it refuses at the combo box.
    std::optional<double> leading(QComboBox* combo);
    // A mixed fraction, each box a part; a numerator other than 0 over an
    // empty or zero denominator refuses at the denominator.
    std::optional<FractionParts> fraction(QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator);

    // Refuses at `control` unless `good`; returns `good`.
    bool require(bool good, QWidget* control, const QString& note);
    // Refuses at `control`, unless an earlier input already refused.
    void refuse(QWidget* control, const QString& note);

    // True while every input read so far can be used.
    bool ok() const { return ok_; }

private:
    // Reads `text`; a fault refuses at `control`.
    std::optional<double> read(const QString& text, QWidget* control, bool leading);
    bool ok_ = true;
};

// A box filled from a table that the user may also type into (a wire, a
// gauge tolerance): the row's value staged into it, or without a row what
// the box holds (a value of an earlier row, or one the user typed), which
// the press then reads: empty is no value, anything else must be a number
// (Inputs::numberOrEmpty). The value as the box will show it.
std::optional<double> tableOrKept(Inputs& in, WritePlan& plan, QLineEdit* box, std::optional<double> row);

// The box whose number is largest in magnitude, where a result too large to
// show comes from; inputs without a number are passed over.
QLineEdit* largestOf(std::initializer_list<std::pair<QLineEdit*, std::optional<double>>> inputs);

}  // namespace quorvil
