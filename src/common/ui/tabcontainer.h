// The tab container of the design: a row of tabs on top and pages that cover
// the whole container, so controls keep their design places measured from
// the container's top left corner (the tab row included).
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QTabBar;

namespace quorvil {

struct Tw;

class TabContainer : public QWidget {
    Q_OBJECT

public:
    TabContainer(QWidget* parent, const QString& name, const Tw& geo);

    // Adds a tab; controls of that page are created with the page as parent.
    QWidget* addPage(const QString& caption);
    QWidget* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(pages_.size()); }
    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return bar_; }
    void setTabFont(const QFont& font);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void showPage(int index);
    QTabBar* bar_;
    std::vector<QWidget*> pages_;
};

}  // namespace quorvil
