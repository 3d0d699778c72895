#include "MultilevelPointsFile.h"
#include "TestMain.h"
#include "UiSupport.h"

#include <QFile>
#include <QTemporaryDir>

// What the window's table shows is covered with the window; here only what
// a hostile points file could do to the reader itself.
class TestMultilevelPointsFile : public QObject
{
    Q_OBJECT

private slots:
    void readerIsBounded_data();
    void readerIsBounded();
};

void TestMultilevelPointsFile::readerIsBounded_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QVector<double>>("levels");
    QTest::newRow("over-long line skipped whole")
        << QByteArray(10 * 1024 * 1024, '1') + "\n1.5\n2" << QVector<double>{1.5, 2};
    QTest::newRow("past the byte budget")
        << QByteArray(70 * 1024 * 1024, '\n') + "5" << QVector<double>{};
    // The budget ends after "10": that is no line of the file.
    QTest::newRow("number cut by the budget")
        << QByteArray(64 * 1024 * 1024 - 2, '\n') + "10.5" << QVector<double>{};
    // The line limit holds inside a block as across a block boundary.
    QTest::newRow("long line inside a block")
        << QByteArray(4096, ' ') + "5\n6" << QVector<double>{6};
    QTest::newRow("longest line across a block boundary")
        << QByteArray(64 * 1024 - 100, '\n') + QByteArray(4095, ' ') + "5" << QVector<double>{5};
}

void TestMultilevelPointsFile::readerIsBounded()
{
    QFETCH(QByteArray, content);
    QFETCH(QVector<double>, levels);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("points.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
    file.close();
    QVector<double> read;
    QVERIFY(MultilevelPointsFile::read(file.fileName(), &read));
    QCOMPARE(read, levels);
    // A device that never ends, or a pipe that waits for a writer, is not
    // opened at all.
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    QVERIFY(UiTest::makeFifo(pipe));
    for (const QString &special : {QStringLiteral("/dev/zero"), pipe}) {
        QVERIFY(!MultilevelPointsFile::read(special, &read));
        QVERIFY(read.isEmpty());
    }
}

DWAV_TEST_MAIN(TestMultilevelPointsFile)
#include "tst_multilevelpointsfile.moc"
