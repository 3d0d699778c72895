// Panel settings files from the window: the load, save and save-as actions,
// and the part of the widget refresh that only a loaded file needs.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "BindingNames.h"
#include "DWAVModule.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTableWidget>

namespace {

const QString settingsFilter = QStringLiteral("Ini files (*.ini)");

// Whether the file can be written, without emptying an existing one: the
// module replaces it only once the new settings are complete.
bool canWrite(const QString &path)
{
    QFile file(path);
    if (file.exists())
        return file.open(QIODevice::WriteOnly | QIODevice::Append);
    const QFileInfo folder(QFileInfo(path).absolutePath());
    return folder.isDir() && folder.isWritable();
}

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
    updateWidgets(false, true);
    updateSettingsDialogs();
    currentSettingsPath = path;
    if (result != 0)
        setStateIcon(9, tr("Loading failed"));
    else
        setStateIcon(12, tr("Loaded successfully"));
}

void MainWindow::saveSettingsToFile(const QString &path)
{
    if (path.isEmpty() || !canWrite(path))
        return;
    const int result = module->saveSettings(path);
    currentSettingsPath = path;
    if (result != 0)
        setStateIcon(9, tr("Saving failed"));
    else
        setStateIcon(12, tr("Saved successfully"));
}

// The panel options and data-file paths of a loaded settings file.
void MainWindow::refreshPanelSettings()
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
    for (int chan = 0; chan < 2; ++chan) {
        const QString points = module->parameterValue(QLatin1String(BindingNames::afgSet),
                                                      QStringLiteral("multilevelParameters"),
                                                      QStringLiteral("dataFilePath"), chan)
                                   .toString();
        // The loader fills the table with its signals blocked.
        if (!points.isEmpty())
            loadAfgPointsFromFile(pointsTable(chan), chan, points);
    }

    const QString awgDataFile = module->awgParameter(QStringLiteral("dataFilePath")).toString();
    if (!awgDataFile.isEmpty())
        form->AWGLoadingFilePathLineEdit->setText(awgDataFile);
}
