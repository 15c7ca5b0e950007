// Texts to compare with in tests: stored UTF-8 texts, and numbers written
// the way the windows write them into their boxes.
#pragma once

#include <QString>

#include <string_view>

#include "common/numtext.h"
#include "common/ui/viewtext.h"

namespace quorvil::test {

// A stored UTF-8 text as a QString.
inline QString q(std::string_view s) { return fromView(s); }

// A number as a plain write shows it (15 significant digits).
inline QString plain(double v) { return QString::fromStdString(plainText(v)); }

// A single-precision number as a plain write shows it (7 significant digits).
inline QString single(float v) { return QString::fromStdString(plainTextSingle(v)); }

// A number written plainly into a box that then formats itself with `p`.
inline QString shown(double v, Pattern p) { return QString::fromStdString(reformat(plainText(v), p)); }

}  // namespace quorvil::test
