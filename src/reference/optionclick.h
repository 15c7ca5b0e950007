// Option buttons of the reference windows.
#pragma once

#include <QRadioButton>

#include <algorithm>

namespace quorvil::reference {

// Only the circle and the caption of an option take a click: keep the option
// no wider than they are, so no part of it looks clickable and is not.
inline void narrowToCaption(QRadioButton* o) { o->resize(std::min(o->width(), o->sizeHint().width()), o->height()); }

}  // namespace quorvil::reference
