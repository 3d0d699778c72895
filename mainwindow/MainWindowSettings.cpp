// Panel settings files from the window: the load, save and save-as actions,
// and the part of the widget refresh that only a loaded file needs.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "BindingNames.h"
#include "DWAVModule.h"
#include "UserFile.h"

#include <QFileDialog>
#include <QTableWidget>

#include <utility>

namespace {

const QString settingsFilter = QStringLiteral("Ini files (*.ini)");

} // namespace

void MainWindow::actionLoadSettings_triggered()
{
    QFileDialog *dialog = showFileDialog(tr("Load DWAV Panel settings from file"), currentSettingsPath,
                                         settingsFilter);
    connect(dialog, &QFileDialog::fileSelected, this, &MainWindow::loadSettingsFromFile);
}

void MainWindow::actionSaveSettings_triggered()
{
    if (currentSettingsPath.isEmpty())
        actionSaveAsSettings_triggered();
    else
        saveSettingsToFile(currentSettingsPath);
}

void MainWindow::actionSaveAsSettings_triggered()
{
    QFileDialog *dialog = showFileDialog(tr("Save DWAV Panel settings to file"), QString(), settingsFilter);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &chosen) {
        const QString suffix = QStringLiteral(".ini");
        saveSettingsToFile(chosen.endsWith(suffix) ? chosen : chosen + suffix);
    });
}

void MainWindow::loadSettingsFromFile(const QString &path)
{
    const int result = module->loadSettings(path);
    // The refresh's own change signals configure nothing while values are
    // half refreshed; whether one asked to is remembered for the end.
    configHeldBack = false;
    ++refreshDepth;
    const bool pointsRead = updateWidgets(false, true);
    updateSettingsDialogs();
    --refreshDepth;
    const bool heldBack = std::exchange(configHeldBack, false);
    // A refused file (an AWG data file picked by mistake, say) is not the
    // one that Save would then overwrite.
    if (result == 0)
        currentSettingsPath = path;
    // Levels the file names that are not in the table are a load failed in
    // part; the points file's own message stays on the line, as the module
    // set no new error of its own.
    if (result != 0 || !pointsRead)
        setStateIcon(9, tr("Loading failed"));
    else
        setStateIcon(12, tr("Loaded successfully"));
    // With Auto config on the module runs what the panel now shows: one
    // configuration with every loaded value in place. Spin boxes report
    // edits only when the operator finishes one, never when the refresh sets
    // them, so a loaded file counts as a change of its own. Levels other
    // than the file's are not sent as if they were.
    if (pointsRead && (heldBack || result == 0) && module->autoConfig())
        on_performConfig();
}

void MainWindow::saveSettingsToFile(const QString &path)
{
    if (path.isEmpty())
        return;
    // Asked without opening anything: a named pipe would hold the panel, and
    // an existing file is replaced only once the new settings are complete.
    if (!UserFile::canSave(path)) {
        setStateIcon(9, tr("Saving failed"));
        return;
    }
    const int result = module->saveSettings(path);
    currentSettingsPath = path;
    if (result != 0)
        setStateIcon(9, tr("Saving failed"));
    else
        setStateIcon(12, tr("Saved successfully"));
}

// The panel options and data-file paths of a loaded settings file.
bool MainWindow::refreshPanelSettings()
{
    form->autoConfigCheckBox->setChecked(module->autoConfig());
    if (module->currentPanelTabIndex() == 0)
        on_showAFGPagePushButton_clicked();
    else if (module->currentPanelTabIndex() == 1)
        on_showAWGPagePushButton_clicked();
    form->AWGLoadingFilePathLineEdit->setText(module->awgLoadingFilePath());
    form->AWGSavingFilePathLineEdit->setText(module->awgSavingFilePath());
    form->queryConfigParametersCheckBox->setChecked(module->querySettingsParameters());

    // The shown signal-form page follows each combo, and the form is stored again.
    on_chan1SignalFormComboBox_currentIndexChanged(form->chan1SignalFormComboBox->currentIndex());
    on_chan2SignalFormComboBox_currentIndexChanged(form->chan2SignalFormComboBox->currentIndex());
    // The settings file does not keep the levels: they come from the points file.
    bool pointsRead = true;
    for (int chan = 0; chan < 2; ++chan) {
        const QString points = module->parameterValue(QLatin1String(BindingNames::afgSet),
                                                      QStringLiteral("multilevelParameters"),
                                                      QStringLiteral("dataFilePath"), chan)
                                   .toString();
        // The loader fills the table with its signals blocked.
        if (!points.isEmpty() && !loadAfgPointsFromFile(pointsTable(chan), chan, points))
            pointsRead = false;
    }

    const QString awgDataFile = module->awgParameter(QStringLiteral("dataFilePath")).toString();
    if (!awgDataFile.isEmpty())
        form->AWGLoadingFilePathLineEdit->setText(awgDataFile);
    return pointsRead;
}
