// A frame of the design: a border with its caption on the top line. The
// caption has a font and colour of its own ("宋体" 10.5 unless said
// otherwise) that, unlike a plain group box's, do not pass to the controls
// inside, which keep the window's font and colours.
#pragma once

#include <QGroupBox>

namespace quorvil {

class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    CaptionFrame(const QString& caption, QWidget* parent);

    void setCaptionFont(const QFont& font);
    void setCaptionColor(const QColor& color);
    QFont captionFont() const { return captionFont_; }
    QColor captionColor() const { return captionColor_; }
    // The border, in the frame's coordinates: its top edge runs through the
    // middle of the caption.
    QRect borderRect() const;
    // What lies inside the border's two lines.
    QRect innerRect() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QFont captionFont_;
    QColor captionColor_;
};

}  // namespace quorvil
