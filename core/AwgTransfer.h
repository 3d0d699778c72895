#pragma once

#include "AwgFileHeader.h"

#include "dwav_visa.h"

#include <QString>

class AwgFileReader;
class AwgFileWriter;
class Logger;

// Moves AWG data between data files and the module's AWG memory, packet by
// packet through the module driver, reporting to the position's Logger.
// File logging is off while the packets move and is put back on every way
// out; one packet per channel is held at a time. Its messages read the same
// in both languages of the panel, as the AWG page's own do.
class AwgTransfer
{
public:
    AwgTransfer(ViSession moduleSession, int position);

    // Sends every packet of `layout` from the reader, which stands at the
    // start of the body, to the module (already configured for it).
    // Returns 0, or the failing driver status or a VISA error code.
    int load(AwgFileReader &reader, const AwgFileHeader &layout);

    // Reads every packet of `header` from the module and writes header and
    // packets to `path`; the file is replaced only when all of it was
    // written, so a failure leaves an older file as it was.
    int save(const QString &path, const AwgFileHeader &header);

    // "Returned status (%1) Message: %2" with the carrier driver's text for
    // the status, asked on the module session.
    static QString returnedStatus(ViSession session, int status);

private:
    template <typename T>
    int loadPackets(AwgFileReader &reader, const AwgFileHeader &layout);
    template <typename T>
    int savePackets(AwgFileWriter &writer, const AwgFileHeader &header);

    ViSession m_session;
    Logger *m_logger;
    // Why the last transfer stopped, when it was not the driver.
    enum Stop { NoStop, OutOfMemory, DataEnded, WriteFailed } m_stop = NoStop;
    QString m_writeError;
};
