#pragma once
// A main for the suites that click 「印刷」 and expect to be told that there is
// no printer: whatever the machine has, none may be found. The scheduler's
// socket does not exist, and the environment names no printer.

#include <QApplication>
#include <QTest>

#define GODO_TEST_MAIN_WITHOUT_PRINTER(TestObject)                                                          \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        qputenv("CUPS_SERVER", "/nonexistent/godo-no-cups/cups.sock");                                       \
        qunsetenv("PRINTER");                                                                                \
        qunsetenv("LPDEST");                                                                                 \
        QApplication app(argc, argv);                                                                        \
        TestObject test;                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
