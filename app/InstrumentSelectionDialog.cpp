#include "InstrumentSelectionDialog.h"
#include "ui_InstrumentSelectionDialog.h"

#include "InstrumentConfigurationSearch.h"
#include "TableHeader.h"

#include <QMessageBox>
#include <QTableWidgetItem>

InstrumentSelectionDialog::InstrumentSelectionDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InstrumentSelectionDialog)
{
    ui->setupUi(this);

    // The device type and the path share the free width; the position
    // column is only as wide as its caption.
    m_header = new TableHeader(Qt::Horizontal, ui->instrumentTableWidget);
    ui->instrumentTableWidget->setHorizontalHeader(m_header);
    m_header->setWeights({2, 2, 0});

    ui->instrumentTableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->instrumentTableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);

    // The highlighted row is the chosen one, whether the mouse or the
    // keyboard moved the highlight: OK opens what the user sees marked.
    connect(ui->instrumentTableWidget, &QTableWidget::cellDoubleClicked,
            this, &InstrumentSelectionDialog::onCellDoubleClicked);
    connect(ui->instrumentTableWidget->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, &InstrumentSelectionDialog::onHighlightChanged);
    connect(ui->cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->okPushButton, &QPushButton::clicked,
            this, &InstrumentSelectionDialog::confirmSelection);
}

InstrumentSelectionDialog::~InstrumentSelectionDialog()
{
    delete ui;
}

void InstrumentSelectionDialog::onCellDoubleClicked(int row, int column)
{
    Q_UNUSED(column)
    m_selectedRow = row;
    accept();
}

void InstrumentSelectionDialog::onHighlightChanged()
{
    const QModelIndexList rows = ui->instrumentTableWidget->selectionModel()->selectedRows();
    m_selectedRow = rows.isEmpty() ? -1 : rows.first().row();
}

void InstrumentSelectionDialog::searchDevices()
{
    QString failure;
    {
        InstrumentConfigurationSearch search(this);
        m_deviceTypes = search.deviceTypes();
        m_resourceNames = search.resourceNames();
        m_positions = search.positions();
        failure = search.failure();
    }

    // A VISA that could not search is told as such: "not found" would send
    // the user looking at cables instead of at the VISA installation.
    if (m_deviceTypes.isEmpty() && !failure.isEmpty()) {
        QMessageBox::warning(this, tr("Search connected devices"),
                             tr("Connected devices could not be searched: %1 "
                                "The log file holds the details.").arg(failure));
        return;
    }
    if (m_deviceTypes.isEmpty()) {
        QMessageBox::information(this, tr("Search connected devices"),
                                 tr("Connected devices not found."));
        return;
    }

    QTableWidget *table = ui->instrumentTableWidget;
    for (int i = 0; i < m_deviceTypes.size(); ++i) {
        table->insertRow(i);
        table->setItem(i, 0, new QTableWidgetItem(m_deviceTypes.at(i)));
        table->setItem(i, 1, new QTableWidgetItem(m_resourceNames.value(i)));
        auto *position = new QTableWidgetItem(
            i < m_positions.size() ? QString::number(m_positions.at(i)) : QString());
        position->setTextAlignment(Qt::AlignCenter);
        table->setItem(i, 2, position);
    }
    table->resizeColumnsToContents();
}

void InstrumentSelectionDialog::confirmSelection()
{
    if (ui->instrumentTableWidget->rowCount() == 0) {
        QMessageBox::information(this, tr("No device found"),
                                 tr("No device was found. The panel will be opened in DEMO mode."));
        accept();
        return;
    }
    if (m_selectedRow < 0) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, tr("No device selected"),
            tr("No device was selected in table! The panel will be opened in DEMO mode. "
               "Do you want to proceed?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer == QMessageBox::Yes)
            accept();
        return;
    }
    accept();
}

int InstrumentSelectionDialog::selectedRow() const
{
    return m_selectedRow;
}

QStringList InstrumentSelectionDialog::deviceTypes() const
{
    return m_deviceTypes;
}

QStringList InstrumentSelectionDialog::resourceNames() const
{
    return m_resourceNames;
}

QList<int> InstrumentSelectionDialog::positions() const
{
    return m_positions;
}
