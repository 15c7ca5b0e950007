// Labels a window never names: captions beside its boxes and in its frames.
#pragma once

#include <QString>

#include "common/ui/twips.h"

class QLabel;
class QWidget;

namespace quorvil {

// A label without a name of its own (see makeLabel).
QLabel* label(QWidget* parent, const QString& text, Tw geo);

// The same, its text centred both ways.
QLabel* centredLabel(QWidget* parent, const QString& text, Tw geo);

}  // namespace quorvil
