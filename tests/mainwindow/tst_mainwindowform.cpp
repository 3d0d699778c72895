// The main window's form is the contract between the widget tree and the
// window's code: slots are connected by object name, the binding tags and
// the refresh find widgets by name, and the operator relies on the limits.
// These tests build the form on a real QMainWindow and check that contract,
// and that every picture the panel names is compiled in and drawable.

#include "TestMain.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionSpinBox>
#include <QSvgRenderer>

#include <cmath>
#include <memory>

namespace {

// Records which by-name slots the form connected and fired.
class FormHost : public QMainWindow
{
    Q_OBJECT
public:
    QStringList calls;

private slots:
    void on_configDWAVPushButton_clicked() { calls << "configure"; }
    void on_startDWAVPushButton_clicked() { calls << "start"; }
    void on_showAWGPagePushButton_clicked() { calls << "awgPage"; }
    void on_autoConfigCheckBox_toggled(bool on) { calls << QString("autoConfig %1").arg(on); }
    void on_chan2SignalFormComboBox_currentIndexChanged(int index) { calls << QString("chan2Form %1").arg(index); }
    void on_chan1HarmonicFreqDoubleSpinBox_editingFinished() { calls << "chan1Freq"; }
    void on_chan2FunctionGeneratorGroupBox_toggled(bool on) { calls << QString("chan2Box %1").arg(on); }
    void on_AWGEachPacketRadioButton_toggled(bool on) { calls << QString("eachPacket %1").arg(on); }
    void on_chan1MultilevelPointsTableWidget_cellChanged(int row, int column)
    {
        calls << QString("cell %1 %2").arg(row).arg(column);
    }
};

QString channel2(const QString &name)
{
    QString n = name;
    return n.replace("chan1", "chan2");
}

// Labels whose channel 2 twin is not simply the chan2 spelling of the name.
const char *const kChannelLabels[][2] = {
    {"triangularUupLabel_1", "triangularUupLabel_3"}, {"triangularUupLabel_2", "triangularUupLabel_4"},
    {"triangularTupLabel_1", "triangularTupLabel_2"}, {"triangularUdnLabel_1", "triangularUdnLabel_3"},
    {"triangularUdnLabel_2", "triangularUdnLabel_4"}, {"triangularTdnLabel_1", "triangularTdnLabel_2"},
    {"impulseUupLabel_1", "impulseUupLabel_3"}, {"impulseUupLabel_2", "impulseUupLabel_4"},
    {"impulseTupLabel_1", "impulseTupLabel_2"}, {"impulseTupLabel_3", "impulseTupLabel_4"},
    {"impulseUdnLabel_1", "impulseUdnLabel_3"}, {"impulseUdnLabel_2", "impulseUdnLabel_4"},
    {"impulseTdnLabel_1", "impulseTdnLabel_2"}, {"impulseTdnLabel_3", "impulseTdnLabel_4"},
    {"impulseTLabel", "impulseTLabel_2"}, {"chan1ImpulseDFLabel_1", "impulseDFLabel_3"},
    {"impulseDFLabel_2", "impulseDFLabel_4"}, {"levelSignalLabel_1", "levelSignalLabel_3"},
    {"levelSignalLabel_2", "levelSignalLabel_4"}, {"multilevelLabel_1", "multilevelLabel_3"},
    {"multilevelLabel_2", "multilevelLabel_4"},
};

QString twin(const QString &name)
{
    for (const auto &pair : kChannelLabels) {
        if (name == QLatin1String(pair[0]))
            return QString::fromLatin1(pair[1]);
    }
    return channel2(name);
}

// Every picture any part of the panel names, with the pixel size of the
// bitmaps (SVGs are drawn at whatever size their user asks for).
struct Picture {
    const char *path;
    int width;
    int height;
};
const Picture kPictures[] = {
    {":/images/applications-system.svg", 0, 0},
    {":/images/cutSignalImage.svg", 0, 0},
    {":/images/dialog-error.svg", 0, 0},
    {":/images/dialog-ok.svg", 0, 0},
    {":/images/dialog-warning.svg", 0, 0},
    {":/images/document-open.svg", 0, 0},
    {":/images/document-save-as.svg", 0, 0},
    {":/images/document-save.svg", 0, 0},
    {":/images/edit-clear.svg", 0, 0},
    {":/images/edit-copy.svg", 0, 0},
    {":/images/frontSignalImage.svg", 0, 0},
    {":/images/help-browser.svg", 0, 0},
    {":/images/Oxygen480-actions-system-switch-user.svg", 0, 0},
    {":/images/Pointer_1_2.svg", 0, 0},
    {":/images/Pointer_2_2.svg", 0, 0},
    {":/images/Pointer_3_2.svg", 0, 0},
    {":/images/preferences-desktop-locale.svg", 0, 0},
    {":/images/preferences-desktop-notification.svg", 0, 0},
    {":/images/process-stop.svg", 0, 0},
    {":/images/Radio_button_green_1.svg", 0, 0},
    {":/images/Radio_button_red_1.svg", 0, 0},
    {":/images/Summ_1.svg", 0, 0},
    {":/images/system-log-out.svg", 0, 0},
    {":/images/AWG_pic1.png", 730, 110},
    {":/images/AWG_pic2.png", 417, 90},
    {":/images/darkarrowdown.png", 10, 7},
    {":/images/Draw_1.png", 340, 205},
    {":/images/Draw_2.png", 340, 205},
    {":/images/Draw_3.png", 340, 205},
    {":/images/Draw_4.png", 340, 205},
    {":/images/generator_pic_1.png", 64, 64},
    {":/images/IndustriesIcon_ProcessControl.png", 48, 48},
    {":/images/ViriDidiv-Icon-150x150.png", 150, 150},
    {":/images/crystal/32px/1431631111_clean.png", 32, 32},
    {":/images/crystal/32px/1431631116_Service-Manager.png", 32, 32},
    {":/images/crystal/32px/1431631270_blockdevice.png", 32, 32},
    {":/images/crystal/32px/1431631281_alert.png", 32, 32},
    {":/images/crystal/32px/1431631289_quick_restart.png", 32, 32},
    {":/images/crystal/32px/1431631293_download_manager.png", 32, 32},
    {":/images/crystal/32px/1431631296_logout.png", 32, 32},
    {":/images/crystal/32px/1431631538_folder_documents.png", 32, 32},
    {":/images/crystal/32px/1431631589_folder_red.png", 32, 32},
    {":/images/crystal/32px/1431631709_switchuser.png", 32, 32},
    {":/images/crystal/32px/1431632911_utilities.png", 32, 32},
    {":/images/crystal/32px/1431633418_documentinfo.png", 32, 32},
    {":/images/crystal/32px/1431633526_player_play.png", 32, 32},
    {":/images/crystal/32px/1431633615_player_stop.png", 32, 32},
    {":/images/crystal/32px/1431696674_usbpendrive_mount.png", 32, 32},
    {":/images/crystal/32px/1431696740_usbpendrive_unmount.png", 32, 32},
    {":/images/crystal/32px/Play-1-Disabled-icon-32.png", 32, 32},
    {":/images/crystal/32px/Play-1-Normal-icon-32.png", 32, 32},
    {":/images/crystal/48px/1431694928_kservices.png", 48, 48},
};

// Share of pixels that are not fully transparent: a blank or broken drawing
// renders (almost) nothing.
double coverage(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            opaque += qAlpha(line[x]) > 0 ? 1 : 0;
    }
    return double(opaque) / (argb.width() * argb.height());
}

} // namespace

class TestMainWindowForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormHost> window;
    std::unique_ptr<Ui_MainWindow> form;
    QByteArray formBuiltFor;

    template <typename T>
    T *widget(const QString &name) const
    {
        const QList<T *> found = window->findChildren<T *>(name);
        if (found.size() != 1)
            return nullptr;
        return found.first();
    }

    static void addBothChannels(const char *kind, const QString &name, const QString &caption)
    {
        QTest::newRow(qPrintable(name)) << QString(kind) << name << caption;
        QTest::newRow(qPrintable(twin(name))) << QString(kind) << twin(name) << caption;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(images);
    }

    // Each test function gets a form of its own. The data rows of one
    // function each look at their own widgets, so they share it, except the
    // exclusivity rows, which look across all radio buttons.
    void init()
    {
        const QByteArray function = QTest::currentTestFunction();
        if (window && function == formBuiltFor && function != "awgChoicesAreExclusive")
            return;
        form.reset();
        window.reset(new FormHost);
        form.reset(new Ui_MainWindow);
        form->setupUi(window.get());
        formBuiltFor = function;
    }

    void cleanupTestCase()
    {
        form.reset();
        window.reset();
    }

    void windowFrame()
    {
        QCOMPARE(window->objectName(), QString("MainWindow"));
        QCOMPARE(window->size(), QSize(1015, 600));
        QCOMPARE(window->minimumSize(), QSize(1015, 600));
        QCOMPARE(window->maximumSize(), QSize(1015, 16777215));
        QCOMPARE(window->windowTitle(), QString("MainWindow"));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->centralWidget(), form->centralWidget);
        QCOMPARE(window->menuBar(), form->menuBar);
        QCOMPARE(window->statusBar(), form->statusBar);
        QVERIFY(form->menuBar->actions().isEmpty());
        // 10 points as seen at 96 DPI, in pixels so that it does not grow
        // with the screen's DPI.
        QCOMPARE(form->centralWidget->font().pixelSize(), 13);
        QCOMPARE(window->dockOptions(), QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

        const QStringList actions = {"actionLoad_panel_settings", "actionSave_panel_settings", "actionSave_as"};
        const QStringList texts = {"Load", "Save", "Save as"};
        for (int i = 0; i < actions.size(); ++i) {
            auto *action = window->findChild<QAction *>(actions.at(i));
            QVERIFY2(action, qPrintable(actions.at(i)));
            QCOMPARE(action->parent(), window.get());
            QCOMPARE(action->text(), texts.at(i));
        }
    }

    // Every widget the window's code, its slots or the binding reach by name
    // exists exactly once, with the kind the code casts it to and its caption.
    void objectNamesAndCaptions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");

        const struct { const char *kind; const char *name; const char *caption; } single[] = {
            {"QFrame", "signalTypeFrame", nullptr},
            {"QPushButton", "showAFGPagePushButton", "Function generator"},
            {"QPushButton", "showAWGPagePushButton", "AWG"},
            {"QFrame", "line_3", nullptr},
            {"QStackedWidget", "signalTypeStackedWidget", nullptr},
            {"QWidget", "AFGPage", nullptr},
            {"QWidget", "AWGPage", nullptr},
            {"QPushButton", "showChanSettingsPushButton", "Channel settings"},
            {"QPushButton", "showCommonSettingsPushButton", "Synchronization settings"},
            {"QFrame", "line", nullptr},
            {"QPushButton", "showQMSettingsPushButton", "Modulator settings"},
            {"QFrame", "controlMenuFrame", nullptr},
            {"QPushButton", "resetDWAVPushButton", "Reset"},
            {"QPushButton", "configDWAVPushButton", "Configure"},
            {"QGroupBox", "configOptionsGroupBox", "Config options"},
            {"QCheckBox", "queryConfigParametersCheckBox", "Query config parameters"},
            {"QCheckBox", "autoConfigCheckBox", "Auto config"},
            {"QPushButton", "startDWAVPushButton", "Start"},
            {"QGroupBox", "AWGChooseChannelsGroupBox", "Choose channels"},
            {"QRadioButton", "AWGBothChansRadioButton", "Both channels"},
            {"QRadioButton", "AWGChan1RadioButton", "Channel 1/I"},
            {"QRadioButton", "AWGChan2RadioButton", "Channel 2/Q"},
            {"QGroupBox", "AWGWorkWithFilesGroupBox", "Generate from file"},
            {"QPushButton", "AWGOpenLoadingFilePushButton", ""},
            {"QLineEdit", "AWGLoadingFilePathLineEdit", ""},
            {"QPushButton", "AWGSwitchFilesPushButton", ""},
            {"QLineEdit", "AWGSavingFilePathLineEdit", ""},
            {"QPushButton", "AWGOpenSavingFilePushButton", ""},
            {"QPushButton", "AWGLoadFromFilePushButton", "Load from file to AWG"},
            {"QPushButton", "AWGSaveToFilePushButton", "Save from AWG to file"},
            {"QPushButton", "AWGCompareFilesPushButton", "Compare files"},
            {"QGroupBox", "AWGDataFormatGroupBox", "Data format"},
            {"QRadioButton", "AWGDataFormatDoubleRadioButton", "Double"},
            {"QRadioButton", "AWGDataFormatUInt16RadioButton", "UInt16"},
            {"QGroupBox", "AWGAmountGroupBox", "Amount"},
            {"QLabel", "AWGLabel_3", "Samples N"},
            {"QSpinBox", "AWGNumSamplesSpinBox", nullptr},
            {"QLabel", "AWGLabel_1", "Cycles C"},
            {"QSpinBox", "AWGNumCyclesSpinBox", nullptr},
            {"QLabel", "AWGLabel_2", "Packets P"},
            {"QSpinBox", "AWGNumPackagesSpinBox", nullptr},
            {"QGroupBox", "AWGOutputModeGroupBox", "Output mode"},
            {"QRadioButton", "AWGCircularModeRadioButton", "Circular"},
            {"QRadioButton", "AWGContinuousModeRadioButton", "Continuous"},
            {"QGroupBox", "AWGStartModeGroupBox", "Start mode"},
            {"QRadioButton", "AWGWholeSequenceRadioButton", "On whole sequence"},
            {"QRadioButton", "AWGEachPacketRadioButton", "On each packet"},
            {"QLabel", "AWGpic1_label", ""},
            {"QLabel", "AWGpic2_label", ""},
        };
        for (const auto &row : single)
            QTest::newRow(row.name) << QString(row.kind) << QString(row.name)
                                    << (row.caption ? QString::fromUtf8(row.caption) : QString());

        const struct { const char *kind; const char *name; const char *caption; } perChannel[] = {
            {"QGroupBox", "chan1FunctionGeneratorGroupBox", nullptr},
            {"QLabel", "chan1SignalFormLabel", "Signal form"},
            {"QComboBox", "chan1SignalFormComboBox", nullptr},
            {"QStackedWidget", "chan1FGStackedWidget", nullptr},
            {"QWidget", "chan1HarmonicPage", nullptr},
            {"QWidget", "chan1TriangularPage", nullptr},
            {"QWidget", "chan1ImpulsePage", nullptr},
            {"QWidget", "chan1LevelPage", nullptr},
            {"QWidget", "chan1MultilevelPage", nullptr},
            {"QFrame", "chan1HarmonicSignalFrame", nullptr},
            {"QLabel", "chan1HarmonicAmplLabel", "Amplitude, V"},
            {"QDoubleSpinBox", "chan1HarmonicAmplDoubleSpinBox", nullptr},
            {"QLabel", "chan1HarmonicFreqLabel", "Frequency"},
            {"QDoubleSpinBox", "chan1HarmonicFreqDoubleSpinBox", nullptr},
            {"QComboBox", "chan1HarmonicFreqDimComboBox", nullptr},
            {"QLabel", "chan1HarmonicPhaseLabel", "Phase, grad"},
            {"QDoubleSpinBox", "chan1HarmonicPhaseDoubleSpinBox", nullptr},
            {"QGroupBox", "chan1LevelLimitsGroupBox", "Level limits, V"},
            {"QDoubleSpinBox", "chan1LowerBoundDoubleSpinBox", nullptr},
            {"QDoubleSpinBox", "chan1UpperBoundDoubleSpinBox", nullptr},
            {"QDoubleSpinBox", "chan1OffsetDoubleSpinBox", nullptr},
            {"QLabel", "chan1LowerBoundLabel", "Lower"},
            {"QLabel", "chan1UpperBoundLabel", "Upper"},
            {"QLabel", "chan1OffsetLabel", "Offset"},
            {"QGroupBox", "chan1HarmonicModulGroupBox", "Modulation"},
            {"QLabel", "chan1HarmonicModulTypeLabel", "Type"},
            {"QComboBox", "chan1HarmonicModulTypeComboBox", nullptr},
            {"QStackedWidget", "chan1HarmonicModulationStackedWidget", nullptr},
            {"QLabel", "chan1HarmonicModulFreqLabel", "Modulation frequency"},
            {"QDoubleSpinBox", "chan1HarmonicModulFreqDoubleSpinBox", nullptr},
            {"QComboBox", "chan1HarmonicModulFreqDimComboBox", nullptr},
            {"QWidget", "chan1AMModulPage", nullptr},
            {"QLabel", "chan1HarmonicModulAMLabel", "Index modulation, %"},
            {"QSpinBox", "chan1HarmonicModulIndexSpinBox", nullptr},
            {"QWidget", "chan1CMModulPage", nullptr},
            {"QComboBox", "chan1HarmonicFreqDevDimComboBox", nullptr},
            {"QDoubleSpinBox", "chan1HarmonicFreqDevDoubleSpinBox", nullptr},
            {"QLabel", "chan1HarmonicModulCMLabel", "Freq. deviation"},
            {"QWidget", "chan1FMModulPage", nullptr},
            {"QLabel", "chan1HarmonicModulFMLabel", "Phase deviation, °"},
            {"QDoubleSpinBox", "chan1HarmonicPhaseDevDoubleSpinBox", nullptr},
            {"QFrame", "chan1TriangularSignalFrame", nullptr},
            {"QLabel", "triangularUupLabel_1", "Upper bound, Uup"},
            {"QDoubleSpinBox", "chan1TriangularUupDoubleSpinBox", nullptr},
            {"QLabel", "triangularUupLabel_2", "V"},
            {"QLabel", "triangularTupLabel_1", "Rise time, Tup"},
            {"QDoubleSpinBox", "chan1TriangularTupDoubleSpinBox", nullptr},
            {"QLabel", "triangularUdnLabel_1", "Lower bound, Udn"},
            {"QDoubleSpinBox", "chan1TriangularUdnDoubleSpinBox", nullptr},
            {"QLabel", "triangularTdnLabel_1", "Fall time, Tdn"},
            {"QDoubleSpinBox", "chan1TriangularTdnDoubleSpinBox", nullptr},
            {"QLabel", "triangularUdnLabel_2", "V"},
            {"QComboBox", "chan1TriangularTdnComboBox", nullptr},
            {"QComboBox", "chan1TriangularTupComboBox", nullptr},
            {"QFrame", "chan1ImpulseSignalFrame", nullptr},
            {"QDoubleSpinBox", "chan1ImpulseTDoubleSpinBox", nullptr},
            {"QLabel", "impulseDFLabel_2", "%"},
            {"QLabel", "chan1ImpulseDFLabel_1", "Duty factor"},
            {"QLabel", "impulseTdnLabel_3", "%"},
            {"QLabel", "impulseTupLabel_3", "%"},
            {"QDoubleSpinBox", "chan1ImpulseUupDoubleSpinBox", nullptr},
            {"QLabel", "impulseUupLabel_1", "Upper bound, Uup"},
            {"QLabel", "impulseUupLabel_2", "V"},
            {"QLabel", "impulseTupLabel_1", "Rise coefficient, Tup"},
            {"QDoubleSpinBox", "chan1ImpulseTupDoubleSpinBox", nullptr},
            {"QLabel", "impulseUdnLabel_1", "Lower bound, Udn"},
            {"QDoubleSpinBox", "chan1ImpulseUdnDoubleSpinBox", nullptr},
            {"QLabel", "impulseUdnLabel_2", "V"},
            {"QLabel", "impulseTdnLabel_1", "Fall coefficient, Tdn"},
            {"QDoubleSpinBox", "chan1ImpulseTdnDoubleSpinBox", nullptr},
            {"QLabel", "impulseTLabel", "Period, T"},
            {"QComboBox", "chan1ImpulseTComboBox", nullptr},
            {"QDoubleSpinBox", "chan1ImpulseDFDoubleSpinBox", nullptr},
            {"QFrame", "chan1LevelSignalFrame", nullptr},
            {"QLabel", "levelSignalLabel_1", "Level, Uup"},
            {"QDoubleSpinBox", "chan1LevelSignalDoubleSpinBox", nullptr},
            {"QLabel", "levelSignalLabel_2", "V"},
            {"QFrame", "chan1MutilevelSignalFrame", nullptr},
            {"QPushButton", "chan1LoadAFGPointsPushButton", "Load points"},
            {"QPushButton", "chan1SaveAFGPointsPushButton", "Save points"},
            {"QLabel", "multilevelLabel_1", "Points count (n)"},
            {"QSpinBox", "chan1MultilevelNPointsSpinBox", nullptr},
            {"QLabel", "multilevelLabel_2", "Period T, ns"},
            {"QDoubleSpinBox", "chan1MultilevelTDoubleSpinBox", nullptr},
            {"QTableWidget", "chan1MultilevelPointsTableWidget", nullptr},
        };
        for (const auto &row : perChannel)
            addBothChannels(row.kind, QString(row.name), row.caption ? QString::fromUtf8(row.caption) : QString());
        QTest::newRow("chan1 box title") << "QGroupBox" << "chan1FunctionGeneratorGroupBox" << "Channel 1";
        QTest::newRow("chan2 box title") << "QGroupBox" << "chan2FunctionGeneratorGroupBox" << "Channel 2";
    }

    void objectNamesAndCaptions()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, caption);

        const QList<QWidget *> found = window->findChildren<QWidget *>(name);
        QVERIFY2(found.size() == 1, qPrintable(QString("%1 found %2 times").arg(name).arg(found.size())));
        QWidget *w = found.first();
        QVERIFY2(w->inherits(qPrintable(kind)), qPrintable(QString("%1 is a %2").arg(name, w->metaObject()->className())));
        if (kind == "QFrame" && name.startsWith("line"))
            QCOMPARE(static_cast<QFrame *>(w)->frameShape(), QFrame::HLine);
        if (caption.isNull())
            return;
        if (auto *label = qobject_cast<QLabel *>(w))
            QCOMPARE(label->text(), caption);
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            QCOMPARE(button->text(), caption);
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            QCOMPARE(box->title(), caption);
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            QCOMPARE(edit->text(), caption);
        else
            QFAIL("caption given for a widget without a text");
    }

    void doubleSpinBoxLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("initial");

        const double none = qQNaN();
        const struct { const char *name; double min, max; int decimals; double step, initial; } rows[] = {
            {"chan1HarmonicAmplDoubleSpinBox", 0, 10, 6, 0.001, none},
            {"chan1HarmonicFreqDoubleSpinBox", 0.06986, 150000000, 9, 1, 0.06986},
            {"chan1HarmonicPhaseDoubleSpinBox", 0, 360, 3, 1, none},
            {"chan1LowerBoundDoubleSpinBox", -10, 10, 5, 0.001, none},
            {"chan1UpperBoundDoubleSpinBox", -10, 10, 5, 0.001, none},
            {"chan1OffsetDoubleSpinBox", -10, 10, 5, 0.001, none},
            {"chan1HarmonicModulFreqDoubleSpinBox", 0, 2000000, 5, 1, none},
            {"chan1HarmonicFreqDevDoubleSpinBox", 0, 75000000, 6, 1, 0},
            {"chan1HarmonicPhaseDevDoubleSpinBox", 0, 360, 5, 1, none},
            {"chan1TriangularUupDoubleSpinBox", -10, 10, 5, 0.001, none},
            {"chan1TriangularTupDoubleSpinBox", 0, 1000000, 5, 1, none},
            {"chan1TriangularUdnDoubleSpinBox", -10, 10, 5, 0.001, none},
            {"chan1TriangularTdnDoubleSpinBox", 0, 1000000, 5, 1, none},
            {"chan1ImpulseTDoubleSpinBox", 0, 1000000, 5, 1, none},
            {"chan1ImpulseUupDoubleSpinBox", -10, 10, 5, 0.001, none},
            {"chan1ImpulseTupDoubleSpinBox", 0, 50, 5, 1, none},
            {"chan1ImpulseUdnDoubleSpinBox", -10, 10, 5, 0.001, none},
            {"chan1ImpulseTdnDoubleSpinBox", 0, 50, 5, 1, none},
            {"chan1ImpulseDFDoubleSpinBox", 0, 99.99, 2, 1, none},
            {"chan1LevelSignalDoubleSpinBox", -10, 10, 6, 0.001, none},
            {"chan1MultilevelTDoubleSpinBox", 1, 1000000, 6, 1, none},
        };
        for (const auto &r : rows) {
            for (const QString &name : {QString(r.name), channel2(r.name)})
                QTest::newRow(qPrintable(name)) << name << r.min << r.max << r.decimals << r.step << r.initial;
        }
    }

    void doubleSpinBoxLimits()
    {
        QFETCH(QString, name);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(int, decimals);
        QFETCH(double, step);
        QFETCH(double, initial);

        auto *box = widget<QDoubleSpinBox>(name);
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->decimals(), decimals);
        QCOMPARE(box->minimum(), minimum);
        QCOMPARE(box->maximum(), maximum);
        QCOMPARE(box->singleStep(), step);
        QVERIFY(box->prefix().isEmpty() && box->suffix().isEmpty());
        if (!std::isnan(initial))
            QCOMPARE(box->value(), initial);

        // The operator cannot go past the limits, by typing or by stepping.
        box->setValue(maximum + 1000);
        QCOMPARE(box->value(), maximum);
        box->stepBy(1);
        QCOMPARE(box->value(), maximum);
        box->setValue(minimum - 1000);
        QCOMPARE(box->value(), minimum);
        box->stepBy(-1);
        QCOMPARE(box->value(), minimum);
        box->stepBy(1);
        QCOMPARE(box->value(), minimum + step);
    }

    void spinBoxLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("step");

        QTest::newRow("chan1 modulation index") << "chan1HarmonicModulIndexSpinBox" << 0 << 100 << 1;
        QTest::newRow("chan2 modulation index") << "chan2HarmonicModulIndexSpinBox" << 0 << 100 << 1;
        QTest::newRow("chan1 point count") << "chan1MultilevelNPointsSpinBox" << 0 << 99 << 1;
        QTest::newRow("chan2 point count") << "chan2MultilevelNPointsSpinBox" << 0 << 99 << 1;
        QTest::newRow("samples") << "AWGNumSamplesSpinBox" << 8 << 50000000 << 8;
        QTest::newRow("cycles") << "AWGNumCyclesSpinBox" << 1 << 65535 << 1;
        QTest::newRow("packets") << "AWGNumPackagesSpinBox" << 1 << 8192 << 1;
    }

    void spinBoxLimits()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, step);

        auto *box = widget<QSpinBox>(name);
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->minimum(), minimum);
        QCOMPARE(box->maximum(), maximum);
        QCOMPARE(box->singleStep(), step);
        QCOMPARE(box->value(), minimum);

        box->stepBy(-1);
        QCOMPARE(box->value(), minimum);
        box->stepBy(1);
        QCOMPARE(box->value(), minimum + step);
        box->setValue(maximum);
        box->stepBy(1);
        QCOMPARE(box->value(), maximum);
        box->setValue(maximum + 1);
        QCOMPARE(box->value(), maximum);
        box->setValue(minimum - 1);
        QCOMPARE(box->value(), minimum);
    }

    void samplesDoNotAccelerate()
    {
        QVERIFY(!form->AWGNumSamplesSpinBox->isAccelerated());
    }

    void stackedPages_data()
    {
        QTest::addColumn<QString>("stack");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<int>("current");

        QTest::newRow("signal type") << "signalTypeStackedWidget" << QStringList{"AFGPage", "AWGPage"} << 0;
        for (const QString ch : {"chan1", "chan2"}) {
            QStringList forms;
            for (const char *page : {"HarmonicPage", "TriangularPage", "ImpulsePage", "LevelPage", "MultilevelPage"})
                forms << ch + page;
            QTest::newRow(qPrintable(ch + " signal forms")) << ch + "FGStackedWidget" << forms << 0;
            QStringList modulations;
            for (const char *page : {"AMModulPage", "CMModulPage", "FMModulPage"})
                modulations << ch + page;
            QTest::newRow(qPrintable(ch + " modulations")) << ch + "HarmonicModulationStackedWidget" << modulations
                                                        << (ch == "chan1" ? 2 : 0);
        }
    }

    void stackedPages()
    {
        QFETCH(QString, stack);
        QFETCH(QStringList, pages);
        QFETCH(int, current);

        auto *stacked = widget<QStackedWidget>(stack);
        QVERIFY2(stacked, qPrintable(stack));
        QCOMPARE(stacked->count(), pages.size());
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(stacked->widget(i)->objectName(), pages.at(i));
        QCOMPARE(stacked->currentIndex(), current);
    }

    // The channel boxes and option boxes: what the window's slots and the
    // binding expect to be able to toggle, and what must never toggle.
    void groupBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<bool>("flat");

        for (const QString ch : {"chan1", "chan2"}) {
            QTest::newRow(qPrintable(ch + " box")) << ch + "FunctionGeneratorGroupBox" << true << true;
            QTest::newRow(qPrintable(ch + " limits")) << ch + "LevelLimitsGroupBox" << true << true;
            QTest::newRow(qPrintable(ch + " modulation")) << ch + "HarmonicModulGroupBox" << false << true;
        }
        QTest::newRow("options") << "configOptionsGroupBox" << false << false;
    }

    void groupBoxes()
    {
        QFETCH(QString, name);
        QFETCH(bool, checkable);
        QFETCH(bool, flat);

        auto *box = widget<QGroupBox>(name);
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->isCheckable(), checkable);
        QCOMPARE(box->isFlat(), flat);
        QSignalSpy toggled(box, &QGroupBox::toggled);
        box->setChecked(!box->isChecked());
        QCOMPARE(toggled.count(), checkable ? 1 : 0);
    }

    void channelBoxes()
    {
        for (QGroupBox *box : {form->chan1FunctionGeneratorGroupBox, form->chan2FunctionGeneratorGroupBox}) {
            QCOMPARE(box->alignment(), Qt::Alignment(Qt::AlignCenter));
            QCOMPARE(box->minimumSize(), QSize(370, 400));
            QCOMPARE(box->maximumWidth(), 370);
        }
        auto *grid = qobject_cast<QGridLayout *>(form->AFGPage->layout());
        QVERIFY(grid);
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(form->chan1FunctionGeneratorGroupBox), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(column, row), QPoint(0, 0));
        grid->getItemPosition(grid->indexOf(form->chan2FunctionGeneratorGroupBox), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(column, row), QPoint(1, 0));
    }

    void commandButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("iconSize");
        QTest::addColumn<bool>("hasIcon");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<bool>("flat");

        QTest::newRow("AFG page") << "showAFGPagePushButton" << QSize(160, 35) << QSize(20, 20) << false << true << true;
        QTest::newRow("AWG page") << "showAWGPagePushButton" << QSize(160, 35) << QSize(20, 20) << false << true << true;
        for (const char *name : {"showChanSettingsPushButton", "showCommonSettingsPushButton", "showQMSettingsPushButton"})
            QTest::newRow(name) << name << QSize(210, 55) << QSize(32, 32) << true << false << false;
        for (const char *name : {"resetDWAVPushButton", "configDWAVPushButton", "startDWAVPushButton"})
            QTest::newRow(name) << name << QSize(210, 55) << QSize(30, 30) << true << false << false;
    }

    void commandButtons()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QSize, iconSize);
        QFETCH(bool, hasIcon);
        QFETCH(bool, checkable);
        QFETCH(bool, flat);

        auto *button = widget<QPushButton>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->minimumSize(), size);
        QCOMPARE(button->maximumSize(), size);
        QCOMPARE(button->iconSize(), iconSize);
        QCOMPARE(!button->icon().isNull(), hasIcon);
        if (hasIcon)
            QVERIFY(!button->icon().pixmap(iconSize).isNull());
        QCOMPARE(button->isCheckable(), checkable);
        QCOMPARE(button->isFlat(), flat);
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("height");

        for (const char *name : {"triangularPictureLabel_1", "triangularPictureLabel_2", "impulsePictureLabel_1",
                                 "impulsePictureLabel_2", "levelPictureLabel_1", "levelPictureLabel_2",
                                 "multilevelPictureLabel_1", "multilevelPictureLabel_2"})
            QTest::newRow(name) << name << 205;
        QTest::newRow("AWG sequence") << "AWGpic1_label" << 110;
        QTest::newRow("AWG cycle") << "AWGpic2_label" << 90;
    }

    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(int, height);

        auto *label = widget<QLabel>(name);
        QVERIFY2(label, qPrintable(name));
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
#else
        QVERIFY(label->pixmap() && !label->pixmap()->isNull());
#endif
        QVERIFY(label->hasScaledContents());
        QCOMPARE(label->minimumHeight(), height);
        QCOMPARE(label->maximumHeight(), height);
    }

    // The file row of the AWG page has no layout; its parts sit where the
    // form puts them.
    void awgFileRowPlacement_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("hasIcon");

        QTest::newRow("open loading") << "AWGOpenLoadingFilePushButton" << QRect(10, 23, 41, 31)
                                      << "Choose AWG data file to load" << true;
        QTest::newRow("loading path") << "AWGLoadingFilePathLineEdit" << QRect(60, 29, 181, 21) << QString() << false;
        QTest::newRow("switch") << "AWGSwitchFilesPushButton" << QRect(250, 22, 61, 31) << "Switch paths" << true;
        QTest::newRow("saving path") << "AWGSavingFilePathLineEdit" << QRect(320, 29, 181, 21) << QString() << false;
        QTest::newRow("open saving") << "AWGOpenSavingFilePushButton" << QRect(510, 23, 41, 31)
                                     << "Specify file to save AWG settings" << true;
        QTest::newRow("load") << "AWGLoadFromFilePushButton" << QRect(50, 60, 151, 31) << QString() << false;
        QTest::newRow("save") << "AWGSaveToFilePushButton" << QRect(350, 60, 151, 31) << QString() << false;
        QTest::newRow("compare") << "AWGCompareFilesPushButton" << QRect(215, 60, 121, 31) << QString() << false;
        QTest::newRow("format") << "AWGDataFormatGroupBox" << QRect(140, 100, 281, 41) << QString() << false;
        QTest::newRow("double") << "AWGDataFormatDoubleRadioButton" << QRect(30, 20, 82, 17) << QString() << false;
        QTest::newRow("uint16") << "AWGDataFormatUInt16RadioButton" << QRect(180, 20, 82, 17) << QString() << false;
    }

    void awgFileRowPlacement()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, toolTip);
        QFETCH(bool, hasIcon);

        QWidget *w = widget<QWidget>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->toolTip(), toolTip);
        if (auto *button = qobject_cast<QPushButton *>(w))
            QCOMPARE(!button->icon().isNull(), hasIcon);
    }

    // Each pair or trio of AWG radio buttons must be one exclusive choice:
    // the refresh checks one button and relies on its partners clearing.
    void awgChoicesAreExclusive_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("channels") << QStringList{"AWGBothChansRadioButton", "AWGChan1RadioButton", "AWGChan2RadioButton"};
        QTest::newRow("output mode") << QStringList{"AWGCircularModeRadioButton", "AWGContinuousModeRadioButton"};
        QTest::newRow("start mode") << QStringList{"AWGWholeSequenceRadioButton", "AWGEachPacketRadioButton"};
        QTest::newRow("data format") << QStringList{"AWGDataFormatDoubleRadioButton", "AWGDataFormatUInt16RadioButton"};
    }

    void awgChoicesAreExclusive()
    {
        QFETCH(QStringList, buttons);

        QList<QRadioButton *> radios;
        for (const QString &name : buttons) {
            auto *radio = widget<QRadioButton>(name);
            QVERIFY2(radio, qPrintable(name));
            QVERIFY(!radio->isChecked());
            radios << radio;
        }
        for (QRadioButton *chosen : radios) {
            chosen->setChecked(true);
            for (QRadioButton *other : radios)
                QCOMPARE(other->isChecked(), other == chosen);
        }
        // Other groups are not touched by a choice in this one.
        int checkedElsewhere = 0;
        for (QRadioButton *radio : window->findChildren<QRadioButton *>())
            checkedElsewhere += (radio->isChecked() && !radios.contains(radio)) ? 1 : 0;
        QCOMPARE(checkedElsewhere, 0);
    }

    // Slots named after the form's widgets are connected when the form is
    // built, so a misspelt name would silently leave a control dead.
    void slotsConnectByName()
    {
        form->configDWAVPushButton->click();
        form->startDWAVPushButton->click();
        form->showAWGPagePushButton->click();
        form->autoConfigCheckBox->setChecked(true);
        form->chan2SignalFormComboBox->addItems({"a", "b"});
        form->chan2SignalFormComboBox->setCurrentIndex(1);
        emit form->chan1HarmonicFreqDoubleSpinBox->editingFinished();
        form->chan2FunctionGeneratorGroupBox->setChecked(false);
        form->AWGEachPacketRadioButton->setChecked(true);
        form->chan1MultilevelPointsTableWidget->setColumnCount(1);
        form->chan1MultilevelPointsTableWidget->setRowCount(2);
        form->chan1MultilevelPointsTableWidget->setItem(1, 0, new QTableWidgetItem("1.5"));

        const QStringList expected = {"configure", "start", "awgPage", "autoConfig 1", "chan2Form 0", "chan2Form 1",
                                      "chan1Freq", "chan2Box 0", "eachPacket 1", "cell 1 0"};
        QCOMPARE(window->calls, expected);
    }

    // The language switch runs the caption operation again; it must restore
    // every caption and leave the pages and values alone.
    void retranslationRestoresCaptions()
    {
        form->chan1HarmonicAmplLabel->setText("x");
        form->AWGSwitchFilesPushButton->setToolTip("x");
        form->chan2FunctionGeneratorGroupBox->setTitle("x");
        form->signalTypeStackedWidget->setCurrentIndex(1);
        form->chan1FGStackedWidget->setCurrentIndex(3);
        form->AWGNumSamplesSpinBox->setValue(800);

        form->retranslateUi(window.get());

        QCOMPARE(form->chan1HarmonicAmplLabel->text(), QString("Amplitude, V"));
        QCOMPARE(form->AWGSwitchFilesPushButton->toolTip(), QString("Switch paths"));
        QCOMPARE(form->chan2FunctionGeneratorGroupBox->title(), QString("Channel 2"));
        QCOMPARE(form->signalTypeStackedWidget->currentIndex(), 1);
        QCOMPARE(form->chan1FGStackedWidget->currentIndex(), 3);
        QCOMPARE(form->AWGNumSamplesSpinBox->value(), 800);
    }

    // The form leaves filling to the window: no items, no table columns, no
    // dynamic properties of its own.
    void formLeavesContentsToTheWindow()
    {
        for (QComboBox *combo : window->findChildren<QComboBox *>())
            QVERIFY2(combo->count() == 0, qPrintable(combo->objectName()));
        for (QTableWidget *table : window->findChildren<QTableWidget *>()) {
            QCOMPARE(table->columnCount(), 0);
            QCOMPARE(table->rowCount(), 0);
        }
        for (QWidget *w : window->findChildren<QWidget *>()) {
            for (const QByteArray &property : w->dynamicPropertyNames())
                QVERIFY2(!property.startsWith("DWAV_"), qPrintable(w->objectName() + ": " + property));
        }
    }

    // Every image the style sheet points at must be compiled in, or the
    // arrows of combo boxes and menu buttons vanish without a word.
    void styleSheetImagesResolve()
    {
        const QString sheet = window->styleSheet();
        QVERIFY(!sheet.isEmpty());
        QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
        int count = 0;
        for (auto it = url.globalMatch(sheet); it.hasNext(); ++count) {
            const QString path = it.next().captured(1).trimmed();
            QVERIFY2(!QPixmap(path).isNull(), qPrintable(path));
        }
        QVERIFY(count >= 2);
        // The sheet parses: a spin box takes it, and its step buttons are
        // hidden.
        window->ensurePolished();
        QDoubleSpinBox *box = form->chan1HarmonicAmplDoubleSpinBox;
        box->ensurePolished();
        QStyleOptionSpinBox option;
        option.initFrom(box);
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxEditField;
        option.frame = true;
        option.rect = box->rect();
        const QRect up = box->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, box);
        QVERIFY2(up.width() <= 1 || up.height() <= 1, qPrintable(QString("up button %1x%2").arg(up.width()).arg(up.height())));
    }

    void resourcesLoad_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const Picture &p : kPictures)
            QTest::newRow(p.path) << QString(p.path) << QSize(p.width, p.height);
    }

    void resourcesLoad()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);

        QVERIFY2(QFile::exists(path), qPrintable(path));
        QImage drawn;
        if (path.endsWith(".svg")) {
            QSvgRenderer renderer(path);
            QVERIFY(renderer.isValid());
            // The status bar and the lamps draw these at 20 x 20.
            drawn = QImage(20, 20, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            renderer.render(&painter);
        } else {
            drawn = QImage(path);
            QCOMPARE(drawn.size(), size);
        }
        QVERIFY(!drawn.isNull());
        const double covered = coverage(drawn);
        QVERIFY2(covered > 0.05, qPrintable(QString("%1 covers %2").arg(path).arg(covered)));
        // Forms load them as plain pixmaps and icons as well.
        QVERIFY(!QPixmap(path).isNull());
        QVERIFY(!QIcon(path).pixmap(16, 16).isNull());
    }

    // Nothing is compiled in that nobody names, and nothing named is missing.
    void resourceListIsExact()
    {
        QStringList expected;
        for (const Picture &p : kPictures)
            expected << QString(p.path);
        QStringList present;
        QDirIterator it(":/images", QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            present << it.next();
        expected.sort();
        present.sort();
        QCOMPARE(present, expected);
    }
};

DWAV_TEST_MAIN(TestMainWindowForm)

#include "tst_mainwindowform.moc"
