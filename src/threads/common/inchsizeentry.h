// The inch thread windows' entry of a thread: a caption, the nominal size as
// whole inches, a numerator over a denominator with a slanted fraction bar
// between them, "英寸", then "螺距", the threads per inch and "牙/寸". The
// windows place its parts a little differently, so the places come in; the
// parts, their order and their texts are the entry's.
#pragma once

#include <QString>

#include "common/sketch.h"
#include "common/ui/twips.h"

class QLineEdit;
class QWidget;

namespace quorvil::inch {

// Twips of the frame the entry stands in.
struct SizeEntryLayout {
    QString caption;  // "公称直径", with the window's thread series
    Tw captionAt;
    Tw whole;
    Tw dash;  // the "-" between the whole inches and the fraction
    bool dashCentred;
    Tw numerator;
    SketchLine bar;  // the fraction bar
    Tw denominator;
    Tw inch;  // "英寸"
    Tw pitchCaption;
    Tw threadsPerInch;
    Tw perInch;  // "牙/寸"
};

// The design names of the four boxes.
struct SizeEntryNames {
    QString whole, numerator, denominator, threadsPerInch;
};

struct SizeEntry {
    QLineEdit* whole;
    QLineEdit* numerator;
    QLineEdit* denominator;
    QLineEdit* threadsPerInch;
};

SizeEntry makeSizeEntry(QWidget* frame, const SizeEntryNames& names, const SizeEntryLayout& at);

}  // namespace quorvil::inch
