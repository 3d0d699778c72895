#include "BindingNames.h"
#include "ChanSettingsDialog.h"
#include "CommonSettingsDialog.h"
#include "CommonWidgetFunctions.h"
#include "DWAVChanParameters.h"
#include "DWAVCommonParameters.h"
#include "DWAVQMParameters.h"
#include "LogCapture.h"
#include "MainWindow.h"
#include "ParameterTypes.h"
#include "QuadratureModulationDialog.h"
#include "TestMain.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using namespace WindowTest;

namespace {

// A main window on the first module of a fresh default bench.
struct Panel
{
    QString resource;
    int position = 0;
    std::unique_ptr<DWAVModule> module = openModule(&resource, &position);
    std::unique_ptr<MainWindow> window{module ? new MainWindow(module.get()) : nullptr};

    SettingsDialog *dialog(const QString &className) const
    {
        for (SettingsDialog *d : window->findChildren<SettingsDialog *>())
            if (QLatin1String(d->metaObject()->className()) == className)
                return d;
        return nullptr;
    }
    template <typename T>
    T *widget(const QString &name) const { return window->findChild<T *>(name); }
    template <typename T>
    T *widget(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
    double benchValue(const char *key) const
    {
        double value = -1;
        dwavbench_module_value(resource.toLatin1().constData(), position, key, &value);
        return value;
    }
    // The module's value of the key a widget is tagged with.
    QVariant moduleValue(const QWidget *w) const
    {
        return module->parameterValue(w->property(BindingNames::parameterType).toString(), QString(),
                                      w->property(BindingNames::parameterName).toString(),
                                      w->objectName().contains(QLatin1String("chan2"), Qt::CaseInsensitive));
    }
};

void press(SettingsDialog *dialog, QDialogButtonBox::StandardButton which)
{
    dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(which)->click();
}

// Finishes an edit as a user leaving the box would.
void enter(QDoubleSpinBox *spin, double value)
{
    spin->setValue(value);
    emit spin->editingFinished();
}

void choose(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(combo->findText(text));
}

// Another valid value of the same kind.
QVariant changed(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Bool: return !value.toBool();
    case QMetaType::UInt: return value.toUInt() + 1;
    case QMetaType::Int: return value.toInt() + 1;
    case QMetaType::Double: return value.toDouble() + 1.5;
    default: return QVariant(1 - value.toInt());  // chanState: on <-> off
    }
}

} // namespace

class TestSettingsDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); ParameterTypes::registerTypes(); }
    void init() { m_panel.reset(new Panel); QVERIFY(m_panel->window); }
    void cleanup() { m_panel.reset(); dwavbench_clear_faults(); }
    void editStaysPendingUntilApplied_data();
    void editStaysPendingUntilApplied();
    void restoreDefaultsWritesEveryKey();
    void restoreDefaultsWritesEveryKey_data();
    void refreshKeepsLoadedValueThroughConfigure_data();
    void refreshKeepsLoadedValueThroughConfigure();
    void itemsStoreTheirValues_data();
    void itemsStoreTheirValues();
    void rateReadoutsFollowCommonSet();
    void quadratureModulationSwitchesDiagram();
    void channelEchoEndsAfterOneRound_data();
    void channelEchoEndsAfterOneRound();
    void lampsFollowTheBench_data();
    void lampsFollowTheBench();
    void commandStartNeedsItsSource();
    void showButtonsPlaceDialogs();

private:
    std::unique_ptr<Panel> m_panel;
};

// A double spin box of each dialog: its edit reaches only the pending set
// until Apply, and Configure follows only with Auto config on.
void TestSettingsDialogs::editStaysPendingUntilApplied_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("spin");
    QTest::addColumn<double>("edited");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("stored");  // the module holds the edit afterwards
    QTest::addColumn<int>("configs");
    const struct { const char *tag, *dialog, *spin; double edited; } spins[] = {
        {"channel offset", "ChanSettingsDialog", "offsetChan2DoubleSpinBox", 2.5},
        {"start delay", "CommonSettingsDialog", "startDelayDoubleSpinBox", 12.5},
        {"phase diff", "QuadratureModulationDialog", "phaseDiffDoubleSpinBox", -1.25},
    };
    const struct { const char *action; bool stored; int configs; } actions[] = {
        {"cancel", false, 0}, {"apply", true, 0}, {"apply, auto config", true, 1},
        {"language switch", true, 0}};
    for (const auto &s : spins)
        for (const auto &a : actions)
            QTest::addRow("%s, %s", s.tag, a.action) << s.dialog << s.spin << s.edited << a.action
                                                     << a.stored << a.configs;
}

void TestSettingsDialogs::editStaysPendingUntilApplied()
{
    QFETCH(QString, dialog);
    QFETCH(QString, spin);
    QFETCH(double, edited);
    QFETCH(QString, action);
    QFETCH(bool, stored);
    QFETCH(int, configs);
    const Panel &panel = *m_panel;
    SettingsDialog *d = panel.dialog(dialog);
    auto *box = panel.widget<QDoubleSpinBox>(spin);
    const double held = panel.moduleValue(box).toDouble();
    panel.module->setAutoConfig(action != QLatin1String("apply"));
    QSignalSpy performed(d, SIGNAL(performConfig()));
    dwavbench_journal_clear();

    enter(box, edited);
    QCOMPARE(panel.moduleValue(box).toDouble(), held);
    if (action == QLatin1String("cancel"))
        press(d, QDialogButtonBox::Cancel);
    else if (action.startsWith(QLatin1String("apply")))
        press(d, QDialogButtonBox::Apply);
    else
        d->retranslate();
    QCOMPARE(panel.moduleValue(box).toDouble(), stored ? edited : held);
    QCOMPARE(box->value(), stored ? edited : held);
    QCOMPARE(performed.count(), configs);
    QCOMPARE(countOf("tvkdwav_config_mode"), configs);
    // Cancel drops the edit from the pending set too.
    d->applyParameters();
    QCOMPARE(panel.moduleValue(box).toDouble(), stored ? edited : held);
}

void TestSettingsDialogs::restoreDefaultsWritesEveryKey_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("channels") << "ChanSettingsDialog";
    QTest::newRow("synchronisation") << "CommonSettingsDialog";
    QTest::newRow("modulator") << "QuadratureModulationDialog";
}

void TestSettingsDialogs::restoreDefaultsWritesEveryKey()
{
    QFETCH(QString, dialog);
    const Panel &panel = *m_panel;
    DWAVModule *m = panel.module.get();
    QList<IParameter *> sets;
    QList<IParameter *> defaults;
    DWAVChanParameters chan1(false, panel.position), chan2(true, panel.position);
    DWAVCommonParameters common;
    DWAVQMParameters qm;
    if (dialog == QLatin1String("ChanSettingsDialog"))
        sets << m->chanParameters(0) << m->chanParameters(1), defaults << &chan1 << &chan2;
    else if (dialog == QLatin1String("CommonSettingsDialog"))
        sets << m->commonParameters(), defaults << &common;
    else
        sets << m->qmParameters(), defaults << &qm;
    for (IParameter *set : sets) {
        const IParameter::ParameterTable table = set->parameters();
        for (auto it = table.constBegin(); it != table.constEnd(); ++it)
            QCOMPARE(set->setParameter(it.key(), changed(it.value())), 0);
    }

    press(panel.dialog(dialog), QDialogButtonBox::RestoreDefaults);
    for (int i = 0; i < sets.size(); ++i)
        QVERIFY(sets[i]->isEqual(*defaults[i]));
}

void TestSettingsDialogs::refreshKeepsLoadedValueThroughConfigure_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("benchKey");
    QTest::addColumn<double>("loaded");
    QTest::addColumn<double>("sent");
    QTest::newRow("offset") << BindingNames::chanSet << "offset" << "chan0.offset" << 1.75 << 1.75;
    QTest::newRow("load resistance") << BindingNames::chanSet << "Rn" << "chan0.Rn" << 600.0 << 600.0;
    QTest::newRow("start delay in ms") << BindingNames::commonSet << "startDelay" << "startDelay" << 250.0 << 0.25;
    QTest::newRow("NCO frequency in MHz") << BindingNames::qmSet << "freqNCO" << "freqNCO" << 10.0 << 1e7;
    QTest::newRow("I correction") << BindingNames::qmSet << "modulAmplDiff_I" << "modulAmplDiff_I" << 0.05 << 0.05;
}

// A settings file changes the module; the window's refresh must not leave
// the dialogs' older pending values to be written over it at Configure.
void TestSettingsDialogs::refreshKeepsLoadedValueThroughConfigure()
{
    QFETCH(QString, set);
    QFETCH(QString, key);
    QFETCH(QString, benchKey);
    QFETCH(double, loaded);
    const Panel &panel = *m_panel;
    DWAVModule *m = panel.module.get();
    m->setParameterValue(set, QString(), key, 0, loaded);
    m->setQMParameter(QStringLiteral("useQM"), true);
    QVERIFY(m->saveSettings(QStringLiteral("panel.ini")) == 0);
    m->setParameterValue(set, QString(), key, 0, 0.0);
    m->setQMParameter(QStringLiteral("useQM"), false);
    QCOMPARE(m->loadSettings(QStringLiteral("panel.ini")), 0);

    dialogsTakeModuleValues(panel.window.get());
    panel.widget<QPushButton>("configDWAVPushButton")->click();
    QCOMPARE(indicatorText(panel.window.get()), QStringLiteral("Configured"));
    QTEST(panel.benchValue(benchKey.toLatin1().constData()), "sent");
}

void TestSettingsDialogs::itemsStoreTheirValues_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("item");  // empty: a radio button to check
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("1 V") << "rangeChan1ComboBox" << "1 V" << QVariant(0u);
    QTest::newRow("1 V diff") << "rangeChan1ComboBox" << "1 V (diff. output)" << QVariant(2u);
    QTest::newRow("10 V") << "rangeChan2ComboBox" << "10 V" << QVariant(1u);
    QTest::newRow("600 Msample/s") << "settingsDataSpeedComboBox" << "600" << QVariant(3u);
    QTest::newRow("1200 MHz") << "settingsSamplingFrequencyComboBox" << "1200" << QVariant(4u);
    QTest::newRow("5 MHz") << "sf_output_value_comboBox" << "5 MHz" << QVariant(1u);
    QTest::newRow("300 MHz") << "sf_output_value_comboBox" << "300 MHz" << QVariant(12u);
    QTest::newRow("ms") << "startDelayDimensionComboBox" << "ms" << QVariant(1000);
    QTest::newRow("mezzanine carrier") << "NMStartSourceRadioButton" << "" << QVariant(3);
    QTest::newRow("input Start") << "inputStartSourceRadioButton" << "" << QVariant(2);
    QTest::newRow("program command") << "programCommandStartSourceRadioButton" << "" << QVariant(1);
    QTest::newRow("outer source") << "settingsOuterFRSourceRadioButton" << "" << QVariant(1);
    QTest::newRow("cut") << "cutEventTypeRadioButton" << "" << QVariant(1);
    QTest::newRow("HB1 1,1÷1,9") << "HB1ComboBox" << "1,1÷1,9" << QVariant(4u);
    QTest::newRow("HB2 1,5÷2") << "HB2ComboBox" << "1,5÷2" << QVariant(8u);
    QTest::newRow("HB3 1,55÷1,95") << "HB3ComboBox" << "1,55÷1,95" << QVariant(8u);
    QTest::newRow("kHz") << "modulationDimensionComboBox" << "kHz" << QVariant(1000);
}

void TestSettingsDialogs::itemsStoreTheirValues()
{
    QFETCH(QString, widget);
    QFETCH(QString, item);
    QFETCH(QVariant, stored);
    const Panel &panel = *m_panel;
    QWidget *w = panel.widget<QWidget>(widget);
    if (item.isEmpty()) {
        qobject_cast<QRadioButton *>(w)->setChecked(true);
    } else {
        auto *combo = qobject_cast<QComboBox *>(w);
        QVERIFY(combo->findText(item) >= 0);
        choose(combo, item);
    }
    auto *d = qobject_cast<SettingsDialog *>(w->window());
    press(d, QDialogButtonBox::Apply);
    QCOMPARE(panel.moduleValue(w), stored);
    // Only the 10 V range takes an offset.
    if (widget.startsWith(QLatin1String("range"))) {
        const QString offset = QStringLiteral("offset%1DoubleSpinBox").arg(widget.mid(5, 5));
        QCOMPARE(panel.widget<QWidget>(offset)->isEnabled(), stored.toUInt() == 1);
    }
    // Every value the forms offer is one the module takes.
    panel.widget<QCheckBox>("useQuadratureModulationCheckBox")->setChecked(true);
    panel.widget<QPushButton>("configDWAVPushButton")->click();
    QCOMPARE(indicatorText(panel.window.get()), QStringLiteral("Configured"));
}

void TestSettingsDialogs::rateReadoutsFollowCommonSet()
{
    const Panel &panel = *m_panel;
    auto *speed = panel.widget<QLineEdit>("dataSpeedLineEdit");
    auto *dac = panel.widget<QLineEdit>("samplFreqLineEdit");
    QCOMPARE(speed->text(), QStringLiteral("300"));
    QCOMPARE(dac->text(), QStringLiteral("600"));
    panel.module->setCommonParameter(QStringLiteral("sampleFreq"), 4u);
    QCOMPARE(dac->text(), QStringLiteral("1200"));
    choose(panel.widget<QComboBox>("settingsDataSpeedComboBox"), QStringLiteral("75"));
    QCOMPARE(speed->text(), QStringLiteral("300"));  // pending only
    press(panel.dialog(QStringLiteral("CommonSettingsDialog")), QDialogButtonBox::Apply);
    QCOMPARE(speed->text(), QStringLiteral("75"));
}

void TestSettingsDialogs::quadratureModulationSwitchesDiagram()
{
    const Panel &panel = *m_panel;
    SettingsDialog *d = panel.dialog(QStringLiteral("QuadratureModulationDialog"));
    d->show();
    auto *use = panel.widget<QCheckBox>("useQuadratureModulationCheckBox");
    for (const bool on : {true, false}) {
        use->setChecked(on);
        QCOMPARE(panel.widget<QWidget>("QMGroupBox")->isEnabled(), on);
        QCOMPARE(panel.widget<QWidget>("useQMWarningLabel")->isVisible(), on);
        QCOMPARE(panel.widget<QWidget>("useQMWarningPictureLabel")->isVisible(), on);
        QCOMPARE(panel.module->qmParameter(QStringLiteral("useQM")).toBool(), false);
    }
}

void TestSettingsDialogs::channelEchoEndsAfterOneRound_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("follower");
    QTest::newRow("from the dialog") << "chan1SettingsGroupBox" << "chan1FunctionGeneratorGroupBox";
    QTest::newRow("from the window") << "chan1FunctionGeneratorGroupBox" << "chan1SettingsGroupBox";
}

void TestSettingsDialogs::channelEchoEndsAfterOneRound()
{
    QFETCH(QString, clicked);
    QFETCH(QString, follower);
    const Panel &panel = *m_panel;
    SettingsDialog *d = panel.dialog(QStringLiteral("ChanSettingsDialog"));
    QSignalSpy fromWindow(panel.window.get(), SIGNAL(chan1StateChanged(bool)));
    QSignalSpy fromDialog(d, SIGNAL(chan1StateChanged(bool)));
    QVERIFY(panel.widget<QGroupBox>(follower)->isChecked());

    panel.widget<QGroupBox>(clicked)->setChecked(false);
    QVERIFY(!panel.widget<QGroupBox>(follower)->isChecked());
    QCOMPARE(fromWindow.count(), 1);
    QCOMPARE(fromDialog.count(), 1);
    QCOMPARE(panel.module->chanParameter(0, QStringLiteral("chanState")).toInt(), 0);
    // Cancel reloads the state the window already stored.
    press(d, QDialogButtonBox::Cancel);
    QVERIFY(!panel.widget<QGroupBox>("chan1SettingsGroupBox")->isChecked());
}

void TestSettingsDialogs::lampsFollowTheBench_data()
{
    QTest::addColumn<bool>("sfOutput");
    QTest::addColumn<bool>("readFails");
    QTest::addColumn<bool>("sfLamp");
    QTest::addColumn<bool>("lockLamp");
    QTest::newRow("output off") << false << false << false << true;
    QTest::newRow("output on") << true << false << true << true;
    QTest::newRow("unreadable") << true << true << false << false;
}

void TestSettingsDialogs::lampsFollowTheBench()
{
    QFETCH(bool, sfOutput);
    QFETCH(bool, readFails);
    const Panel &panel = *m_panel;
    panel.widget<QGroupBox>("SFOutputGroupBox")->setChecked(sfOutput);
    if (readFails)
        QVERIFY(Bench::addFault("tvkdwav_config_source_freq_q", 0, int(0xBFFF0015u)));
    panel.widget<QPushButton>("configDWAVPushButton")->click();
    const QImage green =
        CommonWidgetFunctions::svgPixmap(QStringLiteral(":/images/Radio_button_green_1.svg"), QSize(20, 20)).toImage();
    auto lit = [&](const char *lamp) { return panel.widget<QLabel>(lamp)->pixmap(Qt::ReturnByValue).toImage() == green; };
    QTEST(lit("SFStateIndicatorLabel"), "sfLamp");
    QTEST(lit("LockDetectIndicatorLabel"), "lockLamp");
    // A language switch puts the texts in again, not the lamps out.
    panel.dialog(QStringLiteral("CommonSettingsDialog"))->retranslate();
    QTEST(lit("SFStateIndicatorLabel"), "sfLamp");
    QVERIFY(!panel.widget<QLabel>("LockDetectIndicatorLabel")->pixmap(Qt::ReturnByValue).isNull());
}

void TestSettingsDialogs::commandStartNeedsItsSource()
{
    const Panel &panel = *m_panel;
    panel.widget<QPushButton>("configDWAVPushButton")->click();
    auto *start = panel.widget<QPushButton>("programStartPushButton");
    LogCapture log(panel.position);
    start->click();
    QCOMPARE(log.of(LoggerMessageType(2)),
             QStringList{QStringLiteral("Cannot start DWAV by command: To start DWAV by command please check "
                                        "\"Command start\" radio button.")});
    QCOMPARE(countOf("tvkdwav_prog_start"), 0);
    // Checked on screen is enough, applied or not.
    panel.widget<QRadioButton>("programCommandStartSourceRadioButton")->setChecked(true);
    start->click();
    QCOMPARE(countOf("tvkdwav_prog_start"), 1);
}

void TestSettingsDialogs::showButtonsPlaceDialogs()
{
    const Panel &panel = *m_panel;
    MainWindow *w = panel.window.get();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    SettingsDialog *chan = panel.dialog(QStringLiteral("ChanSettingsDialog"));
    const struct { const char *button, *dialog; QPoint at; } cases[] = {
        {"showChanSettingsPushButton", "ChanSettingsDialog", QPoint(w->x() + w->width() + 15, w->y())},
        {"showCommonSettingsPushButton", "CommonSettingsDialog",
         QPoint(w->x() + w->width() + 15, w->y() + chan->height() + 40)},
        {"showQMSettingsPushButton", "QuadratureModulationDialog", QPoint(w->x(), w->y() + w->height() + 40)},
    };
    for (const auto &c : cases) {
        panel.widget<QPushButton>(c.button)->click();
        SettingsDialog *d = panel.dialog(QLatin1String(c.dialog));
        QVERIFY(d->isVisible() && d->isWindow() && !d->isModal());
        QCOMPARE(d->pos(), c.at);
        QVERIFY(d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply)->isDefault());
    }
}

DWAV_TEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
