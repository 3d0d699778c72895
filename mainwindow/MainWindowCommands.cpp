// Configure, Reset, Start/Stop and the configuration options of the main window.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DWAVModule.h"
#include "Logger.h"

#include <QIcon>
#include <QPushButton>

void MainWindow::on_configDWAVPushButton_clicked()
{
    Logger *logger = Logger::instance(position);
    logger->status(QString(), QString());
    storeMultilevelPoints(form->chan1MultilevelPointsTableWidget, 0);
    storeMultilevelPoints(form->chan2MultilevelPointsTableWidget, 1);
    applySettingsDialogs();

    if (module->configure() != 0) {
        setStateIcon(9, tr("Error"));
    } else {
        setStateIcon(3, tr("Configured"));
        logger->status(tr("DWAV has been configured"), QString());
    }

    // Read-back may have changed values in the sets; show them, also after a
    // failure, so the operator sees what the module really holds.
    if (form->queryConfigParametersCheckBox->isChecked()) {
        updateWidgets(false, false);
        updateSettingsDialogs();
    }
    updateStatusLamps();
}

void MainWindow::on_performConfig()
{
    // The window's own refresh changes widgets too; those changes come from
    // the module and must not be sent back to it as new edits. A settings
    // load configures once at its end when one was asked for meanwhile.
    if (refreshDepth > 0) {
        configHeldBack = configHeldBack || module->autoConfig();
        return;
    }
    if (module->autoConfig())
        on_configDWAVPushButton_clicked();
}

void MainWindow::on_autoConfigCheckBox_toggled(bool checked)
{
    module->setAutoConfig(checked);
}

void MainWindow::on_queryConfigParametersCheckBox_toggled(bool checked)
{
    module->setQuerySettingsParameters(checked);
}

void MainWindow::on_resetDWAVPushButton_clicked()
{
    if (module->reset() != 0) {
        setStateIcon(9, tr("Error"));
        // A refused reset may leave the module generating; a start offered
        // then would restart it.
        followModuleState();
        return;
    }
    setStateIcon(2, tr("Reset"));
    Logger::instance(position)->status(tr("DWAV has been reset"), QString());
    setStartButtonState(0);
}

void MainWindow::on_startDWAVPushButton_clicked()
{
    if (form->startDWAVPushButton->property("StartButtonState").toInt() == 0) {
        startGeneration();
    } else {
        stopGeneration();
        updateGenerationState();
    }
}

int MainWindow::startGeneration()
{
    if (!module->isConfigured()) {
        Logger::instance(position)->status(tr("Push Configure button before start!"), QString());
        setStateIcon(10, tr("Not configured"));
        return -1;
    }
    const int status = module->start();
    if (status == 0) {
        // Started, the module waits, counts down or generates, and in each
        // the next press stops; so the button says Stop even when its state
        // cannot be read at once, and a double click starts only once.
        setStartButtonState(1);
        updateGenerationState(true);
        return 0;
    }
    setStateIcon(9, tr("Error"));
    followModuleState();
    return status;
}

int MainWindow::stopGeneration()
{
    const int status = module->stop();
    if (status != 0) {
        setStateIcon(9, tr("Error"));
        return status;
    }
    setStateIcon(1, tr("Stopped"));
    setStartButtonState(0);
    Logger::instance(position)->status(tr("DWAV is stopped."), QString());
    return status;
}

int MainWindow::programStart()
{
    const int status = module->programStart();
    if (status != 0) {
        setStateIcon(9, tr("Error"));
        followModuleState();
        return status;
    }
    setStartButtonState(1);
    updateGenerationState(true);
    Logger::instance(position)->log(tr("DWAV started by command."), tr("DWAV Program start"));
    return status;
}

void MainWindow::setStartButtonState(int code)
{
    static const struct {
        const char *text;
        const char *icon;
    } looks[] = {
        {QT_TR_NOOP("Start"), ":/images/crystal/32px/1431633526_player_play.png"},
        {QT_TR_NOOP("Stop"), ":/images/crystal/32px/1431633615_player_stop.png"},
        {QT_TR_NOOP("Awaits command"), ":/images/crystal/32px/Play-1-Disabled-icon-32.png"},
        {QT_TR_NOOP("Delay countdown"), ":/images/crystal/32px/1431631296_logout.png"},
    };
    QPushButton *button = form->startDWAVPushButton;
    button->setProperty("StartButtonState", code);
    if (code < 0 || code >= int(sizeof looks / sizeof looks[0]))
        return;
    button->setText(tr(looks[code].text));
    button->setIcon(QIcon(QString::fromLatin1(looks[code].icon)));
}
