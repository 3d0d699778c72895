#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "dwav_visa.h"

// Looks through the VISA instrument resources for carriers and asks every
// mezzanine position of each carrier which module sits there. The result is
// three parallel lists, one row per DWAV module found. The constructor runs
// the whole search behind a modal progress dialog; the object is never shown.
class InstrumentConfigurationSearch : public QWidget
{
    Q_OBJECT

public:
    explicit InstrumentConfigurationSearch(QWidget *parent = nullptr);

    QStringList deviceTypes() const;
    QStringList resourceNames() const;
    QList<int> positions() const;
    // Why the search could not look at any resource (the resource manager
    // did not open, or the search itself failed); empty when it could,
    // whatever it found.
    QString failure() const;

    void restartSearch();
    void search();

    // Carrier type from the manufacturer id and the model code (low 12 bits);
    // empty when the pair is no known carrier.
    static QString carrierTypeName(ushort manufacturer, ushort model);
    // As above, but a carrier that names itself TVKBASE in its *IDN? reply is
    // one whatever its codes.
    static QString carrierTypeNameFromIdn(ushort manufacturer, ushort model, const QString &idn);
    // "Mezzanine DWAV" for the module type word of a DWAV module (given as
    // the unsigned 16-bit word 0 to 65535), else empty.
    static QString mezzanineTypeName(int code);

signals:
    void operationProgressChanged(int progress);
    void operationTextChanged(QString text);
    void operationNameChanged(QString text);

private:
    void probeCarrier(const QString &descriptor, int progress, ViSession carrier);
    // Writes a failing call to the log file: the resource, the call, the
    // status and its text (from VISA, or from the carrier driver for its
    // own calls). Returns that line.
    QString logFailure(const QString &resource, const char *call, ViStatus status,
                       ViSession session, bool carrierCall = false);

    QStringList m_deviceTypes;
    QStringList m_resourceNames;
    QList<int> m_positions;
    QString m_failure;
};
