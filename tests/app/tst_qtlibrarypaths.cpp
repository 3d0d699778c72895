#include "QtLibraryPaths.h"

#include "TestMain.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>

// The Qt folder comes from the installer's value, else from the driver
// folder in the environment; the library path list is set once per process.
class TestQtLibraryPaths : public QObject
{
    Q_OBJECT

private:
    static void writeInstallerValue(const QString &value)
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromLatin1(qtDistribOrganization),
                           QString::fromLatin1(qtDistribApplication));
        if (value.isNull())
            settings.remove(QString::fromLatin1(qtDistribInstallDirKey));
        else
            settings.setValue(QString::fromLatin1(qtDistribInstallDirKey), value);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }

private slots:
    void directory_data()
    {
        QTest::addColumn<QString>("installDir");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("expected");

        const QStringList withDriverFolder{QStringLiteral("PATH=/usr/bin"),
                                           QStringLiteral("VXIPNPPATH=C:\\VXIPNP\\")};
        QTest::newRow("installer value wins over the environment")
                << QStringLiteral("D:/Qt/5.6") << withDriverFolder << QStringLiteral("D:/Qt/5.6");
        QTest::newRow("driver folder ending in a backslash")
                << QString() << withDriverFolder << QStringLiteral("C:\\VXIPNP\\winnt/Qt56");
        QTest::newRow("driver folder without separator")
                << QString() << QStringList{QStringLiteral("VXIPNPPATH=/opt/vxipnp")}
                << QStringLiteral("/opt/vxipnpwinnt/Qt56");
        QTest::newRow("neither")
                << QString() << QStringList{QStringLiteral("PATH=/usr/bin"), QStringLiteral("HOME=/root")}
                << QString();
        QTest::newRow("empty environment") << QString() << QStringList() << QString();
        QTest::newRow("a longer name containing the marker is taken when first")
                << QString()
                << QStringList{QStringLiteral("OLD_VXIPNPPATH=x"), QStringLiteral("VXIPNPPATH=C:\\VXIPNP\\")}
                << QStringLiteral("xwinnt/Qt56");
        QTest::newRow("the marker is case-sensitive")
                << QString()
                << QStringList{QStringLiteral("vxipnppath=/lower"), QStringLiteral("VXIPNPPATH=/upper/")}
                << QStringLiteral("/upper/winnt/Qt56");
        QTest::newRow("a further '=' ends the value")
                << QString() << QStringList{QStringLiteral("VXIPNPPATH=/a=b/")}
                << QStringLiteral("/awinnt/Qt56");
        QTest::newRow("empty value")
                << QString() << QStringList{QStringLiteral("VXIPNPPATH=")}
                << QStringLiteral("winnt/Qt56");
        QTest::newRow("name without '=' is no match")
                << QString() << QStringList{QStringLiteral("VXIPNPPATH")} << QString();
    }

    void directory()
    {
        QFETCH(QString, installDir);
        QFETCH(QStringList, environment);
        QFETCH(QString, expected);
        QCOMPARE(qtDistribDirectory(installDir, environment), expected);
    }

    void pathList_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("plugins");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("no folder at all")
                << QString() << QString()
                << QStringList{".", "", "/imageformats", "/platforms", "/iconengines"};
        QTest::newRow("installer folder")
                << QStringLiteral("C:\\VXIPNP\\winnt/Qt56") << QString()
                << QStringList{".", "C:\\VXIPNP\\winnt/Qt56", "C:\\VXIPNP\\winnt/Qt56/imageformats",
                               "C:\\VXIPNP\\winnt/Qt56/platforms",
                               "C:\\VXIPNP\\winnt/Qt56/iconengines"};
        QTest::newRow("system plug-ins come after the five")
                << QStringLiteral("/opt/qt") << QStringLiteral("/usr/lib/qt5/plugins")
                << QStringList{".", "/opt/qt", "/opt/qt/imageformats", "/opt/qt/platforms",
                               "/opt/qt/iconengines", "/usr/lib/qt5/plugins"};
        QTest::newRow("plug-in folder already listed is not repeated")
                << QStringLiteral("/opt/qt") << QStringLiteral("/opt/qt/platforms")
                << QStringList{".", "/opt/qt", "/opt/qt/imageformats", "/opt/qt/platforms",
                               "/opt/qt/iconengines"};
    }

    void pathList()
    {
        QFETCH(QString, dir);
        QFETCH(QString, plugins);
        QFETCH(QStringList, expected);
        QCOMPARE(qtLibraryPathList(dir, plugins), expected);
    }

    // The machine's list, read from the user's settings store and the
    // process environment as they are at the call.
    void systemList_data()
    {
        QTest::addColumn<QString>("installerValue");
        QTest::addColumn<QByteArray>("driverFolder");
        QTest::addColumn<QString>("expectedDir");

        QTest::newRow("installer value, environment not used")
                << QStringLiteral("/from/installer") << QByteArray("/opt/vxipnp/")
                << QStringLiteral("/from/installer");
        QTest::newRow("no installer value, driver folder")
                << QString() << QByteArray("/opt/vxipnp/") << QStringLiteral("/opt/vxipnp/winnt/Qt56");
        QTest::newRow("empty installer value, driver folder")
                << QStringLiteral("") << QByteArray("/d/") << QStringLiteral("/d/winnt/Qt56");
        QTest::newRow("neither") << QString() << QByteArray() << QString();
    }

    void systemList()
    {
        QFETCH(QString, installerValue);
        QFETCH(QByteArray, driverFolder);
        QFETCH(QString, expectedDir);

        writeInstallerValue(installerValue);
        if (driverFolder.isNull())
            qunsetenv("VXIPNPPATH");
        else
            qputenv("VXIPNPPATH", driverFolder);

        QStringList expected = qtLibraryPathList(expectedDir);
#ifndef Q_OS_WIN
        // Qt of the system: its own plug-ins stay reachable after the five.
        expected << QLibraryInfo::location(QLibraryInfo::PluginsPath);
#endif
        QCOMPARE(systemQtLibraryPathList(), expected);
    }

    // The real set-up: the second call leaves the first result alone even
    // when the store and the environment changed in between.
    void setupOnce()
    {
        writeInstallerValue(QString());
        qputenv("VXIPNPPATH", "/opt/vxipnp/");

        setupQtLibraryPaths();
        const QStringList first = QCoreApplication::libraryPaths();
        QCOMPARE(first, systemQtLibraryPathList());
        QCOMPARE(first.at(1), QStringLiteral("/opt/vxipnp/winnt/Qt56"));

        writeInstallerValue(QStringLiteral("/elsewhere/qt"));
        qputenv("VXIPNPPATH", "/changed/");
        QVERIFY(systemQtLibraryPathList() != first);
        setupQtLibraryPaths();
        QCOMPARE(QCoreApplication::libraryPaths(), first);
    }
};

DWAV_TEST_CORE_MAIN(TestQtLibraryPaths)
#include "tst_qtlibrarypaths.moc"
