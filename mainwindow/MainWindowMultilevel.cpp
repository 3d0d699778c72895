// The multilevel point tables of the AFG page and their points files. The
// levels reach the module at Configure and when a file is loaded; the file
// format itself is MultilevelPointsFile's.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DWAVModule.h"
#include "Logger.h"
#include "MultilevelPointsFile.h"
#include "ParameterTypes.h"

#include <QFileDialog>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

namespace {

const QString multilevelGroup = QStringLiteral("multilevelParameters");

// Every cell remembers its last valid text, which a rejected edit of that
// same cell puts back.
constexpr int savedTextRole = Qt::UserRole;

void rememberText(QTableWidgetItem *item)
{
    // Item data changes fire cellChanged like text changes do.
    QSignalBlocker blocker(item->tableWidget());
    item->setData(savedTextRole, item->text());
}

QTableWidgetItem *levelItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setData(savedTextRole, text);
    return item;
}

// The texts of the rows down to the first empty cell; rows without a cell
// are passed over.
QStringList tableTexts(const QTableWidget *table)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, 0);
        if (!item)
            continue;
        if (item->text().isEmpty())
            break;
        texts.append(item->text());
    }
    return texts;
}

} // namespace

QTableWidget *MainWindow::pointsTable(int chan) const
{
    return chan == 0 ? form->chan1MultilevelPointsTableWidget : form->chan2MultilevelPointsTableWidget;
}

QSpinBox *MainWindow::pointsCountSpinBox(int chan) const
{
    return chan == 0 ? form->chan1MultilevelNPointsSpinBox : form->chan2MultilevelNPointsSpinBox;
}

void MainWindow::resizeMultilevelPointsTable(QTableWidget *table, int count)
{
    const int rows = table->rowCount();
    // One row more than the count is the row the operator is typing into.
    if (rows == count + 1)
        return;
    if (rows > count) {
        while (table->rowCount() > count)
            table->removeRow(table->rowCount() - 1);
        return;
    }
    table->setRowCount(count);
    const QString zero = MultilevelPointsFile::levelText(0);
    for (int row = 0; row < count; ++row) {
        QTableWidgetItem *item = table->item(row, 0);
        if (!item)
            table->setItem(row, 0, levelItem(zero));
        else if (item->text().isEmpty()) {
            item->setText(zero);
            item->setData(savedTextRole, zero);
        }
    }
}

void MainWindow::multilevelCountEdited(int chan)
{
    QSpinBox *count = pointsCountSpinBox(chan);
    storeAfgValue(chan, multilevelGroup, QStringLiteral("nPoints"), count->value());
    QTableWidget *table = pointsTable(chan);
    QSignalBlocker blocker(table);
    resizeMultilevelPointsTable(table, count->value());
}

void MainWindow::on_chan1MultilevelNPointsSpinBox_editingFinished()
{
    multilevelCountEdited(0);
}

void MainWindow::on_chan2MultilevelNPointsSpinBox_editingFinished()
{
    multilevelCountEdited(1);
}

void MainWindow::on_chan1MultilevelTDoubleSpinBox_editingFinished()
{
    storeAfgValue(0, multilevelGroup, QStringLiteral("T"), form->chan1MultilevelTDoubleSpinBox->value());
}

void MainWindow::on_chan2MultilevelTDoubleSpinBox_editingFinished()
{
    storeAfgValue(1, multilevelGroup, QStringLiteral("T"), form->chan2MultilevelTDoubleSpinBox->value());
}

void MainWindow::on_chan1MultilevelPointsTableWidget_cellChanged(int row, int column)
{
    QTableWidget *table = form->chan1MultilevelPointsTableWidget;
    if (QTableWidgetItem *item = table->item(row, column))
        validateMultilevelCell(table, item, false);
}

void MainWindow::on_chan2MultilevelPointsTableWidget_cellChanged(int row, int column)
{
    QTableWidget *table = form->chan2MultilevelPointsTableWidget;
    if (QTableWidgetItem *item = table->item(row, column))
        validateMultilevelCell(table, item, true);
}

void MainWindow::on_chan1MultilevelPointsTableWidget_cellClicked(int row, int column)
{
    double level = 0;
    QTableWidgetItem *item = form->chan1MultilevelPointsTableWidget->item(row, column);
    if (item && MultilevelPointsFile::parseLevel(item->text(), &level))
        rememberText(item);
}

void MainWindow::on_chan2MultilevelPointsTableWidget_cellClicked(int row, int column)
{
    double level = 0;
    QTableWidgetItem *item = form->chan2MultilevelPointsTableWidget->item(row, column);
    if (item && MultilevelPointsFile::parseLevel(item->text(), &level))
        rememberText(item);
}

void MainWindow::validateMultilevelCell(QTableWidget *table, QTableWidgetItem *item, bool chan2)
{
    const QString text = item->text();
    // Clearing a cell inside the table takes its row out.
    if (text.isEmpty() && item->row() != table->rowCount() - 1) {
        table->removeRow(item->row());
        QSpinBox *count = pointsCountSpinBox(chan2 ? 1 : 0);
        count->setValue(count->value() - 1);
        return;
    }
    // The C number format, as the points file and the stored levels use:
    // a comma is never a decimal point here, whatever the desktop's locale.
    double level = 0;
    if (MultilevelPointsFile::parseLevel(text, &level)) {
        rememberText(item);
        return;
    }
    // Putting the text back changes the cell once more; a text equal to the
    // cell's own is no change, so this ends.
    item->setText(item->data(savedTextRole).toString());
}

void MainWindow::storeMultilevelPoints(QTableWidget *table, int chan)
{
    PointsVector points;
    for (const QString &text : tableTexts(table)) {
        // A text that is no number is never sent as 0 V.
        bool ok = false;
        const double level = text.toDouble(&ok);
        if (ok)
            points.push_back(level);
    }
    ParameterTypes::registerTypes();
    const uint count = uint(points.size());
    storeAfgValues(chan, multilevelGroup,
                   {{QStringLiteral("points"), QVariant::fromValue(points)},
                    {QStringLiteral("nPoints"), count}});
}

bool MainWindow::loadAfgPointsFromFile(QTableWidget *table, int chan, const QString &path)
{
    // The points file's messages read alike in both languages, as the AWG
    // page's do.
    const QString failedKey = QStringLiteral("Loading AFG points failed");
    QVector<double> levels;
    if (!MultilevelPointsFile::read(path, &levels)) {
        Logger::instance(position)->critical(QStringLiteral("Cannot open file %1!").arg(path), failedKey);
        return false;
    }
    // A file of something else (binary data, an AWG data file) must not
    // empty the operator's table.
    if (levels.isEmpty()) {
        Logger::instance(position)->critical(QStringLiteral("File %1 holds no points").arg(path), failedKey);
        return false;
    }

    {
        QSignalBlocker blocker(table);
        table->clearContents();
        table->setRowCount(levels.size());
        for (int row = 0; row < levels.size(); ++row)
            table->setItem(row, 0, levelItem(MultilevelPointsFile::levelText(levels.at(row))));
    }

    ParameterTypes::registerTypes();
    storeAfgValues(chan, multilevelGroup,
                   {{QStringLiteral("points"),
                     QVariant::fromValue(PointsVector(levels.cbegin(), levels.cend()))},
                    {QStringLiteral("dataFilePath"), path}});

    QSpinBox *count = pointsCountSpinBox(chan);
    QSignalBlocker countBlocker(count);
    count->setValue(levels.size());
    return true;
}

void MainWindow::saveAfgPointsToFile(QTableWidget *table, int chan, const QString &path)
{
    if (!MultilevelPointsFile::write(path, tableTexts(table))) {
        Logger::instance(position)->critical(QStringLiteral("Couldn't open file %1").arg(path),
                                             QStringLiteral("Saving AFG points failed"));
        return;
    }
    storeAfgValue(chan, multilevelGroup, QStringLiteral("dataFilePath"), path);
}

void MainWindow::openPointsFileDialog(int chan, bool saving)
{
    QFileDialog *dialog = showFileDialog(saving ? tr("Save points to file") : tr("Select file with points"),
                                         QString(), QStringLiteral("Text files (*.txt)"));
    connect(dialog, &QFileDialog::fileSelected, this, [this, chan, saving](const QString &file) {
        QTableWidget *table = pointsTable(chan);
        if (saving) {
            const QString suffix = QStringLiteral(".txt");
            saveAfgPointsToFile(table, chan, file.endsWith(suffix) ? file : file + suffix);
        } else {
            QSignalBlocker blocker(table);
            loadAfgPointsFromFile(table, chan, file);
        }
    });
}

void MainWindow::on_chan1LoadAFGPointsPushButton_clicked()
{
    openPointsFileDialog(0, false);
}

void MainWindow::on_chan2LoadAFGPointsPushButton_clicked()
{
    openPointsFileDialog(1, false);
}

void MainWindow::on_chan1SaveAFGPointsPushButton_clicked()
{
    openPointsFileDialog(0, true);
}

void MainWindow::on_chan2SaveAFGPointsPushButton_clicked()
{
    openPointsFileDialog(1, true);
}
