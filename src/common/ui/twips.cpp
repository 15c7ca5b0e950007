#include "common/ui/twips.h"

#include <QWidget>

namespace quorvil {

void place(QWidget* w, Tw geo) { w->setGeometry(geo.rect()); }

}  // namespace quorvil
