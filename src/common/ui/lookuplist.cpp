#include "common/ui/lookuplist.h"

#include <QListWidget>
#include <QScrollBar>

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

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

void setNavyOnWhite(QWidget* control, const QFont& font) {
    control->setFont(font);
    QPalette p = control->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, QColor(0, 0, 128));
    control->setPalette(p);
}

}  // namespace quorvil
