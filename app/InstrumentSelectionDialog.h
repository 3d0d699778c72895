#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class TableHeader;

namespace Ui {
class InstrumentSelectionDialog;
}

// The first window of the standalone program: the DWAV modules the search
// found, one row each. The user picks a row, goes on without one (DEMO mode)
// or cancels; the run reads the choice after the dialog has closed.
class InstrumentSelectionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InstrumentSelectionDialog(QWidget *parent = nullptr);
    ~InstrumentSelectionDialog() override;

    // Runs the instrument search (with its progress dialog) and fills the
    // table with what it found.
    void searchDevices();

    // The highlighted or double-clicked row, -1 while none.
    int selectedRow() const;
    QStringList deviceTypes() const;
    QStringList resourceNames() const;
    QList<int> positions() const;

public slots:
    void confirmSelection();

private:
    void onCellDoubleClicked(int row, int column);
    void onHighlightChanged();

    Ui::InstrumentSelectionDialog *ui;
    int m_selectedRow = -1;
    QStringList m_deviceTypes;
    QStringList m_resourceNames;
    QList<int> m_positions;
    TableHeader *m_header = nullptr;
};
