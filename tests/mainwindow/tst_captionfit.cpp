// Every caption of the main window and its dialogs shows its whole text, in
// both languages, whatever the application's font and the screen's DPI:
// CTest runs this under several of them (tests/mainwindow/CMakeLists.txt).

#include "CaptionFit.h"
#include "MainApp.h"
#include "MainWindow.h"
#include "ParameterTypes.h"
#include "TestMain.h"
#include "UiSupport.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFont>
#include <QRadioButton>

using namespace WindowTest;

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Each state a screen passes through adds what does not fit in it.
class Walk
{
public:
    explicit Walk(QWidget *window)
        : window(window)
    {
    }

    void look(QWidget *shown, const QString &state)
    {
        settle();
        // The message line shows messages of any length, word-wrapped.
        for (const QString &misfit : CaptionFit::misfits(shown, {QStringLiteral("statusMessageLabel")})) {
            const QString line = misfit + QStringLiteral("  [") + state + QLatin1Char(']');
            if (!found.contains(misfit))
                found.insert(misfit, line);
        }
        // Text that grows with the application's font or the DPI would fit
        // here only by chance.
        for (QWidget *widget : shown->findChildren<QWidget *>())
            if (widget->window() == shown && widget->font().pixelSize() <= 0)
                found.insert(widget->objectName(), widget->objectName() + QStringLiteral(": font in points"));
    }

    template <typename T>
    T *child(const char *name) const { return UiTest::child<T>(window, name); }

    void click(const char *name) { child<QAbstractButton>(name)->click(); }

    // Each on a line of its own: a failure message would be cut short.
    int report() const
    {
        for (const QString &line : found)
            qWarning("%s", qPrintable(line));
        return found.size();
    }

    QWidget *window;

private:
    QMap<QString, QString> found;
};

// Every signal form of both channels, and on the harmonic form every
// modulation type.
void functionGenerator(Walk &walk)
{
    for (const char *chan : {"chan1", "chan2"}) {
        auto *forms = walk.child<QComboBox>((QByteArray(chan) + "SignalFormComboBox").constData());
        auto *types = walk.child<QComboBox>((QByteArray(chan) + "HarmonicModulTypeComboBox").constData());
        for (int form = 0; form < forms->count(); ++form) {
            forms->setCurrentIndex(form);
            const int typeCount = form == 0 ? types->count() : 1;
            for (int type = 0; type < typeCount; ++type) {
                types->setCurrentIndex(form == 0 ? type : 0);
                walk.look(walk.window, QStringLiteral("%1 %2 %3").arg(QLatin1String(chan), forms->currentText(),
                                                                     types->currentText()));
            }
        }
    }
}

void awg(Walk &walk)
{
    walk.click("showAWGPagePushButton");
    walk.look(walk.window, QStringLiteral("AWG page"));
}

// The start button and the state indicator through the commands, the two
// start sources that keep the module waiting, and the settings files.
void commands(Walk &walk)
{
    walk.click("startDWAVPushButton");
    walk.look(walk.window, QStringLiteral("start refused"));
    walk.click("configDWAVPushButton");
    walk.look(walk.window, QStringLiteral("configured"));
    walk.click("startDWAVPushButton");
    QTRY_COMPARE(startButtonState(walk.window), 1);
    walk.look(walk.window, QStringLiteral("generating"));
    walk.click("startDWAVPushButton");
    walk.look(walk.window, QStringLiteral("stopped"));
    walk.click("resetDWAVPushButton");
    walk.look(walk.window, QStringLiteral("reset"));

    auto *sync = walk.child<QWidget>("CommonSettingsDialog");
    const struct {
        const char *source;
        int delaySeconds, buttonState;
    } waits[] = {{"programCommandStartSourceRadioButton", 0, 2}, {"programStartSourceRadioButton", 999, 3}};
    for (const auto &wait : waits) {
        UiTest::child<QRadioButton>(sync, wait.source)->click();
        auto *unit = UiTest::child<QComboBox>(sync, "startDelayDimensionComboBox");
        unit->setCurrentIndex(unit->findData(1));
        auto *delay = UiTest::child<QDoubleSpinBox>(sync, "startDelayDoubleSpinBox");
        delay->setValue(wait.delaySeconds);
        emit delay->editingFinished();
        walk.click("configDWAVPushButton");
        walk.click("startDWAVPushButton");
        QTRY_COMPARE(startButtonState(walk.window), wait.buttonState);
        walk.look(walk.window, QLatin1String(wait.source));
        walk.click("startDWAVPushButton");
    }

    const QString saved = QDir::current().filePath(QStringLiteral("panel.ini"));
    const struct {
        const char *slot;
        QString path;
    } files[] = {
        {"actionSaveAsSettings_triggered", saved},
        {"actionSaveAsSettings_triggered", QDir::current().filePath(QStringLiteral("no folder/panel.ini"))},
        {"actionLoadSettings_triggered", saved},
        {"actionLoadSettings_triggered", saved + QStringLiteral(".missing")},
    };
    for (const auto &file : files) {
        QVERIFY(QMetaObject::invokeMethod(walk.window, file.slot));
        QVERIFY(UiTest::chooseFile(walk.window, file.path));
        walk.look(walk.window, QLatin1String(file.slot) + QLatin1Char(' ') + file.path);
    }
}

// Each settings dialog as its button opens it; the modulator's blocks with
// the modulator on, which shows its warning too, and off.
void settingsDialogs(Walk &walk)
{
    const struct {
        const char *button, *dialog;
    } dialogs[] = {
        {"showChanSettingsPushButton", "ChanSettingsDialog"},
        {"showCommonSettingsPushButton", "CommonSettingsDialog"},
        {"showQMSettingsPushButton", "QuadratureModulationDialog"},
    };
    for (const auto &d : dialogs) {
        walk.click(d.button);
        auto *shown = walk.child<QWidget>(d.dialog);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        walk.look(shown, QLatin1String(d.dialog));
    }
    auto *modulator = walk.child<QWidget>("QuadratureModulationDialog");
    for (bool on : {true, false}) {
        UiTest::child<QCheckBox>(modulator, "useQuadratureModulationCheckBox")->setChecked(on);
        walk.look(modulator, on ? QStringLiteral("modulation on") : QStringLiteral("modulation off"));
    }
}

void serviceAndCalibration(Walk &walk)
{
    for (const char *name : {"ServiceDialog", "CalibrationDialog"}) {
        auto *dialog = walk.child<QDialog>(name);
        dialog->show();
        walk.look(dialog, QLatin1String(name));
        dialog->hide();
    }
}

const struct {
    const char *name;
    void (*walk)(Walk &);
} screens[] = {
    {"function generator", functionGenerator},
    {"AWG", awg},
    {"commands", commands},
    {"settings dialogs", settingsDialogs},
    {"service and calibration", serviceAndCalibration},
};

} // namespace

class TestCaptionFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The panel's own set-up: its images and the stand-in for the forms' font.
        MainApp::instance()->initApplication(0, nullptr);
        ParameterTypes::registerTypes();
        for (const char *file : {"dwav_ru.qm", "dwav_en.qm", "qtbase_ru.qm", "qtbase_en.qm"})
            QVERIFY(QFile::copy(QStringLiteral(DWAV_QM_DIR "/") + QLatin1String(file), QLatin1String(file)));
    }

    void everyCaptionFits_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("screen");
        for (bool english : {false, true})
            for (int i = 0; i < int(sizeof screens / sizeof screens[0]); ++i)
                QTest::addRow("%s, %s", english ? "English" : "Russian", screens[i].name) << english << i;
    }

    void everyCaptionFits()
    {
        QFETCH(bool, english);
        QFETCH(int, screen);
        auto module = openModule();
        QVERIFY(module);
        MainWindow window(module.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (english)
            window.findChild<QAction *>(QStringLiteral("languageAction"))->trigger();
        Walk walk(&window);
        walk.look(&window, QStringLiteral("opened"));
        screens[screen].walk(walk);
        QCOMPARE(walk.report(), 0);
    }
};

// Like DWAV_TEST_MAIN, but at the DPI the platform (or QT_FONT_DPI) gives,
// and with the application font a host would set when
// DWAV_TEST_APPLICATION_FONT names a point size.
int main(int argc, char **argv)
{
    return DwavTest::runInTemporaryFolder(argc, argv, [](int c, char **v) {
        QApplication app(c, v);
        const int points = qEnvironmentVariableIntValue("DWAV_TEST_APPLICATION_FONT");
        if (points > 0)
            QApplication::setFont(QFont(QApplication::font().family(), points));
        TestCaptionFit tc;
        QTEST_SET_MAIN_SOURCE_PATH
        return QTest::qExec(&tc, c, v);
    });
}

#include "tst_captionfit.moc"
