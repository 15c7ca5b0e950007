#pragma once

class QApplication;

namespace quorvil {

// What every run of the program (and every GUI test) sets up once: the
// style, the default font ("宋体" 9, the default of every window), the
// font name mapping and Qt's own texts in Chinese.
void initApplication(QApplication& app);

}  // namespace quorvil
