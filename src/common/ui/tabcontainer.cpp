#include "common/ui/tabcontainer.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include "common/ui/twips.h"

namespace quorvil {

TabContainer::TabContainer(QWidget* parent, const QString& name, const Tw& geo)
    : QWidget(parent), bar_(new QTabBar(this)) {
    setObjectName(name);
    place(this, geo);
    // A container the design makes a pixel or two larger than its window
    // would lose its right and bottom borders: it ends at the window's edge.
    if (parent && parent->isWindow()) setGeometry(geometry().intersected(parent->rect()));
    bar_->setObjectName(name + QStringLiteral("_tabs"));
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    connect(bar_, &QTabBar::currentChanged, this, [this](int i) { showPage(i); });
}

QWidget* TabContainer::addPage(const QString& caption) {
    auto* page = new QWidget(this);
    page->setObjectName(objectName() + QStringLiteral("_page") + QString::number(pages_.size()));
    page->setGeometry(rect());
    pages_.push_back(page);
    bar_->addTab(caption);
    bar_->adjustSize();
    bar_->raise();
    showPage(bar_->currentIndex());
    return page;
}

int TabContainer::currentIndex() const { return bar_->currentIndex(); }
void TabContainer::setCurrentIndex(int index) { bar_->setCurrentIndex(index); }

void TabContainer::setTabFont(const QFont& font) {
    bar_->setFont(font);
    bar_->adjustSize();
}

void TabContainer::showPage(int index) {
    for (std::size_t i = 0; i < pages_.size(); ++i) pages_[i]->setVisible(static_cast<int>(i) == index);
    bar_->raise();
}

void TabContainer::resizeEvent(QResizeEvent*) {
    for (auto* p : pages_) p->setGeometry(rect());
}

void TabContainer::paintEvent(QPaintEvent*) {
    // The page panel below the row of tabs.
    QPainter painter(this);
    QStyleOptionTabWidgetFrame opt;
    opt.initFrom(this);
    opt.rect = rect().adjusted(0, bar_->height() - 1, 0, 0);
    opt.shape = QTabBar::RoundedNorth;
    opt.tabBarSize = bar_->size();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opt, &painter, this);
}

}  // namespace quorvil
