#include "DWAVChanParameters.h"
#include "DWAVCommonParameters.h"
#include "IParameter.h"
#include "LevelParameters.h"
#include "LogCapture.h"
#include "Logger.h"

#include "TestMain.h"

#include <QFile>
#include <QSignalSpy>

namespace {

// A set whose keys the test chooses, including an invalid stored value that
// no real set holds.
class FreeSet : public IParameter
{
public:
    explicit FreeSet(int mezNum = -1, QObject *parent = nullptr) : IParameter(mezNum, parent) {}
    void add(const QString &name, const QVariant &value) { insertParameter(name, value); }
};

QByteArray readLog()
{
    QFile file(Logger::logFileName());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QStringList sortedKeys(const IParameter &set)
{
    QStringList keys = set.parameters().keys();
    keys.sort();
    return keys;
}

} // namespace

class TestIParameter : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void setParameterResults_data();
    void setParameterResults();
    void equalValueOfAnotherTypeKeepsTheStoredType();
    void storedInvalidValueAnswersUnchangedFirst();
    void unknownKeysNeverExtendTheSet();
    void messagesGoToTheSetsPosition_data();
    void messagesGoToTheSetsPosition();

    void watchedKeysEmit_data();
    void watchedKeysEmit();
    void watchListBookkeeping();

    void copyKeepsValuesButWatchesNothing();
    void copiesAreIndependent();
    void assignReplacesTheKeySetSilently();
    void isEqualIsOneSided();
};

void TestIParameter::init()
{
    for (int i = 0; i < Logger::instanceCount; ++i)
        Logger::instance(i)->closeLogFile();
    QFile::remove(Logger::logFileName());
    for (int i = 0; i < Logger::instanceCount; ++i)
        Logger::instance(i)->openLogFile();
}

void TestIParameter::setParameterResults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<QVariant>("storedAfter");
    QTest::addColumn<QByteArray>("logLine");

    QTest::newRow("unknown key") << "chanState" << QVariant(1u) << -1 << QVariant()
                                 << QByteArray("IParameter::setParameter: Invalid setting parameter name! - chanState\n");
    QTest::newRow("unknown key with a null value") << "nothing" << QVariant() << -1 << QVariant()
                                                   << QByteArray("IParameter::setParameter: Invalid setting parameter name! - nothing\n");
    QTest::newRow("same value") << "dataSpeed" << QVariant(2u) << 1 << QVariant(2u) << QByteArray();
    QTest::newRow("same value as int") << "dataSpeed" << QVariant(2) << 1 << QVariant(2u) << QByteArray();
    QTest::newRow("same value as double") << "startDelay" << QVariant(0.0) << 1 << QVariant(0.0) << QByteArray();
    QTest::newRow("null value") << "startDelay" << QVariant() << -1 << QVariant(0.0)
                                << QByteArray("IParameter::setParameter: Invalid setting parameter: value is null! - startDelay\n");
    QTest::newRow("new value") << "dataSpeed" << QVariant(3u) << 0 << QVariant(3u) << QByteArray();
    QTest::newRow("new value of another type") << "startDelay" << QVariant(QStringLiteral("12.5")) << 0
                                               << QVariant(QStringLiteral("12.5")) << QByteArray();
}

void TestIParameter::setParameterResults()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(int, result);
    QFETCH(QVariant, storedAfter);
    QFETCH(QByteArray, logLine);

    DWAVCommonParameters set(2);
    const IParameter::ParameterTable before = set.parameters();
    QCOMPARE(set.setParameter(key, value), result);
    QCOMPARE(readLog(), logLine);

    const IParameter::ParameterTable after = set.parameters();
    QCOMPARE(sortedKeys(set), [&] { QStringList k = before.keys(); k.sort(); return k; }());
    if (storedAfter.isValid()) {
        QCOMPARE(after.value(key), storedAfter);
        QCOMPARE(after.value(key).userType(), storedAfter.userType());
    }
    // No other key moved.
    for (auto it = before.constBegin(); it != before.constEnd(); ++it) {
        if (it.key() != key)
            QCOMPARE(after.value(it.key()), it.value());
    }
}

void TestIParameter::equalValueOfAnotherTypeKeepsTheStoredType()
{
    DWAVChanParameters chan(true, 1);
    QCOMPARE(chan.setParameter(QStringLiteral("range"), QVariant(0)), 1);
    QCOMPARE(chan.getParameter(QStringLiteral("range")).userType(), int(QMetaType::UInt));
    QCOMPARE(chan.setParameter(QStringLiteral("Rn"), QVariant(50)), 1);
    QCOMPARE(chan.getParameter(QStringLiteral("Rn")).userType(), int(QMetaType::Double));
}

void TestIParameter::storedInvalidValueAnswersUnchangedFirst()
{
    FreeSet set;
    set.add(QStringLiteral("empty"), QVariant());
    QCOMPARE(set.setParameter(QStringLiteral("empty"), QVariant()), 1);
    QCOMPARE(readLog(), QByteArray());
    QCOMPARE(set.setParameter(QStringLiteral("empty"), 5), 0);
    QCOMPARE(set.getParameter(QStringLiteral("empty")), QVariant(5));
}

void TestIParameter::unknownKeysNeverExtendTheSet()
{
    _LevelParameters level;
    QCOMPARE(level.setParameter(QStringLiteral("Level"), 1.0), -1);
    QCOMPARE(level.setParameter(QStringLiteral(""), 1.0), -1);
    QCOMPARE(level.parameters().size(), 1);

    const QVariant missing = level.getParameter(QStringLiteral("levl"));
    QVERIFY(!missing.isValid());
    QCOMPARE(missing.toDouble(), 0.0);
    QCOMPARE(level.parameters().size(), 1);
    QVERIFY(readLog().endsWith("IParameter::getParameter: Invalid getting parameter name! - levl\n"));
}

void TestIParameter::messagesGoToTheSetsPosition_data()
{
    QTest::addColumn<int>("mezNum");
    QTest::addColumn<int>("instance");
    QTest::newRow("sub-set without position") << -1 << 0;
    QTest::newRow("position 3") << 3 << 3;
    QTest::newRow("position 8") << 8 << 8;
}

void TestIParameter::messagesGoToTheSetsPosition()
{
    QFETCH(int, mezNum);
    QFETCH(int, instance);

    FreeSet set(mezNum);
    QCOMPARE(set.mezNum(), mezNum);
    LogCapture log(instance);
    set.getParameter(QStringLiteral("absent"));
    set.setParameter(QStringLiteral("absent"), 1);
    QCOMPARE(log.count(), 2);
    QCOMPARE(log.of(LoggerPlain).size(), 2);
}

void TestIParameter::watchedKeysEmit_data()
{
    QTest::addColumn<bool>("watched");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("emissions");
    QTest::newRow("watched, changed") << true << QVariant(1u) << 1;
    QTest::newRow("watched, unchanged") << true << QVariant(3u) << 0;
    QTest::newRow("watched, null") << true << QVariant() << 0;
    QTest::newRow("unwatched, changed") << false << QVariant(1u) << 0;
}

void TestIParameter::watchedKeysEmit()
{
    QFETCH(bool, watched);
    QFETCH(QVariant, value);
    QFETCH(int, emissions);

    DWAVCommonParameters set(1);
    if (watched)
        QCOMPARE(set.addWatchedParameter(QStringLiteral("sampleFreq")), 0);
    set.addWatchedParameter(QStringLiteral("dataSpeed"));
    QSignalSpy spy(&set, &IParameter::parameterChanged);

    set.setParameter(QStringLiteral("sampleFreq"), value);
    QCOMPARE(spy.count(), emissions);
    if (emissions) {
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("sampleFreq"));
        QCOMPARE(spy.at(0).at(1).value<QVariant>(), value);
    }
    // The emission comes after the value is stored.
    if (emissions)
        QCOMPARE(set.getParameter(QStringLiteral("sampleFreq")), value);
}

void TestIParameter::watchListBookkeeping()
{
    DWAVCommonParameters set;
    QCOMPARE(set.addWatchedParameter(QStringLiteral("dataSpeed")), 0);
    QCOMPARE(set.addWatchedParameter(QStringLiteral("dataSpeed")), -1);
    // Names are not checked against the keys.
    QCOMPARE(set.addWatchedParameter(QStringLiteral("noSuchKey")), 0);
    QCOMPARE(set.removeWatchedParameter(QStringLiteral("sampleFreq")), -1);
    QCOMPARE(set.removeWatchedParameter(QStringLiteral("dataSpeed")), 0);
    QCOMPARE(set.removeWatchedParameter(QStringLiteral("dataSpeed")), -1);

    QSignalSpy spy(&set, &IParameter::parameterChanged);
    set.setParameter(QStringLiteral("dataSpeed"), 0u);
    QCOMPARE(spy.count(), 0);
}

void TestIParameter::copyKeepsValuesButWatchesNothing()
{
    QObject owner;
    DWAVCommonParameters original(5, &owner);
    original.setParameter(QStringLiteral("startDelay"), 3.5);
    original.addWatchedParameter(QStringLiteral("startDelay"));

    DWAVCommonParameters copy(original);
    QCOMPARE(copy.parent(), &owner);
    QCOMPARE(copy.mezNum(), 5);
    QCOMPARE(copy.parameters(), original.parameters());
    QVERIFY(copy.watchedParameters().isEmpty());

    QSignalSpy spy(&copy, &IParameter::parameterChanged);
    QCOMPARE(copy.setParameter(QStringLiteral("startDelay"), 7.0), 0);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(original.getParameter(QStringLiteral("startDelay")).toDouble(), 3.5);
}

void TestIParameter::copiesAreIndependent()
{
    DWAVChanParameters original(false, 2);
    DWAVChanParameters copy(original);
    QCOMPARE(copy.setParameter(QStringLiteral("offset"), 1.25), 0);
    QCOMPARE(original.getParameter(QStringLiteral("offset")).toDouble(), 0.0);
    QCOMPARE(copy.getParameter(QStringLiteral("offset")).toDouble(), 1.25);

    DWAVChanParameters assigned(true, 3);
    assigned.addWatchedParameter(QStringLiteral("offset"));
    assigned = copy;
    QCOMPARE(assigned.getParameter(QStringLiteral("offset")).toDouble(), 1.25);
    QCOMPARE(assigned.watchedParameters(), QStringList{QStringLiteral("offset")});
    QCOMPARE(copy.setParameter(QStringLiteral("offset"), 2.0), 0);
    QCOMPARE(assigned.getParameter(QStringLiteral("offset")).toDouble(), 1.25);
}

void TestIParameter::assignReplacesTheKeySetSilently()
{
    QObject owner;
    DWAVCommonParameters target(4, &owner);
    target.addWatchedParameter(QStringLiteral("dataSpeed"));
    target.addWatchedParameter(QStringLiteral("Rn"));
    QSignalSpy spy(&target, &IParameter::parameterChanged);

    DWAVChanParameters source(true, 1);
    source.setParameter(QStringLiteral("Rn"), 1000000.0);
    IParameter &result = target.assign(source);

    QCOMPARE(&result, static_cast<IParameter *>(&target));
    QCOMPARE(sortedKeys(target), sortedKeys(source));
    QCOMPARE(target.parameters(), source.parameters());
    QCOMPARE(target.getParameter(QStringLiteral("chan")), QVariant(1));
    QCOMPARE(target.mezNum(), 4);
    QCOMPARE(target.parent(), &owner);
    QCOMPARE(target.watchedParameters().size(), 2);
    QCOMPARE(spy.count(), 0);
    // The old keys are gone for good.
    QCOMPARE(target.setParameter(QStringLiteral("dataSpeed"), 1u), -1);

    // Assigning a set to itself leaves it as it is.
    target.assign(target);
    QCOMPARE(target.parameters(), source.parameters());
}

void TestIParameter::isEqualIsOneSided()
{
    FreeSet small;
    small.add(QStringLiteral("level"), 0.1);
    FreeSet large;
    large.add(QStringLiteral("level"), 0.1);
    large.add(QStringLiteral("extra"), 42);

    QVERIFY(small.isEqual(large));
    QCOMPARE(readLog(), QByteArray());

    // The larger set finds a key the smaller one lacks, and the smaller one
    // says so in the log.
    QVERIFY(!large.isEqual(small));
    QVERIFY(readLog().contains("IParameter::getParameter: Invalid getting parameter name! - extra\n"));

    large.setParameter(QStringLiteral("level"), 0.2);
    QVERIFY(!small.isEqual(large));

    DWAVChanParameters a(false, 1), b(false, 1);
    QVERIFY(a.isEqual(b));
    b.setParameter(QStringLiteral("Rn"), 75.0);
    QVERIFY(!a.isEqual(b));
    // Equal numbers of different types still count as equal.
    b.setParameter(QStringLiteral("Rn"), 50);
    QVERIFY(a.isEqual(b));
}

DWAV_TEST_CORE_MAIN(TestIParameter)
#include "tst_iparameter.moc"
