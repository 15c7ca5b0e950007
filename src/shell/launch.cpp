#include "shell/launch.h"

#include <array>

#include "reference/Form16.h"
#include "reference/Form4.h"
#include "reference/Form5.h"
#include "reference/Form9.h"
#include "shell/Form10.h"
#include "threads/acme/Form12.h"
#include "threads/acme/Form18.h"
#include "threads/acme/Form21.h"
#include "threads/metric/Form15.h"
#include "threads/nonstandard/Form11.h"
#include "threads/nonstandard/Form19.h"
#include "threads/nonstandard/Form8.h"
#include "threads/pipe/Form22.h"
#include "threads/pipe/Form7.h"
#include "threads/trapezoidal/Form2.h"
#include "threads/unified/Form20.h"
#include "workshop/Form13.h"
#include "workshop/Form14.h"
#include "workshop/Form17.h"
#include "workshop/Form3.h"
#include "workshop/Form6.h"

namespace quorvil {

namespace {
template <class W>
QWidget* show() { return showToolWindow<W>(); }

using Launcher = QWidget* (*)();
constexpr std::array<Launcher, 21> kLaunchers = {
    show<Form2>,  show<Form3>,  show<Form4>,  show<Form5>,  show<Form6>,  show<Form7>,  show<Form8>,
    show<Form9>,  show<Form10>, show<Form11>, show<Form12>, show<Form13>, show<Form14>, show<Form15>,
    show<Form16>, show<Form17>, show<Form18>, show<Form19>, show<Form20>, show<Form21>, show<Form22>,
};
}  // namespace

QWidget* launchToolWindow(int index) {
    if (index < 0 || index >= static_cast<int>(kLaunchers.size())) return nullptr;
    return kLaunchers[static_cast<std::size_t>(index)]();
}

}  // namespace quorvil
