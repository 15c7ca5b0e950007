// The Click of a size list: runs once for each pick the user makes, whether
// the mouse or the keyboard moves the selection, and also for a click on the
// item already selected (so a pick rewrites boxes the user has typed into).
#pragma once

#include <functional>

class QListWidget;

namespace quorvil {

void onListPick(QListWidget* list, std::function<void()> click);

}  // namespace quorvil
