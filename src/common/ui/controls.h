// Makers for the controls of the design. Each gives the control its design
// name as objectName (an element i of a control array `Name` is "Name_i"),
// its place and size in twips, and the design's look.
#pragma once

#include <QString>

#include <span>
#include <string_view>

#include "common/numtext.h"
#include "common/ui/captionframe.h"
#include "common/ui/twips.h"

class QColor;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quorvil {

class CaptionFrame;
class FormatBox;

// "Name_i" for element i of the control array "Name".
QString arrayName(const QString& name, int index);

// A frame with its caption in "宋体" 10.5, the caption font of every frame;
// the controls inside keep the window's font.
CaptionFrame* makeFrame(QWidget* parent, const QString& name, const QString& caption, Tw geo);
// The same, filled with a ground colour of its own.
CaptionFrame* makeFilledFrame(QWidget* parent, const QString& name, const QString& caption, Tw geo,
                              const QColor& ground);
// A label with transparent background; the name may be empty. Its text
// stands at the left, centred vertically, unless said otherwise.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, Tw geo,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A label whose text wraps at word or character breaks within its width;
// left aligned, by default centred vertically like any label.
QLabel* makeWrappedLabel(QWidget* parent, const QString& name, const QString& text, Tw geo,
                         Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A note or a caption that runs over lines: a wrapped label whose text
// starts at its top left corner; the name may be empty.
QLabel* makeNote(QWidget* parent, const QString& text, Tw geo, const QString& name = QString());
// A single-line text box, centred unless said otherwise, empty.
QLineEdit* makeBox(QWidget* parent, const QString& name, Tw geo, bool centred = true);
// A self-formatting result box (centred).
FormatBox* makeFormatBox(QWidget* parent, const QString& name, Pattern pattern, Tw geo, bool centred = true);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, Tw geo);
// An option button; options with the same parent form one group.
QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption, Tw geo);
// A drop-down list; it opens below its box, at most twelve rows tall.
QComboBox* makeCombo(QWidget* parent, const QString& name, Tw geo, bool editable = false);
QListWidget* makeList(QWidget* parent, const QString& name, Tw geo);
// Fills a drop-down list and leaves no item picked, so that it opens with an
// empty text field: the items of a table, or item(0) to item(count - 1).
void fillUnpicked(QComboBox* c, std::span<const std::string_view> items);
void fillUnpicked(QComboBox* c, int count, std::string_view (*item)(int));

}  // namespace quorvil
