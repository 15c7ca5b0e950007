#include "common/ui/labels.h"

#include <QLabel>

#include "common/ui/controls.h"

namespace quorvil {

QLabel* label(QWidget* parent, const QString& text, Tw geo) { return makeLabel(parent, QString(), text, geo); }

QLabel* centredLabel(QWidget* parent, const QString& text, Tw geo) {
    return makeLabel(parent, QString(), text, geo, Qt::AlignCenter);
}

}  // namespace quorvil
