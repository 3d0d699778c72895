// The channel, synchronisation and modulator settings of the main window:
// creating them, handing their pending values over before a configuration,
// refreshing them from the module, and showing them beside the window.
#include "MainWindow.h"

#include "ChanSettingsDialog.h"
#include "CommonSettingsDialog.h"
#include "QuadratureModulationDialog.h"

void MainWindow::createSettingsDialogs()
{
    chanSettingsDialog = new ChanSettingsDialog(module, this);
    // Channel on/off in both directions; each side changes its box only when
    // it differs, so the exchange ends after one round.
    connect(this, SIGNAL(chan1StateChanged(bool)), chanSettingsDialog, SLOT(on_chan1StateChanged(bool)));
    connect(this, SIGNAL(chan2StateChanged(bool)), chanSettingsDialog, SLOT(on_chan2StateChanged(bool)));
    connect(chanSettingsDialog, SIGNAL(chan1StateChanged(bool)), this, SLOT(on_chan1StateChanged(bool)));
    connect(chanSettingsDialog, SIGNAL(chan2StateChanged(bool)), this, SLOT(on_chan2StateChanged(bool)));
    connect(chanSettingsDialog, SIGNAL(performConfig()), this, SLOT(on_performConfig()));

    commonSettingsDialog = new CommonSettingsDialog(module, this);
    connect(commonSettingsDialog, SIGNAL(performConfig()), this, SLOT(on_performConfig()));

    qmSettingsDialog = new QuadratureModulationDialog(module, this);
    connect(qmSettingsDialog, SIGNAL(performConfig()), this, SLOT(on_performConfig()));
}

void MainWindow::retranslateSettingsDialogs()
{
    chanSettingsDialog->retranslate();
    commonSettingsDialog->retranslate();
    qmSettingsDialog->retranslate();
}

void MainWindow::restoreSettingsDialogDefaults()
{
    chanSettingsDialog->restoreDefaults();
    commonSettingsDialog->restoreDefaults();
    qmSettingsDialog->restoreDefaults();
}

void MainWindow::applySettingsDialogs()
{
    chanSettingsDialog->applyParameters();
    commonSettingsDialog->applyParameters();
    qmSettingsDialog->applyParameters();
}

void MainWindow::updateSettingsDialogs()
{
    chanSettingsDialog->updateWidgets(false);
    commonSettingsDialog->updateWidgets(false);
    qmSettingsDialog->updateWidgets(false);
}

void MainWindow::updateStatusLamps()
{
    commonSettingsDialog->updateStatusLamps();
}

void MainWindow::showSettingsDialog(SettingsDialog *dialog, const QPoint &at)
{
    dialog->move(at);
    dialog->focusDefaultButton();
    dialog->show();
}

// The channel settings open to the right of the window, the synchronisation
// settings below them, the modulator settings below the window.
void MainWindow::on_showChanSettingsPushButton_clicked()
{
    showSettingsDialog(chanSettingsDialog, QPoint(x() + width() + 15, y()));
}

void MainWindow::on_showCommonSettingsPushButton_clicked()
{
    showSettingsDialog(commonSettingsDialog,
                       QPoint(x() + width() + 15, y() + chanSettingsDialog->height() + 40));
}

void MainWindow::on_showQMSettingsPushButton_clicked()
{
    showSettingsDialog(qmSettingsDialog, QPoint(x(), y() + height() + 40));
}
