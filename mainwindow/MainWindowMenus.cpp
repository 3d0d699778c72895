// Actions, menus and the small slots behind the close, help, service and
// calibration actions.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "CalibrationDialog.h"
#include "ServiceDialog.h"
#include "UserManual.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

void MainWindow::createActions()
{
    const struct {
        QAction **action;
        const char *name;
        const char *icon;
        QKeySequence shortcut;
        const char *slot;
    } actions[] = {
        {&loadSettingsAction, "loadSettingsAction", ":/images/document-open.svg",
         QKeySequence(QKeySequence::Open), SLOT(actionLoadSettings_triggered())},
        {&saveSettingsAction, "saveSettingsAction", ":/images/document-save.svg",
         QKeySequence(QKeySequence::Save), SLOT(actionSaveSettings_triggered())},
        // Spelled out: the platform's Save As key is not Ctrl+Shift+S everywhere.
        {&saveAsSettingsAction, "saveAsSettingsAction", ":/images/document-save-as.svg",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), SLOT(actionSaveAsSettings_triggered())},
        {&helpAction, "helpAction", ":/images/help-browser.svg",
         QKeySequence(QKeySequence::HelpContents), SLOT(actionHelp_triggered())},
        {&languageAction, "languageAction", ":/images/preferences-desktop-locale.svg",
         QKeySequence(), SLOT(switchLanguage())},
        {&quitAction, "quitAction", ":/images/system-log-out.svg",
         QKeySequence(QKeySequence::Quit), SLOT(actionQuit_triggered())},
        {&servicePanelAction, "servicePanelAction", ":/images/IndustriesIcon_ProcessControl.png",
         QKeySequence(), SLOT(actionServicePanel_triggered())},
        {&calibrationPanelAction, "calibrationPanelAction", ":/images/applications-system.svg",
         QKeySequence(), SLOT(actionCalibrationPanel_triggered())},
    };
    for (const auto &a : actions) {
        *a.action = new QAction(QIcon(QString::fromLatin1(a.icon)), QString(), this);
        (*a.action)->setObjectName(QString::fromLatin1(a.name));
        if (!a.shortcut.isEmpty()) {
            (*a.action)->setShortcut(a.shortcut);
            (*a.action)->installEventFilter(this);
        }
        connect(*a.action, SIGNAL(triggered()), this, a.slot);
    }
    setActionTexts();
    // The first language switch, right after the menus, replaces this text.
    languageAction->setText(tr("Switch pannel language"));
    // The constructor's first switch turns this into Russian.
    languageAction->setProperty("CurrentLanguage", QStringLiteral("en"));
}

void MainWindow::setActionTexts()
{
    const struct {
        QAction *action;
        const char *text;
        const char *toolTip;
    } texts[] = {
        {loadSettingsAction, QT_TR_NOOP("Load settings"), QT_TR_NOOP("Load panel settings")},
        {saveSettingsAction, QT_TR_NOOP("Save settings"), QT_TR_NOOP("Save panel settings")},
        {saveAsSettingsAction, QT_TR_NOOP("Save settings as"), QT_TR_NOOP("Save panel settings as")},
        {helpAction, QT_TR_NOOP("Help"), QT_TR_NOOP("Help")},
        {languageAction, QT_TR_NOOP("Switch panel language"), QT_TR_NOOP("Switch panel language")},
        {quitAction, QT_TR_NOOP("Close panel"), QT_TR_NOOP("Close DWAV panel")},
        {servicePanelAction, QT_TR_NOOP("Service panel"),
         QT_TR_NOOP("Service and control panel for selftest")},
        {calibrationPanelAction, QT_TR_NOOP("Calibration panel"), QT_TR_NOOP("Calibration panel")},
    };
    for (const auto &t : texts) {
        t.action->setText(tr(t.text));
        t.action->setToolTip(tr(t.toolTip));
    }
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->clear();
    // The language action that rebuilds the menus is triggered from inside
    // one of them, so the old menus go only once control has left them.
    for (QMenu *menu : qAsConst(menus))
        menu->deleteLater();
    menus.clear();

    QMenu *file = bar->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addAction(loadSettingsAction);
    file->addAction(saveSettingsAction);
    file->addAction(saveAsSettingsAction);
    file->addSeparator();
    file->addAction(quitAction);

    QMenu *service = bar->addMenu(tr("Service"));
    service->setObjectName(QStringLiteral("serviceMenu"));
    service->addAction(servicePanelAction);
    service->addAction(calibrationPanelAction);
    service->addAction(languageAction);

    QMenu *help = bar->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addAction(helpAction);

    menus = {file, service, help};
}

// A shortcut reaches its action without taking the focus from the widget
// being edited, which then never hears that its edit is over: a number typed
// without Enter would miss the save, load or close that follows. The menus
// need nothing of this: opening one takes the focus, which ends the edit.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut && qobject_cast<QAction *>(watched))
        finishFocusedEdit();
    return QMainWindow::eventFilter(watched, event);
}

// The focus leaves the widget and comes back, so the widget ends its edit
// exactly as on leaving: its own slot runs, and with Auto config the
// configuration.
void MainWindow::finishFocusedEdit()
{
    QPointer<QWidget> focused = QApplication::focusWidget();
    if (!focused || focused->window() != this)
        return;
    focused->clearFocus();
    // A table's cell editor closes on leaving; the table takes the focus back.
    QWidget *back = focused;
    while (back && !(back->isVisible() && back->focusPolicy() != Qt::NoFocus))
        back = back->parentWidget();
    if (back)
        back->setFocus(Qt::OtherFocusReason);
}

void MainWindow::actionQuit_triggered()
{
    close();
}

void MainWindow::actionHelp_triggered()
{
    const QString program = QDir::fromNativeSeparators(QCoreApplication::applicationFilePath());
    QDesktopServices::openUrl(UserManual::url(program));
}

// Both panels are non-modal; one already open behind the window comes to the front.
void MainWindow::actionServicePanel_triggered()
{
    serviceDialog->show();
    serviceDialog->raise();
    serviceDialog->activateWindow();
}

void MainWindow::actionCalibrationPanel_triggered()
{
    calibrationDialog->show();
    calibrationDialog->raise();
    calibrationDialog->activateWindow();
}
