#include "windowtest.h"

namespace quorvil::test {

void WindowTestBase::init() {
    window_ = createWindow();
    windowChanged();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void WindowTestBase::cleanup() {
    delete window_;
    windowChanged();
}

}  // namespace quorvil::test
