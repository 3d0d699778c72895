#include "AwgFiles.h"
#include "LogCapture.h"
#include "MainWindow.h"
#include "ParameterTypes.h"
#include "TestMain.h"
#include "UiSupport.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

using namespace WindowTest;

namespace {

// Types a number into a spin box and finishes the edit with Enter.
void typeInto(QAbstractSpinBox *spin, const QString &text)
{
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
    QTest::keyClick(spin, Qt::Key_Return);
}

QStringList texts(const QTableWidget *table)
{
    QStringList list;
    for (int row = 0; row < table->rowCount(); ++row)
        list << (table->item(row, 0) ? table->item(row, 0)->text() : QStringLiteral("<none>"));
    return list;
}

// Fills a point table as the program does, without running the cell check.
void putRows(QTableWidget *table, const QStringList &cells)
{
    QSignalBlocker blocker(table);
    table->setRowCount(cells.size());
    for (int row = 0; row < cells.size(); ++row)
        table->setItem(row, 0, new QTableWidgetItem(cells.at(row)));
}

QString writePoints(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("points.txt"));
    if (!UiTest::writeFile(path, content))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

class TestMainWindowAFG : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); ParameterTypes::registerTypes(); m_locale = QLocale(); }
    void init();
    void cleanup();
    void selectorShowsPageAndStores_data();
    void selectorShowsPageAndStores();
    void editReachesTheDriverForItsChannelOnly();
    void fillingSelectorsStartsNoConfiguration();
    void pointCountSizesTable_data();
    void pointCountSizesTable();
    void pointsFileLoads_data();
    void pointsFileLoads();
    void pointsFileSaves_data()
    {
        UiTest::endingRows(".txt");
        QTest::newRow("missing folder") << QStringLiteral("no/levels") << QString();
    }
    void pointsFileSaves();
    void configureSendsTableUpToEmptyCell();
    void cellCheck_data();
    void cellCheck();
    void awgFilePaths_data();
    void awgFilePaths();

private:
    template<typename W>
    W *find(const char *name) const { return UiTest::child<W>(m_window.get(), name); }
    template<typename W>
    W *find(int chan, const char *rest) const
    {
        return find<W>(qPrintable(QStringLiteral("chan%1%2").arg(chan + 1).arg(QLatin1String(rest))));
    }
    QVariant stored(int chan, const QString &group, const char *key) const
    {
        return m_module->parameterValue(QStringLiteral("DWAV_AFGParameters"), group, QLatin1String(key), chan);
    }
    QList<double> storedPoints(int chan) const
    {
        const PointsVector points =
            ParameterTypes::pointsFromVariant(stored(chan, QStringLiteral("multilevelParameters"), "points"));
        return QList<double>(points.begin(), points.end());
    }
    // Answers the file dialog that the button opens with `path`.
    void chooseFile(const char *button, const QString &path)
    {
        find<QPushButton>(button)->click();
        QVERIFY(UiTest::chooseFile(m_window.get(), path));
    }
    void configure() { find<QPushButton>("configDWAVPushButton")->click(); }

    std::unique_ptr<DWAVModule> m_module;
    std::unique_ptr<MainWindow> m_window;
    QString m_resource;
    int m_position = 0;
    QLocale m_locale;
};

void TestMainWindowAFG::init()
{
    m_module = openModule(&m_resource, &m_position);
    QVERIFY(m_module);
    m_window.reset(new MainWindow(m_module.get()));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindowAFG::cleanup()
{
    m_window.reset();
    m_module.reset();
    QLocale::setDefault(m_locale);
}

void TestMainWindowAFG::selectorShowsPageAndStores_data()
{
    QTest::addColumn<int>("chan");
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("page");
    // Modulation cases start from PM (page 2); "Off" keeps the page.
    QTest::newRow("impulse") << 0 << "SignalFormComboBox" << "Impulse" << 2 << 2;
    QTest::newRow("multilevel") << 1 << "SignalFormComboBox" << "Multilevel" << 4 << 4;
    QTest::newRow("LFM") << 0 << "HarmonicModulTypeComboBox" << "LFM" << 1 << 1;
    QTest::newRow("AM") << 1 << "HarmonicModulTypeComboBox" << "AM" << 2 << 0;
    QTest::newRow("Off") << 0 << "HarmonicModulTypeComboBox" << "Off" << 0 << 2;
}

void TestMainWindowAFG::selectorShowsPageAndStores()
{
    QFETCH(int, chan);
    QFETCH(QString, selector);
    QFETCH(QString, item);
    QFETCH(int, value);
    auto *combo = find<QComboBox>(chan, qPrintable(selector));
    const bool form = selector.startsWith(QLatin1String("Signal"));
    if (!form)
        combo->setCurrentText(QStringLiteral("PM"));
    combo->setCurrentText(item);
    const QVariant stored = form ? m_module->afgParameter(chan, QStringLiteral("currentSignalType"))
                                 : this->stored(chan, QStringLiteral("harmonicalParameters"), "modulType");
    QCOMPARE(stored.userType(), form ? qMetaTypeId<afgSignalTypes>() : qMetaTypeId<modulType>());
    QCOMPARE(stored.toInt(), value);
    auto *pages = find<QStackedWidget>(chan, form ? "FGStackedWidget" : "HarmonicModulationStackedWidget");
    QTEST(pages->currentIndex(), "page");
    if (!form) {
        QCOMPARE(pages->isEnabled(), value != 0);
        QCOMPARE(find<QDoubleSpinBox>(chan, "HarmonicModulFreqDoubleSpinBox")->isEnabled(), value != 0);
        QCOMPARE(find<QComboBox>(chan, "HarmonicModulFreqDimComboBox")->isEnabled(), value != 0);
    }
    QCOMPARE(m_module->afgParameter(1 - chan, QStringLiteral("currentSignalType")).toInt(), int(AfgHarmonic));
}

void TestMainWindowAFG::editReachesTheDriverForItsChannelOnly()
{
    const QString harmonic = QStringLiteral("harmonicalParameters");
    const QVariant before[] = {stored(0, harmonic, "ampl"), stored(1, harmonic, "freq"),
                               stored(1, harmonic, "freqModifier")};
    typeInto(find<QDoubleSpinBox>(1, "HarmonicAmplDoubleSpinBox"), QStringLiteral("3"));
    typeInto(find<QDoubleSpinBox>(0, "HarmonicFreqDoubleSpinBox"), QStringLiteral("2.5"));
    find<QComboBox>(0, "HarmonicFreqDimComboBox")->setCurrentText(QStringLiteral("MHz"));
    QCOMPARE(stored(1, harmonic, "ampl"), QVariant(3.0));
    QCOMPARE(stored(0, harmonic, "ampl"), before[0]);
    QCOMPARE(stored(1, harmonic, "freq"), before[1]);
    QCOMPARE(stored(1, harmonic, "freqModifier"), before[2]);
    QCOMPARE(configurationCalls(), 0);
    configure();
    QCOMPARE(indicatorText(m_window.get()), QStringLiteral("Configured"));
    double freq = 0;
    QCOMPARE(dwavbench_module_value(m_resource.toLatin1().constData(), m_position, "afg0.freq", &freq), 0);
    QCOMPARE(freq, 2.5e6);
}

void TestMainWindowAFG::fillingSelectorsStartsNoConfiguration()
{
    find<QCheckBox>("autoConfigCheckBox")->setChecked(true);
    find<QComboBox>(1, "SignalFormComboBox")->setCurrentIndex(AfgImpulse);
    find<QComboBox>(0, "HarmonicFreqDimComboBox")->setCurrentText(QStringLiteral("kHz"));
    dwavbench_journal_clear();

    m_window->initComboBoxes();
    QCOMPARE(configurationCalls(), 0);
    QCOMPARE(m_module->afgParameter(1, QStringLiteral("currentSignalType")).toInt(), int(AfgImpulse));
    QCOMPARE(stored(0, QStringLiteral("harmonicalParameters"), "freqModifier").toInt(), 1000);
    QCOMPARE(find<QComboBox>(1, "ImpulseTComboBox")->itemData(3).toInt(), 1000000000);
}

void TestMainWindowAFG::pointCountSizesTable_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("one row more is kept") << 6 << 5 << QStringList{"1", "1", "1", "1", "1", "1"};
    QTest::newRow("shrinks") << 7 << 5 << QStringList{"1", "1", "1", "1", "1"};
    QTest::newRow("grows with zeros") << 3 << 5 << QStringList{"1", "1", "1", "0", "0"};
}

void TestMainWindowAFG::pointCountSizesTable()
{
    QFETCH(int, rows);
    QFETCH(int, count);
    auto *table = find<QTableWidget>(1, "MultilevelPointsTableWidget");
    find<QComboBox>(1, "SignalFormComboBox")->setCurrentIndex(AfgMultilevel);
    QStringList cells;
    for (int row = 0; row < rows; ++row)
        cells << QStringLiteral("1");
    putRows(table, cells);
    typeInto(find<QSpinBox>(1, "MultilevelNPointsSpinBox"), QString::number(count));
    QTEST(texts(table), "after");
    QCOMPARE(stored(1, QStringLiteral("multilevelParameters"), "nPoints").toInt(), count);
}

void TestMainWindowAFG::pointsFileLoads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("special");  // a path other than the written file
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("critical");  // a refused file leaves the table as it was
    QByteArray many;
    for (int i = 0; i < 2000; ++i)
        many += QByteArray::number(i * 0.001) + '\n';
    QTest::newRow("line ends, blanks, text, bounds")
        << QByteArray("1.5\r\n\r\nvolts\r\n10\n-10\n10.0001\n -2 \n1e-5\n0.123456789012") << QString()
        << QStringList{"1.5", "10", "-10", "-2", "1e-05", "0.123456789"} << 6 << QString();
    QTest::newRow("at most 1024 values") << many << QString() << QStringList{"0", "0.001"} << 1024 << QString();
    const QString none = QStringLiteral("Loading AFG points failed: File %1 holds no points");
    const QString unopened = QStringLiteral("Loading AFG points failed: Cannot open file %1!");
    QTest::newRow("no valid line") << QByteArray("a\n11\n") << QString() << QStringList{"7"} << 1 << none;
    QTest::newRow("an AWG data file") << AwgFiles::bytes(2, false) << QString() << QStringList{"7"} << 1 << none;
    QTest::newRow("named pipe") << QByteArray() << "pipe" << QStringList{"7"} << 1 << unopened;
    QTest::newRow("device") << QByteArray() << "/dev/zero" << QStringList{"7"} << 1 << unopened;
}

void TestMainWindowAFG::pointsFileLoads()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, special);
    QFETCH(QStringList, first);
    QFETCH(int, rows);
    QFETCH(QString, critical);
    QTemporaryDir dir;
    QString path = writePoints(dir, content);
    if (special == QLatin1String("pipe")) {
        path = dir.filePath(special);
        QVERIFY(UiTest::makeFifo(path));
    } else if (!special.isEmpty()) {
        path = special;
    }
    auto *table = find<QTableWidget>(0, "MultilevelPointsTableWidget");
    putRows(table, {QStringLiteral("7")});
    find<QSpinBox>(0, "MultilevelNPointsSpinBox")->setValue(1);
    LogCapture log(m_position);
    chooseFile("chan1LoadAFGPointsPushButton", path);
    QCOMPARE(log.of(LoggerCritical), critical.isEmpty() ? QStringList() : QStringList{critical.arg(path)});
    // The load does not store the count; a refresh (a language switch) must
    // still show the table's, or focus merely passing through the count box
    // would empty the table.
    find<QAction>("languageAction")->trigger();
    auto *count = find<QSpinBox>(0, "MultilevelNPointsSpinBox");
    emit count->editingFinished();
    QCOMPARE(table->rowCount(), rows);
    QCOMPARE(texts(table).mid(0, first.size()), first);
    QCOMPARE(count->value(), rows);
    QCOMPARE(stored(0, QStringLiteral("multilevelParameters"), "dataFilePath").toString(),
             critical.isEmpty() ? path : QString());
    if (!critical.isEmpty())
        return;
    // The cells show 10 digits; the module gets the values as read.
    const QList<double> points = storedPoints(0);
    QCOMPARE(points.size(), rows);
    for (int i = 0; i < first.size(); ++i)
        QVERIFY(qAbs(points.at(i) - first.at(i).toDouble()) < 1e-9);
}

void TestMainWindowAFG::pointsFileSaves()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    putRows(find<QTableWidget>(1, "MultilevelPointsTableWidget"),
            {QStringLiteral("1.5"), QStringLiteral("-2"), QString(), QStringLiteral("3")});
    LogCapture log(m_position);

    chooseFile("chan2SaveAFGPointsPushButton", dir.filePath(chosen));
    const QString saved = stored(1, QStringLiteral("multilevelParameters"), "dataFilePath").toString();
    if (written.isEmpty()) {
        QCOMPARE(saved, QString());
        QCOMPARE(log.of(LoggerCritical), QStringList{QStringLiteral("Saving AFG points failed: Couldn't open file %1")
                                                         .arg(dir.filePath(chosen + QStringLiteral(".txt")))});
        return;
    }
    QCOMPARE(UiTest::readFile(dir.filePath(written)), QByteArray("1.5\n-2"));
    QCOMPARE(saved, dir.filePath(written));
    QVERIFY(log.of(LoggerCritical).isEmpty());
}

void TestMainWindowAFG::configureSendsTableUpToEmptyCell()
{
    find<QComboBox>(0, "SignalFormComboBox")->setCurrentIndex(AfgMultilevel);
    typeInto(find<QDoubleSpinBox>(0, "MultilevelTDoubleSpinBox"), QStringLiteral("5"));
    putRows(find<QTableWidget>(0, "MultilevelPointsTableWidget"),
            {QStringLiteral("1"), QStringLiteral("2"), QString(), QStringLiteral("3")});
    configure();
    QCOMPARE(indicatorText(m_window.get()), QStringLiteral("Configured"));
    QCOMPARE(storedPoints(0), (QList<double>{1, 2}));
    QCOMPARE(stored(0, QStringLiteral("multilevelParameters"), "nPoints").toUInt(), 2u);
    QCOMPARE(Bench::callsMentioning("tvkdwav_afg_setData", QStringLiteral("points=[1 2]")), 1);
    double period = 0;
    dwavbench_module_value(m_resource.toLatin1().constData(), m_position, "afg0.period", &period);
    QCOMPARE(period, 5e-9);
}

void TestMainWindowAFG::cellCheck_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("letters") << "C" << 1 << "abc" << QStringList{"1", "2", "3"};
    QTest::newRow("accepted") << "C" << 1 << "-9.5" << QStringList{"1", "-9.5", "3"};
    QTest::newRow("middle cleared") << "C" << 1 << "" << QStringList{"1", "3"};
    QTest::newRow("last cleared") << "C" << 2 << "" << QStringList{"1", "2", "3"};
    QTest::newRow("comma under a comma locale") << "de_DE" << 1 << "1,5" << QStringList{"1", "2", "3"};
    QTest::newRow("point under a comma locale") << "de_DE" << 1 << "1.5" << QStringList{"1", "1.5", "3"};
}

void TestMainWindowAFG::cellCheck()
{
    QFETCH(QString, locale);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    QLocale::setDefault(QLocale(locale));
    QTemporaryDir dir;
    find<QComboBox>(0, "SignalFormComboBox")->setCurrentIndex(AfgMultilevel);
    find<QComboBox>(1, "SignalFormComboBox")->setCurrentIndex(AfgMultilevel);
    chooseFile("chan1LoadAFGPointsPushButton", writePoints(dir, "1\n2\n3"));
    configure();  // stores the count of 3, which a cleared cell lowers on screen only
    auto *other = find<QTableWidget>(1, "MultilevelPointsTableWidget");
    putRows(other, {QStringLiteral("7")});
    // A click on the other channel's cell must not decide what this cell gets back.
    QTest::mouseClick(other->viewport(), Qt::LeftButton, {}, other->visualItemRect(other->item(0, 0)).center());

    auto *table = find<QTableWidget>(0, "MultilevelPointsTableWidget");
    table->setFocus();
    table->setCurrentCell(row, 0);
    table->editItem(table->item(row, 0));
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    if (typed.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits the edit through a posted call.
    QCoreApplication::sendPostedEvents();
    // A refresh shows the table's count, not the stored one, or focus merely
    // passing through the count box would pad the table again.
    find<QAction>("languageAction")->trigger();
    auto *count = find<QSpinBox>(0, "MultilevelNPointsSpinBox");
    emit count->editingFinished();

    QCOMPARE(texts(table), after);
    QCOMPARE(count->value(), after.size());
    configure();
    QList<double> levels;
    for (const QString &text : after)
        levels << text.toDouble();
    QCOMPARE(storedPoints(0), levels);
    QCOMPARE(texts(other), QStringList{QStringLiteral("7")});
}

void TestMainWindowAFG::awgFilePaths_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("loading");
    QTest::addColumn<QString>("saving");
    QTest::newRow("loading file") << "AWGOpenLoadingFilePushButton" << "in.bin" << "in.bin" << "";
    QTest::newRow("saving file gets the ending") << "AWGOpenSavingFilePushButton" << "out.VWF" << "" << "out.VWF.vwf";
    QTest::newRow("saving file keeps it") << "AWGOpenSavingFilePushButton" << "out.vwf" << "" << "out.vwf";
}

void TestMainWindowAFG::awgFilePaths()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(QString, loading);
    QFETCH(QString, saving);
    chooseFile(qPrintable(button), chosen);
    auto *loadingEdit = find<QLineEdit>("AWGLoadingFilePathLineEdit");
    auto *savingEdit = find<QLineEdit>("AWGSavingFilePathLineEdit");
    QCOMPARE(loadingEdit->text(), loading);
    QCOMPARE(savingEdit->text(), saving);
    QCOMPARE(m_module->awgParameter(QStringLiteral("dataFilePath")).toString(), loading);
    // Set, not typed: the module's path options keep what was typed.
    QCOMPARE(m_module->awgLoadingFilePath(), QString());
    QCOMPARE(m_module->awgSavingFilePath(), QString());
    find<QPushButton>("AWGSwitchFilesPushButton")->click();
    QCOMPARE(loadingEdit->text(), saving);
    QCOMPARE(savingEdit->text(), loading);
}

DWAV_TEST_MAIN(TestMainWindowAFG)
#include "tst_mainwindowafg.moc"
