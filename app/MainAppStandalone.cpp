// The standalone program's run: choose an instrument, open it, run the panel.

#include "MainApp.h"

#include "DWAVModule.h"
#include "InstrumentChoice.h"
#include "InstrumentSelectionDialog.h"
#include "Logger.h"
#include "MainWindow.h"

#include <QApplication>

#include <exception>
#include <memory>

int MainApp::exec(int argc, char **argv)
{
    initApplication(argc, argv);
    loadTranslations();

    // Held by pointer only for the case below; otherwise it lives and dies
    // as a local of the run.
    std::unique_ptr<InstrumentSelectionDialog> holder(new InstrumentSelectionDialog);
    InstrumentSelectionDialog &dialog = *holder;
    dialog.show();
    // Paint the dialog before the search blocks the thread.
    QCoreApplication::processEvents();
    dialog.searchDevices();
    int answer = QDialog::Rejected;
    try {
        answer = dialog.exec();
    } catch (...) {
        // An exception that left the dialog's own event loop leaves the
        // dialog pointing at that loop; destroying it would use the loop
        // again. Keep it, so the guarded run can report the exception.
        (void)holder.release();
        throw;
    }
    if (answer != QDialog::Accepted)
        return -1;

    // Declared after the dialog and before the window, so that leaving the
    // run destroys the window first (it still closes the module's session),
    // then the module, then the dialog.
    DWAVModule module;
    const InstrumentChoice choice = InstrumentChoice::fromDialog(dialog);
    if (!choice.isDemo()) {
        if (!choice.isComplete())
            return -2;
        // A module that cannot be opened leaves the panel in DEMO mode.
        choice.openModule(module, applicationPath());
    }

    MainWindow window(&module);
    window.show();
    return QApplication::exec();
}

int MainApp::execGuarded(int argc, char **argv)
{
    try {
        return exec(argc, argv);
    } catch (const std::exception &e) {
        Logger::instance(loggerIndex())
            ->critical(QStringLiteral("An exception occured during application execution: %1")
                           .arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        Logger::instance(loggerIndex())
            ->critical(QStringLiteral("An unknown exception occured during application execution"));
    }
    return -1;
}
