// The text box of the design. The design's box widths were made for boxes
// whose text starts about one pixel inside the border, so the text area here
// reaches one pixel closer to the border than a plain line edit's. A text
// still too long for the box is cut at the border, which is drawn over it.
#pragma once

#include <QLineEdit>

namespace quorvil {

class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvil
