// File choices of the main window and the AWG data file paths. Every file
// dialog is a non-modal child of the window; the chosen name arrives through
// fileSelected, also when saving.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DWAVModule.h"

#include <QFileDialog>
#include <QLineEdit>

namespace {

const QString awgFolder = QStringLiteral("c:/VXIPNP/WINNT/TVKDWAV/signal files/");
const QString awgFilter = QStringLiteral("Binary (*.vwf)");

} // namespace

QFileDialog *MainWindow::showFileDialog(const QString &title, const QString &folder,
                                        const QString &filter)
{
    auto *dialog = new QFileDialog(this, title, folder, filter);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // One choice per dialog; a dialog answered from outside is not left behind.
    connect(dialog, &QFileDialog::fileSelected, dialog, &QObject::deleteLater, Qt::QueuedConnection);
    dialog->show();
    return dialog;
}

// Text set from here does not emit textEdited, so the module's loading and
// saving path options keep what the operator last typed.

void MainWindow::on_AWGOpenLoadingFilePushButton_clicked()
{
    openAWGFileDialog(false);
}

void MainWindow::on_AWGOpenSavingFilePushButton_clicked()
{
    openAWGFileDialog(true);
}

void MainWindow::openAWGFileDialog(bool saving)
{
    QFileDialog *dialog = showFileDialog(tr("Select AWG data file"), awgFolder, awgFilter);
    connect(dialog, &QFileDialog::fileSelected, this, [this, saving](const QString &file) {
        if (saving) {
            const QString suffix = QStringLiteral(".vwf");
            form->AWGSavingFilePathLineEdit->setText(file.endsWith(suffix) ? file : file + suffix);
        } else {
            form->AWGLoadingFilePathLineEdit->setText(file);
            module->setAWGParameter(QStringLiteral("dataFilePath"), file);
        }
    });
}

void MainWindow::on_AWGSwitchFilesPushButton_clicked()
{
    const QString loading = form->AWGLoadingFilePathLineEdit->text();
    form->AWGLoadingFilePathLineEdit->setText(form->AWGSavingFilePathLineEdit->text());
    form->AWGSavingFilePathLineEdit->setText(loading);
}
