#include "shell/launch.h"

#include "shell/windows.h"
#include "windowincludes.h"  // generated from shell/windows.def: each window's header

namespace quorvil {

namespace {
template <class W>
QWidget* show() {
    return showToolWindow<W>();
}

using Launcher = QWidget* (*)();
constexpr Launcher kLaunchers[] = {
#define QUORVIL_WINDOW(cls, index, caption, folder) show<cls>,
#include "shell/windows.def"
#undef QUORVIL_WINDOW
};
static_assert(std::size(kLaunchers) == kWindowCount);
}  // namespace

QWidget* launchToolWindow(int index) {
    if (index < 0 || index >= kWindowCount) return nullptr;
    return kLaunchers[static_cast<std::size_t>(index)]();
}

}  // namespace quorvil
