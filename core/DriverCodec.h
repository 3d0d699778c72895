#pragma once

#include <QByteArray>
#include <QString>

// The drivers and VISA speak Windows-1251: resource names, status and test
// texts. Names travel as text through the panel (the selection table, the
// window title) and go back to the drivers as the same bytes.
namespace DriverCodec {

// At most `size` bytes, up to the first zero byte.
QString decode(const char *bytes, int size);
QByteArray encode(const QString &text);

} // namespace DriverCodec
