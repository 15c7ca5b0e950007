// The self-formatting result box: whenever its text changes (a calculation
// writes it, a clear button empties it, the user types), it rewrites the text
// in its pattern when the text reads strictly as a number. The rewrite
// happens inside the write, so a calculation that reads the box back gets the
// rounded text.
#pragma once

#include "common/ui/textbox.h"

#include "common/numtext.h"

namespace quorvil {

class FormatBox : public TextBox {
    Q_OBJECT

public:
    FormatBox(Pattern pattern, QWidget* parent);
    Pattern pattern() const { return pattern_; }

private:
    void reformatText();
    Pattern pattern_;
};

}  // namespace quorvil
