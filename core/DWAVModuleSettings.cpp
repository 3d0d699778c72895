// The panel settings file: the panel options and every key of the module's
// parameter sets in an INI file, enumerations as integers. The multilevel
// levels are not kept here (they live in their own points file).

#include "DWAVModule.h"

#include "AFGParameters.h"
#include "AWGParameters.h"
#include "BindingNames.h"
#include "DWAVChanParameters.h"
#include "DWAVCommonParameters.h"
#include "DWAVQMParameters.h"
#include "Dimensions.h"
#include "HarmonicalParameters.h"
#include "ImpulseParameters.h"
#include "LevelParameters.h"
#include "Logger.h"
#include "MultilevelParameters.h"
#include "TriangularParameters.h"
#include "UserFile.h"

#include "dwav_visa.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cmath>
#include <limits>

namespace {

const QString panelGroup = QStringLiteral("DWAV_PanelSettings");
const QString chanGroup = QLatin1String(BindingNames::chanSet);
const QString commonGroup = QLatin1String(BindingNames::commonSet);
const QString qmGroup = QLatin1String(BindingNames::qmSet);
const QString afgGroup = QLatin1String(BindingNames::afgSet);
const QString awgGroup = QLatin1String(BindingNames::awgSet);

constexpr qint64 maxSettingsFileSize = 16 * 1024 * 1024;

QString chanSubGroup(int chan)
{
    return QStringLiteral("Chan_%1").arg(chan + 1);
}

// The highest value of an enumeration kept in the file as an integer, or
// -1 for a type that is none of them.
int enumerationMaximum(int userType)
{
    const char *name = QMetaType::typeName(userType);
    if (!name)
        return -1;
    const QLatin1String typeName(name);
    static const struct {
        const char *name;
        int maximum;
    } known[] = {{"chanState", ChanOn},
                 {"awgDataFormat", AwgDataDacCodes},
                 {"modulType", ModulFT},
                 {"afgSignalTypes", AfgMultilevel}};
    for (const auto &entry : known)
        if (typeName.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.maximum;
    return -1;
}

bool isStoredEnumeration(int userType)
{
    return userType >= QMetaType::User && enumerationMaximum(userType) >= 0;
}

bool isNumeric(int userType)
{
    return userType == QMetaType::Int || userType == QMetaType::UInt
        || userType == QMetaType::Double || isStoredEnumeration(userType);
}

// Whether a value read from the file is a number that a key of this type
// holds. Qt reads "nan" and "inf" as doubles and cuts an integer that does
// not fit to its low 32 bits (4294967297 becomes 1); either would reach the
// module as if the file had meant it.
bool isNumberOfType(int userType, const QVariant &stored)
{
    bool ok = false;
    if (userType == QMetaType::Double) {
        const double value = stored.toDouble(&ok);
        return ok && std::isfinite(value);
    }
    if (userType == QMetaType::UInt) {
        const qulonglong value = stored.toULongLong(&ok);
        return ok && value <= std::numeric_limits<uint>::max();
    }
    const qlonglong value = stored.toLongLong(&ok);
    return ok && value >= std::numeric_limits<int>::min()
        && value <= std::numeric_limits<int>::max();
}

enum class UnitTable { None, Time, Frequency };

// The keys that a unit selector edits, and the table it offers. Such a key
// holds one of that table's multipliers; any other number (0 for a key the
// file lacks) is a factor that no selector can show, and the device would
// get it while the panel shows the unit it had before.
UnitTable unitTableOf(const QString &key)
{
    static const QStringList timeKeys = {
        QStringLiteral("TupModifier"), QStringLiteral("TdnModifier"), QStringLiteral("TModifier"),
        QStringLiteral("startDelayModifier")};
    static const QStringList freqKeys = {
        QStringLiteral("freqModifier"), QStringLiteral("modulFreqModifier"),
        QStringLiteral("freqDevModifier"), QStringLiteral("freqNCOModifier")};
    if (timeKeys.contains(key))
        return UnitTable::Time;
    if (freqKeys.contains(key))
        return UnitTable::Frequency;
    return UnitTable::None;
}

bool isMultiplierOf(UnitTable table, int multiplier)
{
    const Dimensions *units = Dimensions::instance();
    const QString unit = table == UnitTable::Time ? units->timeUnit(multiplier)
                                                  : units->freqUnit(multiplier);
    return !unit.isEmpty();
}

QString storedText(const QVariant &stored)
{
    // A value with commas in it reads back as a list.
    if (stored.userType() == QMetaType::QStringList)
        return stored.toStringList().join(QLatin1Char(','));
    return stored.toString();
}

} // namespace

QVariant DWAVModule::parameterFromSettings(const QVariant &prototype, const QVariant &stored)
{
    switch (prototype.userType()) {
    case QMetaType::Bool:
        return stored.toBool();
    case QMetaType::Int:
        return stored.toInt();
    case QMetaType::UInt:
        return stored.toUInt();
    case QMetaType::Double:
        return stored.toDouble();
    case QMetaType::QString: {
        // A missing key reads as an empty text, not as a null one that the
        // set would refuse.
        const QString text = stored.toString();
        return text.isNull() ? QString(QLatin1String("")) : text;
    }
    default:
        break;
    }
    if (isStoredEnumeration(prototype.userType())) {
        // A number the enumeration does not have would be taken for one of
        // its values by whoever reads it; it is refused like any other
        // value that does not fit the key.
        const int number = stored.toInt();
        if (number < 0 || number > enumerationMaximum(prototype.userType()))
            return QVariant();
        return QVariant(prototype.userType(), &number);
    }
    return QVariant();
}

void DWAVModule::writeParameterSettings(QSettings &settings, IParameter *set, const QString &key)
{
    const QVariant value = set->getParameter(key);
    // Enumerations and the points travel as plain integers, so the file
    // reads the same whatever registered the types.
    if (value.userType() >= QMetaType::User)
        settings.setValue(key, value.toInt());
    else
        settings.setValue(key, value);
}

void DWAVModule::readParameterSettings(QSettings &settings, IParameter *set, const QString &key)
{
    const QVariant stored = settings.value(key);
    const QVariant prototype = set->getParameter(key);
    const UnitTable units = unitTableOf(key);
    if (!stored.isValid() && units != UnitTable::None) {
        logger()->log(tr("%1/%2 is missing and names no unit; it keeps %3")
                          .arg(settings.group(), key, prototype.toString()),
                      QStringLiteral("Warning"));
        return;
    }
    if (!stored.isValid() && m_absentSettings)
        m_absentSettings->append(settings.group() + QLatin1Char('/') + key);
    const int type = prototype.userType();
    // A missing key still loads as 0, as older files rely on.
    const bool fits = !stored.isValid() || !isNumeric(type) || isNumberOfType(type, stored);
    QVariant value = fits ? parameterFromSettings(prototype, stored) : QVariant();
    if (units != UnitTable::None && !isMultiplierOf(units, value.toInt()))
        value = QVariant();
    if (!value.isValid() && isNumeric(type)) {
        const QString kept = isStoredEnumeration(type) ? QString::number(prototype.toInt())
                                                       : prototype.toString();
        logger()->log(tr("%1/%2 holds %3, which is none of its values; it keeps %4")
                          .arg(settings.group(), key, storedText(stored), kept),
                      QStringLiteral("Warning"));
        return;
    }
    set->setParameter(key, value);
}

template <typename T>
void DWAVModule::saveParameterGroup(const QString &subSetName, QSettings &settings, int chan)
{
    settings.beginGroup(subSetName);
    T subSet = qvariant_cast<T>(m_afgParameters[chan]->getParameter(subSetName));
    const auto keys = subSet.parameters().keys();
    for (const QString &key : keys)
        writeParameterSettings(settings, &subSet, key);
    settings.endGroup();
}

template <typename T>
void DWAVModule::loadParameterGroup(const QString &subSetName, QSettings &settings, int chan)
{
    settings.beginGroup(subSetName);
    T subSet = qvariant_cast<T>(m_afgParameters[chan]->getParameter(subSetName));
    const auto keys = subSet.parameters().keys();
    for (const QString &key : keys)
        readParameterSettings(settings, &subSet, key);
    m_afgParameters[chan]->setParameter(subSetName, QVariant::fromValue(subSet));
    settings.endGroup();
}

namespace {

template <typename T>
struct SubSetTag {
    using Type = T;
};

} // namespace

// Saving and loading visit the same groups in the same order; only what is
// done with each key (or sub-set group) differs.
void DWAVModule::walkParameterGroups(QSettings &settings, bool saving)
{
    auto plainKey = [this, &settings, saving](IParameter *set, const QString &key) {
        if (saving)
            writeParameterSettings(settings, set, key);
        else
            readParameterSettings(settings, set, key);
    };
    auto wholeSet = [&plainKey](IParameter *set) {
        const auto keys = set->parameters().keys();
        for (const QString &key : keys)
            plainKey(set, key);
    };
    auto subSetGroup = [this, &settings, saving](auto tag, const QString &key, int chan) {
        using T = typename decltype(tag)::Type;
        if (saving)
            saveParameterGroup<T>(key, settings, chan);
        else
            loadParameterGroup<T>(key, settings, chan);
    };

    settings.beginGroup(chanGroup);
    for (int chan = 0; chan < ChannelCount; ++chan) {
        settings.beginGroup(chanSubGroup(chan));
        wholeSet(m_chanParameters[chan]);
        settings.endGroup();
    }
    settings.endGroup();

    settings.beginGroup(commonGroup);
    wholeSet(m_commonParameters);
    settings.endGroup();

    settings.beginGroup(qmGroup);
    wholeSet(m_qmParameters);
    settings.endGroup();

    settings.beginGroup(afgGroup);
    for (int chan = 0; chan < ChannelCount; ++chan) {
        settings.beginGroup(chanSubGroup(chan));
        AFGParameters *afg = m_afgParameters[chan];
        const auto keys = afg->parameters().keys();
        for (const QString &key : keys) {
            switch (AFGParameters::subSetForm(key)) {
            case AfgHarmonic: subSetGroup(SubSetTag<HarmonicalParameters>(), key, chan); break;
            case AfgTriangular: subSetGroup(SubSetTag<TriangularParameters>(), key, chan); break;
            case AfgImpulse: subSetGroup(SubSetTag<ImpulseParameters>(), key, chan); break;
            case AfgLevel: subSetGroup(SubSetTag<LevelParameters>(), key, chan); break;
            case AfgMultilevel: subSetGroup(SubSetTag<MultilevelParameters>(), key, chan); break;
            default: plainKey(afg, key); break;
            }
        }
        settings.endGroup();
    }
    settings.endGroup();

    settings.beginGroup(awgGroup);
    wholeSet(m_awgParameters);
    settings.endGroup();
}

int DWAVModule::saveSettings(const QString &filePath)
{
    auto fail = [this, &filePath](ViStatus status, const QString &why) {
        setLastError(tr("Panel settings were not saved to %1: %2").arg(filePath, why), status);
        return int(status);
    };
    if (filePath.isEmpty())
        return fail(VI_ERROR_FILE_ACCESS, tr("no file name"));

    if (!UserFile::isSaveTarget(filePath))
        return fail(VI_ERROR_FILE_ACCESS, tr("not a file"));

    // The settings are written completely into a scratch file first; only
    // a complete file replaces the target, so a failed save never costs the
    // settings saved before. A fresh file also keeps keys of an older file
    // from being merged into the new one. It lies in the temporary folder,
    // as the target's own folder may admit no new file.
    QTemporaryFile scratch(QDir::temp().filePath(QStringLiteral("dwav-settings-XXXXXX.ini")));
    if (!scratch.open())
        return fail(VI_ERROR_FILE_ACCESS, scratch.errorString());
    scratch.close();

    {
        QSettings settings(scratch.fileName(), QSettings::IniFormat);

        settings.beginGroup(panelGroup);
        settings.setValue(QStringLiteral("autoConfig"), m_autoConfig);
        settings.setValue(QStringLiteral("currentPanelTabIndex"), m_currentPanelTabIndex);
        settings.setValue(QStringLiteral("AWGLoadingFilePath"), m_AWGLoadingFilePath);
        settings.setValue(QStringLiteral("AWGSavingFilePath"), m_AWGSavingFilePath);
        settings.setValue(QStringLiteral("querySettingsParameters"), m_querySettingsParameters);
        settings.endGroup();

        walkParameterGroups(settings, true);

        // Written now, not when some event loop gets round to it, so the
        // outcome is known before this returns.
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return fail(VI_ERROR_FILE_IO, tr("the settings could not be written"));
    }

    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return fail(VI_ERROR_FILE_IO, written.errorString());
    const QByteArray content = written.readAll();
    written.close();

    QString why;
    if (!UserFile::save(filePath, content, &why))
        return fail(VI_ERROR_FILE_IO, why);
    return 0;
}

int DWAVModule::loadSettings(const QString &filePath)
{
    auto fail = [this, &filePath](ViStatus status, const QString &why) {
        setLastError(tr("Panel settings were not loaded from %1: %2").arg(filePath, why), status);
        return int(status);
    };
    const QFileInfo source(filePath);
    if (filePath.isEmpty() || !source.exists())
        return fail(VI_ERROR_FILE_ACCESS, tr("the file does not exist"));
    if (!source.isFile())
        return fail(VI_ERROR_FILE_ACCESS, tr("not a file"));
    // A panel's settings take a few kilobytes; an AWG data file picked by
    // mistake can take hundreds of megabytes and is not read at all.
    if (source.size() > maxSettingsFileSize)
        return fail(VI_ERROR_FILE_IO, tr("the file is too large to be a settings file"));

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(VI_ERROR_FILE_ACCESS, file.errorString());
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(VI_ERROR_FILE_IO, file.errorString());
    file.close();

    // QSettings keeps files it has read in a process-wide cache and trusts
    // it while size and time stamp look unchanged; a file replaced within
    // the same moment would then read stale. Reading a private copy under a
    // name never used before always reads what is on disk now.
    // A byte-order mark, as Windows editors write one, would become part of
    // the first section's name.
    QByteArray readable = content;
    if (readable.startsWith("\xEF\xBB\xBF"))
        readable.remove(0, 3);
    QTemporaryFile copy(QDir::temp().filePath(QStringLiteral("dwav-settings-XXXXXX.ini")));
    if (!copy.open() || copy.write(readable) != readable.size() || !copy.flush())
        return fail(VI_ERROR_FILE_IO, copy.errorString());
    copy.close();

    // QSettings reads what it can of a file with a comment, a line without
    // '=' or an unclosed section, and reports a format error for it; such a
    // file is loaded for what it holds. Only a file with none of the panel's
    // groups is no settings file.
    QSettings settings(copy.fileName(), QSettings::IniFormat);
    const QStringList groups = settings.childGroups();
    bool panelFile = false;
    for (const QString &group : {panelGroup, chanGroup, commonGroup, qmGroup, afgGroup, awgGroup})
        panelFile = panelFile || groups.contains(group);
    if (!panelFile)
        return fail(VI_ERROR_FILE_IO, tr("the file holds no panel settings"));

    QStringList absent;
    m_absentSettings = &absent;
    settings.beginGroup(panelGroup);
    for (const char *option : {"autoConfig", "currentPanelTabIndex", "AWGLoadingFilePath",
                               "AWGSavingFilePath", "querySettingsParameters"})
        if (!settings.contains(QLatin1String(option)))
            absent.append(panelGroup + QLatin1Char('/') + QLatin1String(option));
    m_autoConfig = settings.value(QStringLiteral("autoConfig")).toBool();
    m_currentPanelTabIndex = settings.value(QStringLiteral("currentPanelTabIndex")).toInt();
    m_AWGLoadingFilePath = settings.value(QStringLiteral("AWGLoadingFilePath")).toString();
    m_AWGSavingFilePath = settings.value(QStringLiteral("AWGSavingFilePath")).toString();
    m_querySettingsParameters = settings.value(QStringLiteral("querySettingsParameters")).toBool();
    settings.endGroup();

    walkParameterGroups(settings, false);
    m_absentSettings = nullptr;
    // Missing keys load as 0 or empty, as older files rely on; one line
    // tells a cut or damaged file from a complete one.
    if (!absent.isEmpty())
        logger()->log(tr("%1 lacks these keys, loaded as 0 or empty: %2")
                          .arg(filePath, absent.join(QStringLiteral(", "))),
                      QStringLiteral("Warning"));
    return 0;
}
