#include "TestMain.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

// The program itself, started as a user starts it.
class TestStandaloneProgram : public QObject
{
    Q_OBJECT

private slots:
    void handsItsArgumentsToQt();
    void withoutUsablePlatformItDoesNotRun();
};

namespace {

QString logText(const QString &folder)
{
    QFile log(folder + QStringLiteral("/DWAV_messages.log"));
    if (!log.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(log.readAll());
}

// Starts the program in the folder with an environment that names a
// platform that does not exist, so only the command line can make it run.
void start(QProcess &program, const QString &folder, const QStringList &arguments)
{
    program.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "no-such-platform");
    program.setProcessEnvironment(env);
    program.start(DWAV_PROGRAM, arguments);
}

} // namespace

void TestStandaloneProgram::handsItsArgumentsToQt()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess program;
    start(program, folder.path(), {"-platform", "offscreen", "an-argument-of-our-own"});
    QVERIFY(program.waitForStarted());

    // The run got as far as its translations: the application object
    // exists. Its selection dialog then waits for a user, so it is ended.
    QTRY_VERIFY_WITH_TIMEOUT(logText(folder.path()).contains("dwav_ru.qm"), 60000);
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    QVERIFY(program.waitForFinished());
}

void TestStandaloneProgram::withoutUsablePlatformItDoesNotRun()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess program;
    start(program, folder.path(), QStringList());
    QVERIFY(program.waitForStarted());
    QVERIFY(program.waitForFinished(60000));
    QVERIFY(program.exitStatus() == QProcess::CrashExit || program.exitCode() != 0);
    QVERIFY(!logText(folder.path()).contains("dwav_ru.qm"));
}

DWAV_TEST_CORE_MAIN(TestStandaloneProgram)
#include "tst_standaloneprogram.moc"
