#include "common/ui/lookuplist.h"

#include <QListWidget>
#include <QScrollBar>

#include "common/ui/controls.h"
#include "common/ui/listpick.h"

namespace quorvil {

void setColumns(QListWidget* list, int columns) {
    list->setViewMode(QListView::ListMode);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setResizeMode(QListView::Fixed);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    const int inner = list->width() - 2 * list->frameWidth();
    const int rowHeight = list->fontMetrics().height() + 2;
    list->setGridSize(QSize(inner / columns, rowHeight));
}

std::optional<int> firstSelectedRow(const QListWidget* list) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected()) return row;
    return std::nullopt;
}

QListWidget* makeSizeList(QWidget* parent, const QString& name, Tw geo, const QStringList& sizes,
                          std::function<void()> pick, const SizeListOptions& options) {
    QListWidget* list = makeList(parent, name, geo);
    if (options.font)
        setNavyOnWhite(list, *options.font);
    else
        setNavyOnWhite(list);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->addItems(sizes);
    list->setCurrentRow(-1);
    list->clearSelection();
    // The columns' row height follows the font.
    if (options.columns > 1) setColumns(list, options.columns);
    onListPick(list, std::move(pick));
    return list;
}

void setNavyOnWhite(QWidget* control, const QFont& font) {
    control->setFont(font);
    setNavyOnWhite(control);
}

void setNavyOnWhite(QWidget* control) {
    QPalette p = control->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, QColor(0, 0, 128));
    control->setPalette(p);
}

}  // namespace quorvil
