#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tirta::test {

/// Points the temporary folder and the settings store of a test run at a folder of its own, so
/// tests never read or change the user's files. Call once, before anything else, from main.
void isolateEnvironment();

/// The folder `isolateEnvironment` created.
QString isolatedRoot();

/// The bytes of a file a test compares, or "<missing>" when it cannot be read.
QByteArray fileBytes(const QString& path);

} // namespace tirta::test

/// QTEST_MAIN with the isolated environment.
#define TIRTA_TEST_MAIN(TestClass)                                                                           \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        tirta::test::isolateEnvironment();                                                                   \
        QApplication app(argc, argv);                                                                        \
        TestClass test;                                                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }

#define TIRTA_TEST_MAIN_CORE(TestClass)                                                                      \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        tirta::test::isolateEnvironment();                                                                   \
        QCoreApplication app(argc, argv);                                                                    \
        TestClass test;                                                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
