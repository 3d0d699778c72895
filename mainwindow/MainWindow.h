#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class ChanSettingsDialog;
class CommonSettingsDialog;
class CalibrationDialog;
class DWAVModule;
class QAction;
class QuadratureModulationDialog;
class SettingsDialog;
struct AwgFileHeader;
class QPoint;
class QCloseEvent;
class QFileDialog;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
class QTimer;
class ServiceDialog;
class QTranslator;

namespace Ui {
class MainWindow;
}

// The soft front panel of one module position. The window is given its
// module and never owns it; destroying the window closes the module's
// driver session.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(DWAVModule *module, QWidget *parent = nullptr);
    ~MainWindow() override;
    // Resets the module, pauses for it, stops and closes its driver session,
    // ignoring the results; touches no widget. The destructor does it, and
    // the application alone when the QApplication is gone before the window.
    void releaseModule();

    // State indicator of the status bar: code picks the icon (0 to 12).
    // What a command shows there; a failure (code 9) stays in view until
    // the next command or a change of the generation state. Code 9 also
    // shows the last error the module set since the window last looked.
    void setStateIcon(unsigned code, const QString &text);
    // 0 idle "Start", 1 generating "Stop", 2 waiting for a command,
    // 3 delay running; the property decides what a press does.
    void setStartButtonState(int code);
    int startGeneration();
    int stopGeneration();
    // Start by command, asked for by the synchronisation settings.
    int programStart();
    // Brings every bound widget back in line with the module; false when a
    // points file named by the loaded panel settings could not be read.
    bool updateWidgets(bool setSpinBoxMinimum, bool withPanelSettings);
    // Fills the AFG page's selectors and sets up its point tables with the
    // bound widgets locked, so filling never reaches the module nor starts a
    // configuration; run again after a language switch.
    void initComboBoxes();
    // Saves the panel settings; the path is remembered once it can be written.
    void saveSettingsToFile(const QString &path);

signals:
    void chan1StateChanged(bool state);
    void chan2StateChanged(bool state);
    void panelClosed();

public slots:
    void on_chan1StateChanged(bool state);
    void on_chan2StateChanged(bool state);
    void on_performConfig();

private slots:
    // AFG page: signal forms, modulation, units and values (MainWindowAFG.cpp).
    void on_chan1SignalFormComboBox_currentIndexChanged(int index);
    void on_chan2SignalFormComboBox_currentIndexChanged(int index);
    void on_chan1HarmonicModulTypeComboBox_currentIndexChanged(int index);
    void on_chan2HarmonicModulTypeComboBox_currentIndexChanged(int index);
    void on_chan1HarmonicAmplDoubleSpinBox_editingFinished();
    void on_chan1HarmonicFreqDoubleSpinBox_editingFinished();
    void on_chan1HarmonicFreqDimComboBox_currentIndexChanged(int index);
    void on_chan1HarmonicPhaseDoubleSpinBox_editingFinished();
    void on_chan1LevelLimitsGroupBox_toggled(bool state);
    void on_chan1UpperBoundDoubleSpinBox_editingFinished();
    void on_chan1LowerBoundDoubleSpinBox_editingFinished();
    void on_chan1OffsetDoubleSpinBox_editingFinished();
    void on_chan1HarmonicModulFreqDoubleSpinBox_editingFinished();
    void on_chan1HarmonicModulFreqDimComboBox_currentIndexChanged(int index);
    void on_chan1HarmonicModulIndexSpinBox_editingFinished();
    void on_chan1HarmonicFreqDevDoubleSpinBox_editingFinished();
    void on_chan1HarmonicFreqDevDimComboBox_currentIndexChanged(int index);
    void on_chan1HarmonicPhaseDevDoubleSpinBox_editingFinished();
    void on_chan1TriangularUupDoubleSpinBox_editingFinished();
    void on_chan1TriangularTupDoubleSpinBox_editingFinished();
    void on_chan1TriangularTupComboBox_currentIndexChanged(int index);
    void on_chan1TriangularUdnDoubleSpinBox_editingFinished();
    void on_chan1TriangularTdnDoubleSpinBox_editingFinished();
    void on_chan1TriangularTdnComboBox_currentIndexChanged(int index);
    void on_chan1ImpulseUupDoubleSpinBox_editingFinished();
    void on_chan1ImpulseTupDoubleSpinBox_editingFinished();
    void on_chan1ImpulseUdnDoubleSpinBox_editingFinished();
    void on_chan1ImpulseTdnDoubleSpinBox_editingFinished();
    void on_chan1ImpulseTDoubleSpinBox_editingFinished();
    void on_chan1ImpulseTComboBox_currentIndexChanged(int index);
    void on_chan1ImpulseDFDoubleSpinBox_editingFinished();
    void on_chan1LevelSignalDoubleSpinBox_editingFinished();
    void on_chan2HarmonicAmplDoubleSpinBox_editingFinished();
    void on_chan2HarmonicFreqDoubleSpinBox_editingFinished();
    void on_chan2HarmonicFreqDimComboBox_currentIndexChanged(int index);
    void on_chan2HarmonicPhaseDoubleSpinBox_editingFinished();
    void on_chan2LevelLimitsGroupBox_toggled(bool state);
    void on_chan2UpperBoundDoubleSpinBox_editingFinished();
    void on_chan2LowerBoundDoubleSpinBox_editingFinished();
    void on_chan2OffsetDoubleSpinBox_editingFinished();
    void on_chan2HarmonicModulFreqDoubleSpinBox_editingFinished();
    void on_chan2HarmonicModulFreqDimComboBox_currentIndexChanged(int index);
    void on_chan2HarmonicModulIndexSpinBox_editingFinished();
    void on_chan2HarmonicFreqDevDoubleSpinBox_editingFinished();
    void on_chan2HarmonicFreqDevDimComboBox_currentIndexChanged(int index);
    void on_chan2HarmonicPhaseDevDoubleSpinBox_editingFinished();
    void on_chan2TriangularUupDoubleSpinBox_editingFinished();
    void on_chan2TriangularTupDoubleSpinBox_editingFinished();
    void on_chan2TriangularTupComboBox_currentIndexChanged(int index);
    void on_chan2TriangularUdnDoubleSpinBox_editingFinished();
    void on_chan2TriangularTdnDoubleSpinBox_editingFinished();
    void on_chan2TriangularTdnComboBox_currentIndexChanged(int index);
    void on_chan2ImpulseUupDoubleSpinBox_editingFinished();
    void on_chan2ImpulseTupDoubleSpinBox_editingFinished();
    void on_chan2ImpulseUdnDoubleSpinBox_editingFinished();
    void on_chan2ImpulseTdnDoubleSpinBox_editingFinished();
    void on_chan2ImpulseTDoubleSpinBox_editingFinished();
    void on_chan2ImpulseTComboBox_currentIndexChanged(int index);
    void on_chan2ImpulseDFDoubleSpinBox_editingFinished();
    void on_chan2LevelSignalDoubleSpinBox_editingFinished();
    // Multilevel point tables and points files (MainWindowMultilevel.cpp).
    void on_chan1MultilevelNPointsSpinBox_editingFinished();
    void on_chan2MultilevelNPointsSpinBox_editingFinished();
    void on_chan1MultilevelTDoubleSpinBox_editingFinished();
    void on_chan2MultilevelTDoubleSpinBox_editingFinished();
    void on_chan1MultilevelPointsTableWidget_cellChanged(int row, int column);
    void on_chan2MultilevelPointsTableWidget_cellChanged(int row, int column);
    void on_chan1MultilevelPointsTableWidget_cellClicked(int row, int column);
    void on_chan2MultilevelPointsTableWidget_cellClicked(int row, int column);
    void on_chan1LoadAFGPointsPushButton_clicked();
    void on_chan2LoadAFGPointsPushButton_clicked();
    void on_chan1SaveAFGPointsPushButton_clicked();
    void on_chan2SaveAFGPointsPushButton_clicked();
    // AWG page settings.
    void on_AWGNumCyclesSpinBox_editingFinished();
    void on_AWGNumPackagesSpinBox_editingFinished();
    void on_AWGNumSamplesSpinBox_editingFinished();
    void on_AWGCircularModeRadioButton_toggled(bool checked);
    void on_AWGContinuousModeRadioButton_toggled(bool checked);
    void on_AWGWholeSequenceRadioButton_toggled(bool checked);
    void on_AWGEachPacketRadioButton_toggled(bool checked);
    void on_AWGBothChansRadioButton_toggled(bool checked);
    void on_AWGChan1RadioButton_toggled(bool checked);
    void on_AWGChan2RadioButton_toggled(bool checked);
    void on_AWGDataFormatDoubleRadioButton_toggled(bool checked);
    void on_AWGDataFormatUInt16RadioButton_toggled(bool checked);
    void on_AWGOpenLoadingFilePushButton_clicked();
    void on_AWGOpenSavingFilePushButton_clicked();
    void on_AWGSwitchFilesPushButton_clicked();
    void on_resetDWAVPushButton_clicked();
    void on_configDWAVPushButton_clicked();
    void on_autoConfigCheckBox_toggled(bool checked);
    void on_queryConfigParametersCheckBox_toggled(bool checked);
    void on_startDWAVPushButton_clicked();
    void on_chan1FunctionGeneratorGroupBox_toggled(bool state);
    void on_chan2FunctionGeneratorGroupBox_toggled(bool state);
    void on_showAFGPagePushButton_clicked();
    void on_showAWGPagePushButton_clicked();
    void on_showChanSettingsPushButton_clicked();
    void on_showCommonSettingsPushButton_clicked();
    void on_showQMSettingsPushButton_clicked();
    void onTimeoutEvent();
    // AWG data files (MainWindowAWG.cpp).
    void on_AWGLoadFromFilePushButton_clicked();
    void on_AWGCompareFilesPushButton_clicked();
    void on_AWGSaveToFilePushButton_clicked();
    // Panel settings files (MainWindowSettings.cpp).
    void actionLoadSettings_triggered();
    void actionSaveSettings_triggered();
    void actionSaveAsSettings_triggered();
    // Menus and actions (MainWindowMenus.cpp).
    void actionQuit_triggered();
    void actionHelp_triggered();
    void actionServicePanel_triggered();
    void actionCalibrationPanel_triggered();
    // Language: toggles between Russian and English (MainWindowLanguage.cpp).
    void switchLanguage();
    void retranslateUi();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Sees the shortcut of each action before the action does.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tagParameterWidgets();
    void createStatusBar();
    void checkInstrumentVersion();
    void updateTemperatureLabels();
    // The indicator as such, for commands and the poll alike.
    void showStateIcon(unsigned code, const QString &text);
    // afterCommand: the module took a command, and what it now does is
    // that command's outcome, in place of any failure still in view.
    int updateGenerationState(bool afterCommand = false);
    // After a refused command: the start button shows what the module does.
    void followModuleState();
    void showGeneratorPage(int page);
    void storeChanState(int chan, bool state);
    void storeAWGChoice(const QString &key, const QVariant &value);
    QRadioButton *awgFieldButton(int field, int value) const;
    bool applyAWGHeader(AwgFileHeader &header);
    void loadSettingsFromFile(const QString &path);
    // False when a points file it names could not be read.
    bool refreshPanelSettings();
    void updateWindowTitle();
    void createActions();
    void setActionTexts();
    // Ends an edit in progress in the focused widget of this window as
    // leaving it would; run before an action reached by its shortcut.
    void finishFocusedEdit();
    void createMenus();

    // AFG page (MainWindowAFG.cpp, MainWindowMultilevel.cpp).
    void lockParameterWidgets();
    void unlockParameterWidgets();
    void showSignalForm(int chan, int index);
    void applyModulationType(int chan);
    // Takes the channel's sub-set under the group key by value, sets the keys
    // and writes the whole sub-set back.
    void storeAfgValues(int chan, const QString &group, const QVariantMap &values);
    void storeAfgValue(int chan, const QString &group, const QString &key, const QVariant &value);
    // With exactly count + 1 rows nothing changes (the row being typed).
    static void resizeMultilevelPointsTable(QTableWidget *table, int count);
    void storeMultilevelPoints(QTableWidget *table, int chan);
    // Fills the table, the sub-set's points and path and the count from a
    // points file, with the table's and the count's signals blocked; the
    // sub-set's nPoints follows at the next Configure or count edit. False,
    // with the table left as it was, when the file gave no levels.
    bool loadAfgPointsFromFile(QTableWidget *table, int chan, const QString &path);
    void saveAfgPointsToFile(QTableWidget *table, int chan, const QString &path);
    void validateMultilevelCell(QTableWidget *table, QTableWidgetItem *item, bool chan2);
    void multilevelCountEdited(int chan);
    void openPointsFileDialog(int chan, bool saving);
    void openAWGFileDialog(bool saving);
    // A non-modal file dialog, child of the window, in any-file mode with the
    // open accept mode (also for saving); the caller connects fileSelected.
    QFileDialog *showFileDialog(const QString &title, const QString &folder, const QString &filter);
    QTableWidget *pointsTable(int chan) const;
    QSpinBox *pointsCountSpinBox(int chan) const;
    // Channel, synchronisation and modulator settings (MainWindowDialogs.cpp).
    void createSettingsDialogs();
    void retranslateSettingsDialogs();
    void restoreSettingsDialogDefaults();
    // Their pending values into the module, before each configuration.
    void applySettingsDialogs();
    // Their widgets and pending values from the module, after a read-back
    // or a settings load.
    void updateSettingsDialogs();
    void updateStatusLamps();
    void showSettingsDialog(SettingsDialog *dialog, const QPoint &at);

    int position = -1;
    Ui::MainWindow *form = nullptr;
    DWAVModule *module = nullptr;
    QPushButton *stateIndicator = nullptr;
    QLabel *messageLabel = nullptr;
    QLabel *iconLabel = nullptr;
    QLabel *tcontValueLabel = nullptr;
    QLabel *tcontCaptionLabel = nullptr;
    QLabel *tcardValueLabel = nullptr;
    QLabel *tcardCaptionLabel = nullptr;
    QList<QWidget *> boundWidgets;
    QTimer *pollingTimer = nullptr;
    bool versionChecked = false;
    // The generation state read last (-1: none yet), whether a command's
    // failure is held in view, and the state it came in.
    int polledState = -1;
    bool failureHeld = false;
    int failureState = -1;
    // The module's last-error serial when the indicator or the poll last
    // looked: a text older than that belongs to an earlier failure.
    quint64 errorSerialSeen = 0;
    ChanSettingsDialog *chanSettingsDialog = nullptr;
    CommonSettingsDialog *commonSettingsDialog = nullptr;
    QuadratureModulationDialog *qmSettingsDialog = nullptr;
    // Service and calibration panels; each may run a task of its own on
    // the pool, which must end before the module is torn down.
    CalibrationDialog *calibrationDialog = nullptr;
    ServiceDialog *serviceDialog = nullptr;
    // Non-zero while the window itself puts module values into its widgets;
    // the change signals this fires must not configure the module.
    int refreshDepth = 0;
    // Set when such a change signal came while Auto config was on.
    bool configHeldBack = false;
    // The panel settings file last saved or loaded successfully.
    QString currentSettingsPath;

    QAction *loadSettingsAction = nullptr;
    QAction *saveSettingsAction = nullptr;
    QAction *saveAsSettingsAction = nullptr;
    QAction *helpAction = nullptr;
    QAction *languageAction = nullptr;
    QAction *quitAction = nullptr;
    QAction *servicePanelAction = nullptr;
    QAction *calibrationPanelAction = nullptr;
    QList<QMenu *> menus;
    QTranslator *panelTranslator = nullptr;
    QTranslator *qtTranslator = nullptr;
};
