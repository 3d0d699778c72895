#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

// Runs a test class inside a temporary working directory of its own, with
// HOME and the XDG folders pointing into it, so that the log file, the
// translation files and any settings a test writes never touch the real ones.
namespace DwavTest {

inline int runInTemporaryFolder(int argc, char **argv, int (*body)(int, char **))
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a temporary working directory\n");
        return 1;
    }
    const QByteArray path = QFile::encodeName(dir.path());
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_DATA_HOME", path + "/.local/share");
    qputenv("XDG_CACHE_HOME", path + "/.cache");
    qputenv("XDG_RUNTIME_DIR", path);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QDir::setCurrent(dir.path())) {
        std::fprintf(stderr, "cannot enter the temporary working directory\n");
        return 1;
    }
    return body(argc, argv);
}

} // namespace DwavTest

// Like QTEST_MAIN, but in a fresh temporary working directory.
#define DWAV_TEST_MAIN(TestObject)                                          \
    int main(int argc, char **argv)                                         \
    {                                                                       \
        return DwavTest::runInTemporaryFolder(argc, argv, [](int c, char **v) { \
            QApplication app(c, v);                                         \
            app.setAttribute(Qt::AA_Use96Dpi, true);                        \
            TestObject tc;                                                  \
            QTEST_SET_MAIN_SOURCE_PATH                                      \
            return QTest::qExec(&tc, c, v);                                 \
        });                                                                 \
    }

// For tests that need no widgets.
#define DWAV_TEST_CORE_MAIN(TestObject)                                     \
    int main(int argc, char **argv)                                         \
    {                                                                       \
        return DwavTest::runInTemporaryFolder(argc, argv, [](int c, char **v) { \
            QCoreApplication app(c, v);                                     \
            TestObject tc;                                                  \
            QTEST_SET_MAIN_SOURCE_PATH                                      \
            return QTest::qExec(&tc, c, v);                                 \
        });                                                                 \
    }
