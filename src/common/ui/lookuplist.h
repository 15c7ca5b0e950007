// Look-up list boxes: a key list whose pick shows the stored data of the
// picked row.
#pragma once

#include <optional>
#include <string_view>

#include <QString>

class QFont;
class QListWidget;
class QWidget;

namespace quorvil {

// Shows the items in `columns` columns side by side, each a fixed share of the
// list's width: the items run down the first column, then the next, and the
// list scrolls sideways. Call it once the list has its place and font.
void setColumns(QListWidget* list, int columns);

// The first selected row, or nothing when no item is selected.
std::optional<int> firstSelectedRow(const QListWidget* list);

// A stored UTF-8 text as a QString.
QString fromView(std::string_view text);

// The look of the look-up controls: white ground, navy text (0, 0, 128).
void setNavyOnWhite(QWidget* control, const QFont& font);

}  // namespace quorvil
