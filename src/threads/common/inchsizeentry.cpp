#include "threads/common/inchsizeentry.h"

#include <QLineEdit>

#include "common/ui/controls.h"
#include "common/ui/labels.h"
#include "common/ui/linesketch.h"

namespace quorvil::inch {

SizeEntry makeSizeEntry(QWidget* frame, const SizeEntryNames& names, const SizeEntryLayout& at) {
    SizeEntry e{};
    label(frame, at.caption, at.captionAt);
    e.whole = makeBox(frame, names.whole, at.whole);
    const QString dash = QStringLiteral("-");
    if (at.dashCentred)
        centredLabel(frame, dash, at.dash);
    else
        label(frame, dash, at.dash);
    e.numerator = makeBox(frame, names.numerator, at.numerator);
    new LineSketch(frame, Sketch{at.bar});
    e.denominator = makeBox(frame, names.denominator, at.denominator);
    label(frame, QStringLiteral("英寸"), at.inch);
    label(frame, QStringLiteral("螺距"), at.pitchCaption);
    e.threadsPerInch = makeBox(frame, names.threadsPerInch, at.threadsPerInch);
    label(frame, QStringLiteral("牙/寸"), at.perInch);
    return e;
}

}  // namespace quorvil::inch
