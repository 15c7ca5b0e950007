#include "common/ui/listpick.h"

#include <QEvent>
#include <QListWidget>

namespace quorvil {

namespace {

// A mouse click changes the selection on the press and reports the click on
// the release; it must run the handler once, not twice, and still run it
// when the press changed nothing.
class PickWatcher : public QObject {
public:
    PickWatcher(QListWidget* list, std::function<void()> click) : QObject(list), click_(std::move(click)) {
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::itemSelectionChanged, this, [this] {
            changed_ = true;
            click_();
        });
        connect(list, &QListWidget::itemClicked, this, [this] {
            if (!changed_) click_();
            changed_ = false;
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) changed_ = false;
        return false;
    }

private:
    std::function<void()> click_;
    bool changed_ = false;  // the selection changed since the last press
};

}  // namespace

void onListPick(QListWidget* list, std::function<void()> click) { new PickWatcher(list, std::move(click)); }

}  // namespace quorvil
