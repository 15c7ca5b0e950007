// Look-up list boxes: a key list whose pick shows the stored data of the
// picked row.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include <QFont>
#include <QString>
#include <QStringList>

#include "common/ui/twips.h"
#include "common/ui/viewtext.h"

class QListWidget;
class QWidget;

namespace quorvil {

// Shows the items in `columns` columns side by side, each a fixed share of the
// list's width: the items run down the first column, then the next, and the
// list scrolls sideways. Call it once the list has its place and font.
void setColumns(QListWidget* list, int columns);

// The first selected row, or nothing when no item is selected.
std::optional<int> firstSelectedRow(const QListWidget* list);

// How a size list shows its items: in `columns` columns side by side (see
// setColumns), in `font` where one is given, else in the font it inherits.
struct SizeListOptions {
    int columns = 1;
    std::optional<QFont> font;
};

// A size list (or any key list): the items dark blue on white, one picked at
// a time and none at first; `pick` runs once for each pick the user makes
// (onListPick) and reads the row with firstSelectedRow.
QListWidget* makeSizeList(QWidget* parent, const QString& name, Tw geo, const QStringList& sizes,
                          std::function<void()> pick, const SizeListOptions& options = {});

// The look of the look-up controls and size lists: white ground, navy text
// (0, 0, 128); the first form also gives the control its font.
void setNavyOnWhite(QWidget* control, const QFont& font);
void setNavyOnWhite(QWidget* control);

}  // namespace quorvil
