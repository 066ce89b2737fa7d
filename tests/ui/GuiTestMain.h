#pragma once

#include "Application.h"

#include <QTest>

// Runs a QtTest object under the program's own application object, so that
// errors escaping a handler reach the same error display as in the program.
#define TAVELO_GUI_TEST_MAIN(TestObject)          \
    int main(int argc, char **argv)               \
    {                                             \
        TApplication application(argc, argv);     \
        TestObject test;                          \
        return QTest::qExec(&test, argc, argv);   \
    }
