#include "common/ui/controls.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QItemDelegate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "common/ui/captionframe.h"
#include "common/ui/formatbox.h"
#include "common/ui/textbox.h"
#include "common/ui/viewtext.h"

namespace quorvil {

namespace {
// A list box that shows nothing picked until the user picks: a plain item
// view, given the keyboard with no current item, makes its first item
// current and draws it so, which reads as picked.
class ListBox : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const bool hadCurrent = currentIndex().isValid();
        QListWidget::focusInEvent(event);
        if (!hadCurrent && selectedItems().isEmpty())
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
};

// The rows of a drop-down list: as a plain item view draws them, with two
// pixels above and below the font's line, so that no glyph reaches the
// next row.
class ComboRows : public QItemDelegate {
public:
    using QItemDelegate::QItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), QFontMetrics(option.font).height() + 4));
        return size;
    }
};

template <class W>
W* named(W* w, const QString& name, Tw geo) {
    if (!name.isEmpty()) w->setObjectName(name);
    place(w, geo);
    return w;
}
}  // namespace

QString arrayName(const QString& name, int index) { return name + QLatin1Char('_') + QString::number(index); }

CaptionFrame* makeFrame(QWidget* parent, const QString& name, const QString& caption, Tw geo) {
    return named(new CaptionFrame(caption, parent), name, geo);
}

CaptionFrame* makeFilledFrame(QWidget* parent, const QString& name, const QString& caption, Tw geo,
                              const QColor& ground) {
    CaptionFrame* f = makeFrame(parent, name, caption, geo);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, ground);
    f->setPalette(p);
    f->setAutoFillBackground(true);
    return f;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, Tw geo, Qt::Alignment alignment) {
    auto* l = named(new QLabel(text, parent), name, geo);
    l->setAlignment(alignment);
    return l;
}

QLabel* makeWrappedLabel(QWidget* parent, const QString& name, const QString& text, Tw geo, Qt::Alignment alignment) {
    auto* l = makeLabel(parent, name, text, geo, alignment);
    l->setWordWrap(true);
    return l;
}

QLabel* makeNote(QWidget* parent, const QString& text, Tw geo, const QString& name) {
    return makeWrappedLabel(parent, name, text, geo, Qt::AlignLeft | Qt::AlignTop);
}

QLineEdit* makeBox(QWidget* parent, const QString& name, Tw geo, bool centred) {
    auto* b = named(new TextBox(parent), name, geo);
    if (centred) b->setAlignment(Qt::AlignCenter);
    return b;
}

FormatBox* makeFormatBox(QWidget* parent, const QString& name, Pattern pattern, Tw geo, bool centred) {
    auto* b = named(new FormatBox(pattern, parent), name, geo);
    if (centred) b->setAlignment(Qt::AlignCenter);
    return b;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, Tw geo) {
    return named(new QPushButton(caption, parent), name, geo);
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption, Tw geo) {
    return named(new QRadioButton(caption, parent), name, geo);
}

QComboBox* makeCombo(QWidget* parent, const QString& name, Tw geo, bool editable) {
    auto* c = named(new QComboBox(parent), name, geo);
    c->setEditable(editable);
    // The list opens below its box (the application style sees to that),
    // at most twelve rows tall with a scroll bar.
    c->setMaxVisibleItems(12);
    c->setItemDelegate(new ComboRows(c));
    if (!editable) return c;
    // What the user types is what the box holds: no completion from the
    // list (typing 11 must not leave 110), nothing added to the list, and
    // no item picked by typing or by Enter on a text that equals one; the
    // typed text leaves no item picked until one is chosen from the list.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    QObject::disconnect(c->lineEdit(), &QLineEdit::editingFinished, c, nullptr);
    QObject::connect(c->lineEdit(), &QLineEdit::textEdited, c, [c](const QString& typed) {
        if (c->currentIndex() == -1) return;
        QLineEdit* edit = c->lineEdit();
        const int cursor = edit->cursorPosition();
        c->setCurrentIndex(-1);  // empties the text field
        edit->setText(typed);
        edit->setCursorPosition(cursor);
    });
    return c;
}

QListWidget* makeList(QWidget* parent, const QString& name, Tw geo) { return named(new ListBox(parent), name, geo); }

void fillUnpicked(QComboBox* c, std::span<const std::string_view> items) {
    for (std::string_view item : items) c->addItem(fromView(item));
    c->setCurrentIndex(-1);
}

void fillUnpicked(QComboBox* c, int count, std::string_view (*item)(int)) {
    for (int i = 0; i < count; ++i) c->addItem(fromView(item(i)));
    c->setCurrentIndex(-1);
}

}  // namespace quorvil
