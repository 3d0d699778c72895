#pragma once

// File permissions bind every user but the superuser, and the tests often
// run as root (CI, a fresh machine). A case that needs a file or folder its
// user may not read or write starts with DWAV_RUN_UNPRIVILEGED(): run as
// root, it runs again, alone, in a child process of this test program as
// user nobody and passes exactly when it passed there; run as anyone else,
// it runs in place. The user must really be nobody, not root with fewer
// capabilities, as access(2), which the code asks, answers for the real uid.

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace DwavTest {

// Where a sanitizer build's LSAN_OPTIONS name LeakSanitizer's suppressions
// (not print_suppressions, another option).
inline QRegularExpression lsanSuppressions()
{
    return QRegularExpression(QStringLiteral("(?<!\\w)suppressions=([^:]+)"));
}

// The build may lie where only root can reach (a clone in a private
// temporary folder), so nobody runs a copy of this program, with the
// libraries and the suppressions beside it, from a folder that every user
// may read. Made once per process; empty when it cannot be.
inline QString programForNobody()
{
    static QTemporaryDir stage;
    static QString program;
    if (!program.isEmpty() || !stage.isValid())
        return program;
    const QFileDevice::Permissions everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;
    if (!QFile::setPermissions(stage.path(), everyone))
        return program;
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString &library : bin.entryList({QStringLiteral("lib*.so*")}, QDir::Files)) {
        if (!QFile::copy(bin.filePath(library), stage.filePath(library)))
            return program;
    }
    const QString self = QCoreApplication::applicationFilePath();
    const QString copy = stage.filePath(QFileInfo(self).fileName());
    const QRegularExpressionMatch suppressions =
            lsanSuppressions().match(QString::fromLocal8Bit(qgetenv("LSAN_OPTIONS")));
    if (suppressions.hasMatch()
        && !QFile::copy(suppressions.captured(1), stage.filePath(QStringLiteral("lsan.supp"))))
        return program;
    if (QFile::copy(self, copy))
        program = copy;
    return program;
}

// The child's environment: this one, with the staged libraries and
// suppressions, and a mark that tells the child what it is.
inline QProcessEnvironment environmentForNobody(const QString &program, const char *mark)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString stage = QFileInfo(program).path();
    environment.insert(QStringLiteral("LD_LIBRARY_PATH"), stage);
    QString lsan = environment.value(QStringLiteral("LSAN_OPTIONS"));
    lsan.replace(lsanSuppressions(),
                 QStringLiteral("suppressions=") + stage + QStringLiteral("/lsan.supp"));
    if (!lsan.isEmpty())
        environment.insert(QStringLiteral("LSAN_OPTIONS"), lsan);
    environment.insert(QString::fromLatin1(mark), QStringLiteral("1"));
    return environment;
}

inline void runCaseAsNobody()
{
    // A child left as root would start a child of its own, and so on.
    const char *const mark = "DWAV_TEST_CHILD_AS_NOBODY";
    QVERIFY2(!qEnvironmentVariableIsSet(mark), "setpriv left the child as root");
    QString selection = QString::fromLatin1(QTest::currentTestFunction());
    const QString tag = QString::fromLocal8Bit(QTest::currentDataTag());
    if (!tag.isEmpty())
        selection += QLatin1Char(':') + tag;
    QProcess child;
    // The parent's own temporary working folder is root's alone; the child
    // makes one of its own, and a HOME in it, as every test program does.
    child.setWorkingDirectory(QDir::tempPath());
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString program = programForNobody();
    QVERIFY2(!program.isEmpty(), "cannot copy the test program to a folder nobody may read");
    child.setProcessEnvironment(environmentForNobody(program, mark));
    child.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                 QStringLiteral("--clear-groups"), program, selection});
    QVERIFY2(child.waitForStarted(), qPrintable(QStringLiteral("setpriv: ") + child.errorString()));
    QVERIFY(child.waitForFinished(-1));
    const QString output = QString::fromLocal8Bit(child.readAll());
    // A case that skipped or failed prints no PASS line of its own.
    const QString passed = QStringLiteral("::") + QString::fromLatin1(QTest::currentTestFunction())
                           + QLatin1Char('(') + tag + QLatin1Char(')');
    bool found = false;
    for (const QString &line : output.split(QLatin1Char('\n')))
        found = found || (line.startsWith(QLatin1String("PASS   : ")) && line.endsWith(passed));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 && found,
             qPrintable(QStringLiteral("as nobody:\n") + output));
}

} // namespace DwavTest

#define DWAV_RUN_UNPRIVILEGED()                                                                    \
    do {                                                                                           \
        if (::geteuid() == 0) {                                                                    \
            DwavTest::runCaseAsNobody();                                                           \
            return;                                                                                \
        }                                                                                          \
    } while (0)
