// The table of tool windows (shell/windows.def) for C++: class name, launch
// index, caption and folder of every window a launch button opens.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace quorvil {

struct WindowEntry {
    std::string_view className;  // "Form15", also the window's objectName
    int launchIndex;             // element of the launch button array Command1
    std::string_view caption;    // the window's caption, UTF-8
    std::string_view folder;     // "threads/metric", under src/
};

inline constexpr WindowEntry kWindows[] = {
#define QUORVIL_WINDOW(cls, index, caption, folder) {#cls, index, caption, #folder},
#include "shell/windows.def"
#undef QUORVIL_WINDOW
};

inline constexpr int kWindowCount = static_cast<int>(std::size(kWindows));

// The launch index of every row is its place in the table.
consteval bool launchIndicesInOrder() {
    for (int i = 0; i < kWindowCount; ++i)
        if (kWindows[i].launchIndex != i) return false;
    return true;
}
static_assert(launchIndicesInOrder(), "shell/windows.def: launch indices must count up from 0 in table order");

}  // namespace quorvil
