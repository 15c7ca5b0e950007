// The self-formatting result box: whenever its text changes (a calculation
// writes it, a clear button empties it), it rewrites the text in its pattern
// when the text reads strictly as a number. The rewrite happens inside the
// write, so a calculation that reads the box back gets the rounded text.
//
// What the user types is left as typed while the box has the keyboard:
// formatting each key stroke would turn 2.5 into "2.000.5". The typed text is
// formatted when the user leaves the box or presses Enter, and before any
// calculation reads the box (the readers of boxio.h settle it), so a
// calculation always sees, and uses, the formatted number.
#pragma once

#include "common/ui/textbox.h"

#include "common/numtext.h"

namespace quorvil {

class FormatBox : public TextBox {
    Q_OBJECT

public:
    FormatBox(Pattern pattern, QWidget* parent);
    Pattern pattern() const { return pattern_; }
    // A new pattern for the next change; the text shown stays as it is.
    void setPattern(Pattern pattern) { pattern_ = pattern; }

    // Formats the text the user has typed, if any waits.
    void settle();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void reformatText();
    Pattern pattern_;
    bool editing_ = false;  // the change under way is a key stroke
    bool typed_ = false;    // the text is the user's, not yet formatted
};

// Settles a self-formatting box (see FormatBox::settle); any other box is
// left alone. Reading a box settles it first, as leaving it would.
void settleTyping(const QLineEdit* box);

}  // namespace quorvil
