// Main function for GUI tests: the application set up as the program sets it
// up (style, fonts, pictures), headless under the offscreen platform.
#pragma once

#include <QApplication>
#include <QTest>

#include "common/ui/application.h"

#define QUORVIL_UI_TEST_MAIN(TestClass)         \
    int main(int argc, char** argv) {           \
        QApplication app(argc, argv);           \
        quorvil::initApplication(app);          \
        app.setQuitOnLastWindowClosed(false);   \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
