#include "AFGParameters.h"

AFGParameters::AFGParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
    , m_harmonical(-1, nullptr)
    , m_triangular(-1, nullptr)
    , m_impulse(-1, nullptr)
    , m_level(-1, nullptr)
    , m_multilevel(-1, nullptr, 0, 0)
{
    insertParameter(QStringLiteral("harmonicalParameters"), QVariant::fromValue(m_harmonical));
    insertParameter(QStringLiteral("triangularParameters"), QVariant::fromValue(m_triangular));
    insertParameter(QStringLiteral("impulseParameters"), QVariant::fromValue(m_impulse));
    insertParameter(QStringLiteral("levelParameters"), QVariant::fromValue(m_level));
    insertParameter(QStringLiteral("multilevelParameters"), QVariant::fromValue(m_multilevel));
    insertParameter(QStringLiteral("currentSignalType"), QVariant::fromValue(AfgHarmonic));
}

namespace {

// In the order of the signal forms.
const char *const subSetKeys[] = {"harmonicalParameters", "triangularParameters",
                                  "impulseParameters", "levelParameters",
                                  "multilevelParameters"};
constexpr int subSetCount = int(sizeof subSetKeys / sizeof subSetKeys[0]);

} // namespace

int AFGParameters::subSetForm(const QString &name)
{
    for (int form = 0; form < subSetCount; ++form) {
        if (name.compare(QLatin1String(subSetKeys[form]), Qt::CaseInsensitive) == 0)
            return form;
    }
    return -1;
}

QString AFGParameters::subSetKey(int form)
{
    if (form < 0 || form >= subSetCount)
        return QString();
    return QLatin1String(subSetKeys[form]);
}
