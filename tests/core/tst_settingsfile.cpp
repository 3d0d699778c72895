#include "AFGParameters.h"
#include "AWGParameters.h"
#include "DWAVChanParameters.h"
#include "DWAVCommonParameters.h"
#include "DWAVModule.h"
#include "DWAVQMParameters.h"
#include "Dimensions.h"
#include "HarmonicalParameters.h"
#include "ImpulseParameters.h"
#include "LevelParameters.h"
#include "MultilevelParameters.h"
#include "TriangularParameters.h"

#include "LogCapture.h"
#include "TestMain.h"
#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

const QStringList subSetNames = {
    QStringLiteral("harmonicalParameters"), QStringLiteral("triangularParameters"),
    QStringLiteral("impulseParameters"), QStringLiteral("levelParameters"),
    QStringLiteral("multilevelParameters")};

// Calls f with a working copy of every sub-set of an AFG set and stores the
// copy back when f returns true.
template <typename T>
void withSubSet(AFGParameters *afg, const QString &name, const std::function<bool(IParameter &)> &f)
{
    T subSet = qvariant_cast<T>(afg->getParameter(name));
    if (f(subSet))
        afg->setParameter(name, QVariant::fromValue(subSet));
}

void forEachSubSet(AFGParameters *afg, const std::function<bool(const QString &, IParameter &)> &f)
{
    auto bind = [&f](const QString &name) {
        return [&f, name](IParameter &set) { return f(name, set); };
    };
    withSubSet<HarmonicalParameters>(afg, subSetNames[0], bind(subSetNames[0]));
    withSubSet<TriangularParameters>(afg, subSetNames[1], bind(subSetNames[1]));
    withSubSet<ImpulseParameters>(afg, subSetNames[2], bind(subSetNames[2]));
    withSubSet<LevelParameters>(afg, subSetNames[3], bind(subSetNames[3]));
    withSubSet<MultilevelParameters>(afg, subSetNames[4], bind(subSetNames[4]));
}

bool isSubSetKey(const QString &key)
{
    return subSetNames.contains(key);
}

// A value of the same type as v that differs from it; salt keeps equal
// defaults of different keys apart, so a key read into the wrong place shows.
QVariant changed(const QVariant &v, int salt)
{
    const int type = v.userType();
    if (type == qMetaTypeId<chanState>())
        return QVariant::fromValue(ParameterTypes::enumFromVariant<chanState>(v) ? ChanOff : ChanOn);
    if (type == qMetaTypeId<afgSignalTypes>())
        return QVariant::fromValue(AfgLevel);
    if (type == qMetaTypeId<modulType>())
        return QVariant::fromValue(ModulPM);
    if (type == qMetaTypeId<awgDataFormat>())
        return QVariant::fromValue(ParameterTypes::enumFromVariant<awgDataFormat>(v) ? AwgDataDouble
                                                                                    : AwgDataDacCodes);
    switch (type) {
    case QMetaType::Bool: return !v.toBool();
    case QMetaType::Int: return v.toInt() - 7 - salt;
    case QMetaType::UInt: return v.toUInt() + 3 + uint(salt);
    // Thirds do not end in decimal: the file must keep every bit.
    case QMetaType::Double: return v.toDouble() + 1.0 / 3.0 + salt * 1e-7;
    case QMetaType::QString:
        return QStringLiteral("C:/signal files/\u00e4 \u043f;=[x]\\y \"%1\" #").arg(salt);
    default: return v;
    }
}

// Every value of the module, typed, by "set/key" (sub-sets as
// "afgN/subSet/key"; the points as a plain list).
QMap<QString, QVariant> snapshot(DWAVModule &m)
{
    QMap<QString, QVariant> all;
    auto typed = [](const QVariant &v) {
        const QString type = QString::fromLatin1(v.typeName());
        if (v.userType() == qMetaTypeId<PointsVector>()) {
            QVariantList list;
            for (double d : ParameterTypes::pointsFromVariant(v))
                list << d;
            return QVariant(QVariantList{type, list});
        }
        if (v.userType() >= QMetaType::User)
            return QVariant(QVariantList{type, v.toInt()});
        return QVariant(QVariantList{type, v});
    };
    auto add = [&](const QString &prefix, IParameter *set) {
        const auto table = set->parameters();
        for (auto it = table.begin(); it != table.end(); ++it)
            if (!isSubSetKey(it.key()))
                all.insert(prefix + it.key(), typed(it.value()));
    };
    all.insert(QStringLiteral("panel/autoConfig"), m.autoConfig());
    all.insert(QStringLiteral("panel/currentPanelTabIndex"), m.currentPanelTabIndex());
    all.insert(QStringLiteral("panel/AWGLoadingFilePath"), m.awgLoadingFilePath());
    all.insert(QStringLiteral("panel/AWGSavingFilePath"), m.awgSavingFilePath());
    all.insert(QStringLiteral("panel/querySettingsParameters"), m.querySettingsParameters());
    for (int c = 0; c < 2; ++c) {
        add(QStringLiteral("chan%1/").arg(c), m.chanParameters(c));
        add(QStringLiteral("afg%1/").arg(c), m.afgParameters(c));
        forEachSubSet(m.afgParameters(c), [&](const QString &name, IParameter &set) {
            add(QStringLiteral("afg%1/%2/").arg(c).arg(name), &set);
            return false;
        });
    }
    add(QStringLiteral("common/"), m.commonParameters());
    add(QStringLiteral("qm/"), m.qmParameters());
    add(QStringLiteral("awg/"), m.awgParameters());
    return all;
}

// A unit key holds a multiplier of its table: another one of them.
QVariant otherUnit(const QString &key, const QVariant &v, int salt)
{
    const QList<int> units = (key.contains(QLatin1String("freq"), Qt::CaseInsensitive)
                                  ? Dimensions::instance()->freqDimensions()
                                  : Dimensions::instance()->timeDimensions()).keys();
    return units.at((units.indexOf(v.toInt()) + 1 + salt % (units.size() - 1)) % units.size());
}

void changeEverything(DWAVModule &m)
{
    int salt = 0;
    auto changeSet = [&salt](IParameter &set) {
        const auto table = set.parameters();
        for (auto it = table.begin(); it != table.end(); ++it) {
            if (isSubSetKey(it.key()))
                continue;
            ++salt;
            if (it.value().userType() == qMetaTypeId<PointsVector>())
                set.setParameter(it.key(), QVariant::fromValue(PointsVector{0.5, -0.25, 1.0}));
            else if (set.setParameter(it.key(), it.key().endsWith(QLatin1String("Modifier"))
                                                    ? otherUnit(it.key(), it.value(), salt)
                                                    : changed(it.value(), salt)) != 0)
                qWarning("key %s kept its value", qPrintable(it.key()));
        }
        return true;
    };
    m.setAutoConfig(true);
    m.setCurrentPanelTabIndex(1);
    m.setAWGLoadingFilePath(QStringLiteral("/data/in put.vwf"));
    m.setAWGSavingFilePath(QStringLiteral("C:\\out\\saved.vwf"));
    m.setQuerySettingsParameters(true);
    for (int c = 0; c < 2; ++c) {
        changeSet(*m.chanParameters(c));
        changeSet(*m.afgParameters(c));
        forEachSubSet(m.afgParameters(c), [&](const QString &, IParameter &set) { return changeSet(set); });
    }
    changeSet(*m.commonParameters());
    changeSet(*m.qmParameters());
    changeSet(*m.awgParameters());
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// True when the current user can create files in a folder despite its
// permissions, so a read-only folder would prove nothing.
bool canWriteAnyway(const QString &folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void roundTripInFreshModule();
    void fileLayout();
    void missingPanelGroupResetsOptions();
    void missingKeysReadAsEmpty();
    void levelFormRestored();
    void pointsNeitherSavedNorLost();
    void latestSaveIsRead();
    void saveReplacesOlderFileWhole();

    void imperfectFileLoadsWhatItHolds_data();
    void imperfectFileLoadsWhatItHolds();
    void absentKeysAreNamedOnce();
    void valueThatFitsNoKeyIsRefused_data();
    void valueThatFitsNoKeyIsRefused();

    void unusableFileChangesNothing_data();
    void unusableFileChangesNothing();
    void unreadableFileChangesNothing();

    void readOnlyFolderTakesOnlyWritableFiles_data();
    void readOnlyFolderTakesOnlyWritableFiles();
    void saveWithTooLongNameKeepsOldFile();
    void saveIntoMissingFolderFails();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestSettingsFile::roundTripInFreshModule()
{
    DWAVModule saved;
    changeEverything(saved);
    const auto before = snapshot(saved);
    QVERIFY(before != snapshot(*std::make_unique<DWAVModule>()));

    QCOMPARE(saved.saveSettings(path("all.ini")), 0);
    // No event loop runs between the save and the load.
    DWAVModule loaded;
    QCOMPARE(loaded.loadSettings(path("all.ini")), 0);

    auto after = snapshot(loaded);
    // The levels are not kept in this file; everything else is.
    for (int c = 0; c < 2; ++c) {
        const QString points = QStringLiteral("afg%1/multilevelParameters/points").arg(c);
        QVERIFY(after.contains(points));
        QCOMPARE(after.value(points).toList().value(1).toList().size(), 0);
        after.remove(points);
    }
    auto expected = before;
    expected.remove(QStringLiteral("afg0/multilevelParameters/points"));
    expected.remove(QStringLiteral("afg1/multilevelParameters/points"));
    QCOMPARE(after.keys(), expected.keys());
    for (const QString &key : expected.keys())
        QVERIFY2(after.value(key) == expected.value(key),
                 qPrintable(key + QStringLiteral(": ") + after.value(key).toList().value(1).toString()
                            + QStringLiteral(" != ") + expected.value(key).toList().value(1).toString()));
}

void TestSettingsFile::fileLayout()
{
    DWAVModule m;
    m.setChanParameter(1, QStringLiteral("chanState"), QVariant::fromValue(ChanOff));
    m.setAFGParameter(0, QStringLiteral("currentSignalType"), QVariant::fromValue(AfgMultilevel));
    m.setCurrentPanelTabIndex(1);
    QCOMPARE(m.saveSettings(path("layout.ini")), 0);

    QSettings raw(path("layout.ini"), QSettings::IniFormat);
    QCOMPARE(raw.value("DWAV_PanelSettings/currentPanelTabIndex").toString(), QStringLiteral("1"));
    QCOMPARE(raw.value("DWAV_ChanParameters/Chan_1/chan").toString(), QStringLiteral("0"));
    QCOMPARE(raw.value("DWAV_ChanParameters/Chan_2/chan").toString(), QStringLiteral("1"));
    // Enumerations as plain integers.
    QCOMPARE(raw.value("DWAV_ChanParameters/Chan_2/chanState").toString(), QStringLiteral("0"));
    QCOMPARE(raw.value("DWAV_ChanParameters/Chan_1/chanState").toString(), QStringLiteral("1"));
    QCOMPARE(raw.value("DWAV_AFGParameters/Chan_1/currentSignalType").toString(), QStringLiteral("4"));
    QCOMPARE(raw.value("DWAV_AFGParameters/Chan_2/harmonicalParameters/modulType").toString(),
             QStringLiteral("0"));
    QCOMPARE(raw.value("DWAV_AFGParameters/Chan_1/harmonicalParameters/freq").toDouble(), 0.06);
    QCOMPARE(raw.value("DWAV_AFGParameters/Chan_2/triangularParameters/TupModifier").toInt(), 1000);
    QCOMPARE(raw.value("DWAV_AWGParameters/numSamples").toUInt(), 8u);
    QCOMPARE(raw.value("DWAV_CommonParameters/dataSpeed").toUInt(), 2u);
    QCOMPARE(raw.value("DWAV_QMParameters/freqNCOModifier").toInt(), 1000000);
    // No groups beyond the panel's own.
    QStringList groups = raw.childGroups();
    groups.sort();
    QCOMPARE(groups, QStringList({"DWAV_AFGParameters", "DWAV_AWGParameters", "DWAV_ChanParameters",
                                  "DWAV_CommonParameters", "DWAV_PanelSettings", "DWAV_QMParameters"}));
    // Nothing of the writing is left beside the file.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"layout.ini"});
}

void TestSettingsFile::missingPanelGroupResetsOptions()
{
    DWAVModule m;
    m.setAutoConfig(true);
    m.setQuerySettingsParameters(true);
    m.setCurrentPanelTabIndex(1);
    m.setAWGLoadingFilePath(QStringLiteral("a.vwf"));
    m.setAWGSavingFilePath(QStringLiteral("b.vwf"));
    QVERIFY(writeFile(path("nopanel.ini"), "[DWAV_CommonParameters]\ndataSpeed=1\n"));

    QCOMPARE(m.loadSettings(path("nopanel.ini")), 0);
    QCOMPARE(m.autoConfig(), false);
    QCOMPARE(m.querySettingsParameters(), false);
    QCOMPARE(m.currentPanelTabIndex(), 0);
    QCOMPARE(m.awgLoadingFilePath(), QString());
    QCOMPARE(m.awgSavingFilePath(), QString());
    QCOMPARE(m.commonParameter(QStringLiteral("dataSpeed")).toUInt(), 1u);
}

void TestSettingsFile::missingKeysReadAsEmpty()
{
    DWAVModule m;
    changeEverything(m);  // every unit off its default
    const auto before = snapshot(m);
    LogCapture log(0);
    m.setAWGParameter(QStringLiteral("dataFilePath"), QStringLiteral("old.vwf"));
    m.setChanParameter(0, QStringLiteral("Rn"), 75.0);
    QVERIFY(writeFile(path("sparse.ini"), "[DWAV_AWGParameters]\nnumCycles=5\n"));

    QCOMPARE(m.loadSettings(path("sparse.ini")), 0);
    const QVariant dataFilePath = m.awgParameter(QStringLiteral("dataFilePath"));
    QCOMPARE(dataFilePath.userType(), int(QMetaType::QString));
    QCOMPARE(dataFilePath.toString(), QString());
    QCOMPARE(m.awgParameter(QStringLiteral("numCycles")).toUInt(), 5u);
    // Keys the file lacks read as 0 in the type the set holds.
    const QVariant samples = m.awgParameter(QStringLiteral("numSamples"));
    QCOMPARE(samples.userType(), int(QMetaType::UInt));
    QCOMPARE(samples.toUInt(), 0u);
    QCOMPARE(m.chanParameter(0, QStringLiteral("Rn")).toDouble(), 0.0);
    const QVariant state = m.chanParameter(0, QStringLiteral("chanState"));
    QCOMPARE(state.userType(), qMetaTypeId<chanState>());
    QCOMPARE(state.toInt(), 0);
    // But 0 is no unit: every unit key keeps its unit, each named once.
    const auto after = snapshot(m);
    const QStringList unitKeys = before.keys().filter(QRegularExpression(QStringLiteral("Modifier$")));
    QCOMPARE(unitKeys.size(), 14);
    for (const QString &key : unitKeys)
        QVERIFY2(after.value(key) == before.value(key), qPrintable(key));
    QCOMPARE(log.of(LoggerPlain).filter(QStringLiteral(" is missing and names no unit; it keeps ")).size(),
             unitKeys.size());
}

void TestSettingsFile::levelFormRestored()
{
    QVERIFY(writeFile(path("level.ini"),
                      "[DWAV_AFGParameters]\nChan_2\\currentSignalType=3\n"
                      "Chan_2\\levelParameters\\level=-2.5\n"));
    DWAVModule m;
    QCOMPARE(m.loadSettings(path("level.ini")), 0);
    const QVariant form = m.afgParameter(1, QStringLiteral("currentSignalType"));
    QCOMPARE(form.userType(), qMetaTypeId<afgSignalTypes>());
    QCOMPARE(ParameterTypes::enumFromVariant<afgSignalTypes>(form), AfgLevel);
    QCOMPARE(m.parameterValue(QStringLiteral("DWAV_AFGParameters"), QStringLiteral("levelParameters"),
                              QStringLiteral("level"), 1).toDouble(), -2.5);
}

void TestSettingsFile::pointsNeitherSavedNorLost()
{
    DWAVModule saved;
    saved.setParameterValue(QStringLiteral("DWAV_AFGParameters"), QStringLiteral("multilevelParameters"),
                            QStringLiteral("points"), 0, QVariant::fromValue(PointsVector{1.0, 2.0, 3.0}));
    QCOMPARE(saved.saveSettings(path("points.ini")), 0);
    QSettings raw(path("points.ini"), QSettings::IniFormat);
    QCOMPARE(raw.value("DWAV_AFGParameters/Chan_1/multilevelParameters/points").toString(),
             QStringLiteral("0"));

    DWAVModule loaded;
    loaded.setParameterValue(QStringLiteral("DWAV_AFGParameters"), QStringLiteral("multilevelParameters"),
                             QStringLiteral("points"), 0, QVariant::fromValue(PointsVector{-4.0, 5.0}));
    QCOMPARE(loaded.loadSettings(path("points.ini")), 0);
    const PointsVector points = ParameterTypes::pointsFromVariant(
        loaded.parameterValue(QStringLiteral("DWAV_AFGParameters"), QStringLiteral("multilevelParameters"),
                              QStringLiteral("points"), 0));
    QCOMPARE(points, PointsVector({-4.0, 5.0}));
}

void TestSettingsFile::latestSaveIsRead()
{
    // The same file saved twice with values of equal length, read after
    // each save: the second load must see the second save.
    DWAVModule writer;
    DWAVModule reader;
    writer.setCommonParameter(QStringLiteral("startDelay"), 1.5);
    QCOMPARE(writer.saveSettings(path("again.ini")), 0);
    QCOMPARE(reader.loadSettings(path("again.ini")), 0);
    QCOMPARE(reader.commonParameter(QStringLiteral("startDelay")).toDouble(), 1.5);

    writer.setCommonParameter(QStringLiteral("startDelay"), 2.5);
    QCOMPARE(writer.saveSettings(path("again.ini")), 0);
    QCOMPARE(reader.loadSettings(path("again.ini")), 0);
    QCOMPARE(reader.commonParameter(QStringLiteral("startDelay")).toDouble(), 2.5);
}

void TestSettingsFile::saveReplacesOlderFileWhole()
{
    QVERIFY(writeFile(path("old.ini"), "[Stale]\nleftOver=1\n[DWAV_CommonParameters]\nnoSuchKey=2\n"));
    DWAVModule m;
    QCOMPARE(m.saveSettings(path("old.ini")), 0);
    QSettings raw(path("old.ini"), QSettings::IniFormat);
    QVERIFY(!raw.contains("Stale/leftOver"));
    QVERIFY(!raw.contains("DWAV_CommonParameters/noSuchKey"));
    QVERIFY(raw.contains("DWAV_CommonParameters/dataSpeed"));
}

void TestSettingsFile::imperfectFileLoadsWhatItHolds_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray body("[DWAV_CommonParameters]\ndataSpeed=1\n[DWAV_AWGParameters]\nnumCycles=5\n");
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + body;
    QTest::newRow("comment line") << "# written by hand\n" + body;
    QTest::newRow("line without '='") << "[DWAV_CommonParameters]\nforgotten\n" + body;
    QTest::newRow("unclosed section") << body + "[DWAV_QMParameters\nHB2=3\n";
}

void TestSettingsFile::imperfectFileLoadsWhatItHolds()
{
    QFETCH(QByteArray, content);
    QVERIFY(writeFile(path("imperfect.ini"), content));
    DWAVModule m;
    QCOMPARE(m.loadSettings(path("imperfect.ini")), 0);
    QCOMPARE(m.commonParameter(QStringLiteral("dataSpeed")).toUInt(), 1u);
    QCOMPARE(m.awgParameter(QStringLiteral("numCycles")).toUInt(), 5u);
}

void TestSettingsFile::absentKeysAreNamedOnce()
{
    DWAVModule saved;
    QCOMPARE(saved.saveSettings(path("whole.ini")), 0);
    LogCapture log(0);
    DWAVModule m;
    QCOMPARE(m.loadSettings(path("whole.ini")), 0);
    QCOMPARE(log.of(LoggerPlain).filter(QStringLiteral("lacks")), QStringList());

    // Cut short after the AFG and AWG sets.
    QByteArray content = readAll(path("whole.ini"));
    content.truncate(content.indexOf("[DWAV_ChanParameters]"));
    QVERIFY(writeFile(path("cut.ini"), content));
    QCOMPARE(m.loadSettings(path("cut.ini")), 0);
    const QStringList warnings = log.of(LoggerPlain).filter(QStringLiteral("lacks"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(QStringLiteral("Warning: ") + path("cut.ini")), qPrintable(warnings.first()));
    for (const char *key : {"DWAV_QMParameters/HB2", "DWAV_ChanParameters/Chan_2/Rn",
                            "DWAV_PanelSettings/autoConfig"})
        QVERIFY2(warnings.first().contains(QLatin1String(key)), key);
    QVERIFY(!warnings.first().contains(QStringLiteral("DWAV_AWGParameters/")));
    // Kept as the file format has it: absent keys read as 0.
    QCOMPARE(m.chanParameter(1, QStringLiteral("Rn")).toDouble(), 0.0);
}

void TestSettingsFile::valueThatFitsNoKeyIsRefused_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("subSet");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("chan");
    QTest::addColumn<QVariant>("preset");
    QTest::addColumn<QByteArray>("line");

    const QString afg = QStringLiteral("DWAV_AFGParameters"), chans = QStringLiteral("DWAV_ChanParameters");
    const QString awg = QStringLiteral("DWAV_AWGParameters"), harmonic = QStringLiteral("harmonicalParameters");
    const QVariant level = QVariant::fromValue(AfgLevel);
    QTest::newRow("signal form 77") << afg << QString() << "currentSignalType" << 0 << level
                                    << QByteArray("Chan_1\\currentSignalType=77");
    QTest::newRow("modulation 6") << afg << harmonic << "modulType" << 0 << QVariant::fromValue(ModulFM)
                                  << QByteArray("Chan_1\\harmonicalParameters\\modulType=6");
    QTest::newRow("negative form") << afg << QString() << "currentSignalType" << 0 << level
                                   << QByteArray("Chan_1\\currentSignalType=-1");
    // 2^32 + 2 would be taken for the impulse form.
    QTest::newRow("form past 32 bits") << afg << QString() << "currentSignalType" << 0 << level
                                       << QByteArray("Chan_1\\currentSignalType=4294967298");
    QTest::newRow("offset nan") << chans << QString() << "offset" << 0 << QVariant(0.25)
                                << QByteArray("Chan_1\\offset=nan");
    QTest::newRow("offset inf") << chans << QString() << "offset" << 1 << QVariant(-0.5)
                                << QByteArray("Chan_2\\offset=inf");
    QTest::newRow("amplitude -inf") << afg << harmonic << "ampl" << 0 << QVariant(0.75)
                                    << QByteArray("Chan_1\\harmonicalParameters\\ampl=-inf");
    QTest::newRow("offset no number") << chans << QString() << "offset" << 0 << QVariant(0.25)
                                      << QByteArray("Chan_1\\offset=abc");
    QTest::newRow("unsigned past 32 bits") << awg << QString() << "numSamples" << 0 << QVariant(1000u)
                                           << QByteArray("numSamples=4294967304");
    QTest::newRow("channel past 32 bits") << awg << QString() << "chan" << 0 << QVariant(0u)
                                          << QByteArray("chan=4294967297");
    QTest::newRow("negative unsigned") << awg << QString() << "numCycles" << 0 << QVariant(5u)
                                       << QByteArray("numCycles=-1");
    QTest::newRow("frequency unit 5") << afg << harmonic << "freqModifier" << 1 << QVariant(1000000)
                                      << QByteArray("Chan_2\\harmonicalParameters\\freqModifier=5");
    QTest::newRow("start delay unit 100") << QStringLiteral("DWAV_CommonParameters") << QString()
                                          << "startDelayModifier" << 0 << QVariant(1000000)
                                          << QByteArray("startDelayModifier=100");
    QTest::newRow("int past 32 bits") << afg << QStringLiteral("triangularParameters") << "TupModifier"
                                      << 0 << QVariant(1000000)
                                      << QByteArray("Chan_1\\triangularParameters\\TupModifier=4294968296");
}

void TestSettingsFile::valueThatFitsNoKeyIsRefused()
{
    QFETCH(QString, set);
    QFETCH(QString, subSet);
    QFETCH(QString, key);
    QFETCH(int, chan);
    QFETCH(QVariant, preset);
    QFETCH(QByteArray, line);
    DWAVModule m;
    QVERIFY(m.setParameterValue(set, subSet, key, chan, preset) >= 0);
    const QVariant before = m.parameterValue(set, subSet, key, chan);
    QVERIFY(writeFile(path("refused.ini"), "[" + set.toLatin1() + "]\n" + line + "\n"));
    LogCapture log(0);
    QCOMPARE(m.loadSettings(path("refused.ini")), 0);
    QCOMPARE(m.parameterValue(set, subSet, key, chan), before);
    // Named with its group, key and the text the file holds.
    const QByteArray where = line.left(line.indexOf('=')).replace('\\', '/');
    const QString named = set + '/' + QString::fromLatin1(where) + QStringLiteral(" holds ")
        + QString::fromLatin1(line.mid(line.indexOf('=') + 1)) + QStringLiteral(", which is none of its values");
    QVERIFY2(log.of(LoggerPlain).filter(named).size() == 1, qPrintable(log.all().join('\n')));
}

void TestSettingsFile::unusableFileChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // null: do not create

    QTest::newRow("missing") << "missing.ini" << QByteArray();
    QTest::newRow("empty name") << "" << QByteArray();
    QTest::newRow("a folder") << "folder.ini" << QByteArray();
    // A multilevel points file chosen in place of the settings.
    QTest::newRow("not an INI file") << "levels.txt" << QByteArray("0.5\n-0.25\n1");
    QTest::newRow("far too large") << "huge.vwf" << QByteArray();
}

void TestSettingsFile::unusableFileChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    if (name == QLatin1String("folder.ini"))
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    if (name == QLatin1String("huge.vwf")) {
        QFile huge(path(name));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.write("[DWAV_CommonParameters]\ndataSpeed=1\n") > 0);
        QVERIFY(huge.resize(qint64(64) * 1024 * 1024));
    }
    if (!content.isNull())
        QVERIFY(writeFile(path(name), content));

    DWAVModule m;
    changeEverything(m);
    const auto before = snapshot(m);
    const QString target = name.isEmpty() ? QString() : path(name);
    const int result = m.loadSettings(target);
    QVERIFY2(result < 0, qPrintable(QString::number(result)));
    QCOMPARE(snapshot(m), before);
    QVERIFY2(m.lastErrorMessage().contains(target), qPrintable(m.lastErrorMessage()));
}

void TestSettingsFile::unreadableFileChangesNothing()
{
    DWAV_RUN_UNPRIVILEGED();
    DWAVModule saved;
    QCOMPARE(saved.saveSettings(path("locked.ini")), 0);
    QVERIFY(QFile::setPermissions(path("locked.ini"), QFileDevice::Permissions()));
    QFile probe(path("locked.ini"));
    QVERIFY2(!probe.open(QIODevice::ReadOnly), "this user reads files whatever their permissions");

    DWAVModule m;
    changeEverything(m);
    const auto before = snapshot(m);
    QVERIFY(m.loadSettings(path("locked.ini")) < 0);
    QCOMPARE(snapshot(m), before);
}

void TestSettingsFile::readOnlyFolderTakesOnlyWritableFiles_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("saved");
    // The folder takes no new file, but a file that may be written is
    // written in place.
    QTest::newRow("writable file") << true << false << true;
    QTest::newRow("new file") << false << false << false;
    QTest::newRow("read-only file") << true << true << false;
}

void TestSettingsFile::readOnlyFolderTakesOnlyWritableFiles()
{
    DWAV_RUN_UNPRIVILEGED();
    QFETCH(bool, exists);
    QFETCH(bool, readOnly);
    QFETCH(bool, saved);
    QVERIFY(QDir(m_dir->path()).mkdir("ro"));
    const QString folder = path("ro");
    const QString target = QDir(folder).filePath("panel.ini");
    if (exists)
        QCOMPARE(DWAVModule().saveSettings(target), 0);
    if (readOnly)
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
    const QByteArray old = readAll(target);
    DWAVModule second;
    changeEverything(second);
    // What the save writes where nothing stands in its way.
    QCOMPARE(second.saveSettings(path("expected.ini")), 0);

    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool writesAnyway = canWriteAnyway(folder);
    const int result = second.saveSettings(target);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner));
    QVERIFY2(!writesAnyway, "this user writes into read-only folders");
    QCOMPARE(result == 0, saved);
    if (!saved)
        QVERIFY2(second.lastErrorMessage().contains(target), qPrintable(second.lastErrorMessage()));
    QCOMPARE(readAll(target), saved ? readAll(path("expected.ini")) : old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             exists ? QStringList{"panel.ini"} : QStringList());
}

void TestSettingsFile::saveWithTooLongNameKeepsOldFile()
{
    // A name at the length limit of the file system: the target itself can
    // be written, but no scratch file of a longer name can be made beside
    // it. The save fails as a whole and the old file stays.
    const QString name = QString(250, QLatin1Char('s')) + QStringLiteral(".ini");
    const QString target = path(name);
    QVERIFY(writeFile(target, "[DWAV_CommonParameters]\ndataSpeed=1\n"));
    const QByteArray old = readAll(target);

    DWAVModule m;
    QVERIFY(m.saveSettings(target) < 0);
    QCOMPARE(readAll(target), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void TestSettingsFile::saveIntoMissingFolderFails()
{
    DWAVModule m;
    const QString target = path("no/such/folder/panel.ini");
    QVERIFY(m.saveSettings(target) < 0);
    QVERIFY(!QFile::exists(target));
    QVERIFY(m.saveSettings(QString()) < 0);
}

DWAV_TEST_CORE_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
