#include "DriverCodec.h"

#include <QTextCodec>

namespace {

QTextCodec *windows1251()
{
    static QTextCodec *const codec = [] {
        QTextCodec *c = QTextCodec::codecForName("windows-1251");
        return c ? c : QTextCodec::codecForName("cp1251");
    }();
    return codec;
}

} // namespace

namespace DriverCodec {

QString decode(const char *bytes, int size)
{
    if (!bytes || size <= 0)
        return QString();
    const int length = int(qstrnlen(bytes, uint(size)));
    QTextCodec *codec = windows1251();
    return codec ? codec->toUnicode(bytes, length) : QString::fromLatin1(bytes, length);
}

QByteArray encode(const QString &text)
{
    QTextCodec *codec = windows1251();
    return codec ? codec->fromUnicode(text) : text.toLatin1();
}

} // namespace DriverCodec
