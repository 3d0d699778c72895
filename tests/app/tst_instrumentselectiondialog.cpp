#include "TestMain.h"

#include "InstrumentSelectionDialog.h"
#include "BenchSupport.h"
#include "ModalAnswerer.h"
#include "TableHeader.h"

#include "dwav_bench.h"

#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>

#include <functional>

Q_DECLARE_METATYPE(TableHeader::Layout)

class TestInstrumentSelectionDialog : public QObject
{
    Q_OBJECT

private slots:
    void computeLayout_data();
    void computeLayout();
    void weightsAreKeptOnlyWhenTheyFit();
    void headerSplitsAFourHundredPixelTable();
    void headerFollowsResizes();
    void allCaptionSizedSectionsLetTheLastTakeTheRest();

    void formMatchesTheLayout();

    void init();
    void emptySearchSaysSo();
    void searchThatCannotRunSaysSo_data();
    void searchThatCannotRunSaysSo();
    void searchFillsTheTable();
    void doubleClickAcceptsThatRow();
    void clickThenOkAcceptsTheClickedRow();
    void okWithoutRowAsksAndNoKeepsTheDialog();
    void okWithoutRowAndYesOpensDemoMode();
    void okOnEmptyTableOpensDemoMode();
    void cancelRejects();
    void okOpensTheHighlightedRow_data();
    void okOpensTheHighlightedRow();
    void returnKeyConfirmsLikeOk();
    void filledTableStillSharesTheHeader();
};

void TestInstrumentSelectionDialog::computeLayout_data()
{
    QTest::addColumn<int>("headerWidth");
    QTest::addColumn<QList<int>>("weights");
    QTest::addColumn<QVector<int>>("captions");
    QTest::addColumn<QVector<bool>>("hidden");
    QTest::addColumn<QVector<int>>("widths");
    QTest::addColumn<int>("stretch");
    QTest::addColumn<QList<int>>("weightsAfter");

    const QVector<int> captions{60, 30, 50};
    const QVector<bool> none{false, false, false};

    QTest::newRow("device, path, caption-sized position")
        << 400 << QList<int>{2, 2, 0} << captions << none
        << QVector<int>{172, 172, 54} << 2 << QList<int>{2, 2, 0};
    QTest::newRow("uneven weights")
        << 400 << QList<int>{3, 1, 0} << captions << none
        << QVector<int>{258, 86, 54} << 2 << QList<int>{3, 1, 0};
    QTest::newRow("weights of the wrong length become ones")
        << 400 << QList<int>{2} << captions << none
        << QVector<int>{133, 133, 133} << 2 << QList<int>{1, 1, 1};
    QTest::newRow("no weights at all become ones")
        << 300 << QList<int>{} << captions << none
        << QVector<int>{100, 100, 100} << 2 << QList<int>{1, 1, 1};
    QTest::newRow("every section caption-sized")
        << 400 << QList<int>{0, 0, 0} << captions << none
        << QVector<int>{64, 34, 302} << -1 << QList<int>{0, 0, 1};
    QTest::newRow("hidden caption-sized section takes no width")
        << 400 << QList<int>{2, 2, 0} << captions << QVector<bool>{false, false, true}
        << QVector<int>{200, 200, -1} << 1 << QList<int>{2, 2, 0};
    QTest::newRow("hidden last section, the middle one fills")
        << 400 << QList<int>{0, 0, 0} << captions << QVector<bool>{false, false, true}
        << QVector<int>{64, 336, -1} << -1 << QList<int>{0, 1, 0};
    QTest::newRow("only the first section is never widened")
        << 400 << QList<int>{0, 0, 0} << captions << QVector<bool>{false, true, true}
        << QVector<int>{64, -1, -1} << -1 << QList<int>{0, 0, 0};
    QTest::newRow("single caption-sized section")
        << 400 << QList<int>{0} << QVector<int>{60} << QVector<bool>{false}
        << QVector<int>{64} << -1 << QList<int>{0};
    QTest::newRow("header narrower than the captions")
        << 40 << QList<int>{2, 2, 0} << captions << none
        << QVector<int>{-6, -6, 54} << 2 << QList<int>{2, 2, 0};
}

void TestInstrumentSelectionDialog::computeLayout()
{
    QFETCH(int, headerWidth);
    QFETCH(QList<int>, weights);
    QFETCH(QVector<int>, captions);
    QFETCH(QVector<bool>, hidden);
    QFETCH(QVector<int>, widths);
    QFETCH(int, stretch);
    QFETCH(QList<int>, weightsAfter);

    const TableHeader::Layout layout = TableHeader::computeLayout(headerWidth, weights, captions, hidden);
    QCOMPARE(layout.widths, widths);
    QCOMPARE(layout.stretchSection, stretch);
    QCOMPARE(layout.weights, weightsAfter);
}

void TestInstrumentSelectionDialog::weightsAreKeptOnlyWhenTheyFit()
{
    const TableHeader::Layout empty = TableHeader::computeLayout(400, {2, 2, 0}, {}, {});
    QVERIFY(empty.widths.isEmpty());
    QCOMPARE(empty.stretchSection, -1);
    QCOMPARE(empty.weights, (QList<int>{2, 2, 0}));

    QTableWidget table(0, 2);
    auto *header = new TableHeader(Qt::Horizontal, &table);
    table.setHorizontalHeader(header);
    header->setWeights({5, 0, 7});
    header->fitSectionsToText();
    QCOMPARE(header->weights(), (QList<int>{1, 1}));
}

namespace {

// A table laid out so that its horizontal header is exactly as wide as the
// table itself.
struct HeaderBench
{
    QTableWidget table{3, 3};
    TableHeader *header = new TableHeader(Qt::Horizontal, &table);

    HeaderBench()
    {
        table.setHorizontalHeader(header);
        table.setHorizontalHeaderLabels({"Device type", "Path", "Position"});
        table.setFrameShape(QFrame::NoFrame);
        table.verticalHeader()->hide();
        table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        header->setWeights({2, 2, 0});
    }

    int captionWidth(const QString &text) const
    {
        return header->fontMetrics().horizontalAdvance(text) + 4;
    }
};

} // namespace

void TestInstrumentSelectionDialog::headerSplitsAFourHundredPixelTable()
{
    HeaderBench bench;
    bench.table.resize(400, 200);
    bench.table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bench.table));
    QTRY_COMPARE(bench.header->width(), 400);

    const int position = bench.captionWidth("Position");
    const int shared = (400 - position) / 4 * 2;
    QCOMPARE(bench.header->sectionSize(0), shared);
    QCOMPARE(bench.header->sectionSize(1), shared);
    // The last section stretches over what integer division left over.
    QVERIFY(bench.header->sectionSize(2) >= position);
    QVERIFY(bench.header->sectionSize(2) < position + 4);
    QCOMPARE(bench.header->sectionResizeMode(0), QHeaderView::Interactive);
    QCOMPARE(bench.header->sectionResizeMode(1), QHeaderView::Interactive);
    QCOMPARE(bench.header->sectionResizeMode(2), QHeaderView::Stretch);
}

void TestInstrumentSelectionDialog::headerFollowsResizes()
{
    HeaderBench bench;
    bench.table.resize(400, 200);
    bench.table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bench.table));
    QTRY_COMPARE(bench.header->width(), 400);

    // A later resize shares the new width again, also after the user or
    // the table changed the sections in between.
    bench.table.resizeColumnsToContents();
    bench.table.resize(600, 200);
    QTRY_COMPARE(bench.header->width(), 600);
    const int shared = (600 - bench.captionWidth("Position")) / 4 * 2;
    QCOMPARE(bench.header->sectionSize(0), shared);
    QCOMPARE(bench.header->sectionSize(1), shared);

    bench.table.hideColumn(2);
    bench.table.resize(500, 200);
    QTRY_COMPARE(bench.header->width(), 500);
    QCOMPARE(bench.header->sectionSize(0), 250);
    QCOMPARE(bench.header->sectionResizeMode(1), QHeaderView::Stretch);
    QCOMPARE(bench.header->sectionSize(1), 250);
}

void TestInstrumentSelectionDialog::allCaptionSizedSectionsLetTheLastTakeTheRest()
{
    HeaderBench bench;
    bench.header->setWeights({0, 0, 0});
    bench.table.resize(400, 200);
    bench.table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bench.table));
    QTRY_COMPARE(bench.header->width(), 400);

    QCOMPARE(bench.header->sectionSize(0), bench.captionWidth("Device type"));
    QCOMPARE(bench.header->sectionSize(1), bench.captionWidth("Path"));
    QCOMPARE(bench.header->sectionSize(2),
             400 - bench.captionWidth("Device type") - bench.captionWidth("Path"));
    // From then on the last section shares the width by weight.
    QCOMPARE(bench.header->weights(), (QList<int>{0, 0, 1}));
}

void TestInstrumentSelectionDialog::formMatchesTheLayout()
{
    InstrumentSelectionDialog dialog;
    QCOMPARE(dialog.selectedRow(), -1);
    auto *table = dialog.findChild<QTableWidget *>("instrumentTableWidget");
    QVERIFY(table);
    QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
    // The table's header is the weighted one, sharing its width 2 : 2 and
    // fitting the position column to its caption.
    auto *header = qobject_cast<TableHeader *>(table->horizontalHeader());
    QVERIFY(header);
    QCOMPARE(header->orientation(), Qt::Horizontal);
    QVERIFY(header->cascadingSectionResizes());
    QCOMPARE(header->weights(), (QList<int>{2, 2, 0}));
}

namespace {

QTableWidget *tableOf(InstrumentSelectionDialog &dialog)
{
    return dialog.findChild<QTableWidget *>("instrumentTableWidget");
}

QPoint cellCentre(QTableWidget *table, int row, int column)
{
    return table->visualRect(table->model()->index(row, column)).center();
}

void clickCell(QTableWidget *table, int row, int column)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(table, row, column));
}

// What a mouse sends for a double click: the first click, then the
// double-click press and its release.
void doubleClickCell(QTableWidget *table, int row, int column)
{
    const QPoint at = cellCentre(table, row, column);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void clickButton(InstrumentSelectionDialog &dialog, const char *name)
{
    auto *button = dialog.findChild<QPushButton *>(name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

const QString noDeviceSelected =
    "No device selected|No device was selected in table! The panel will be opened in DEMO mode. "
    "Do you want to proceed?";

} // namespace

void TestInstrumentSelectionDialog::init()
{
    QVERIFY(Bench::reset());
    // The built-in bench: modules at VXI0::3 positions 2 and 7, and on the
    // network carrier at position 1.
    dwavbench_load_default();
}

void TestInstrumentSelectionDialog::emptySearchSaysSo()
{
    QVERIFY(Bench::load("[bench]\n"));
    InstrumentSelectionDialog dialog;
    ModalAnswerer answerer;
    dialog.searchDevices();
    QCOMPARE(answerer.messages(), QStringList{"Search connected devices|Connected devices not found."});
    QCOMPARE(tableOf(dialog)->rowCount(), 0);
    QVERIFY(dialog.deviceTypes().isEmpty());
    QCOMPARE(dialog.selectedRow(), -1);
}

void TestInstrumentSelectionDialog::searchThatCannotRunSaysSo_data()
{
    QTest::addColumn<QByteArray>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no resource manager") << QByteArray("viOpenDefaultRM")
                                         << "The VISA resource manager could not be opened (status 0xbfff0000).";
    QTest::newRow("search failed") << QByteArray("viFindRsrc")
                                   << "The VISA search for instruments failed (status 0xbfff0000).";
}

void TestInstrumentSelectionDialog::searchThatCannotRunSaysSo()
{
    QFETCH(QByteArray, fault);
    QFETCH(QString, reason);
    QVERIFY(Bench::addFault(fault.constData(), 1, VI_ERROR_SYSTEM_ERROR));
    InstrumentSelectionDialog dialog;
    ModalAnswerer answerer;
    dialog.searchDevices();
    dwavbench_clear_faults();
    QCOMPARE(answerer.messages(),
             QStringList{"Search connected devices|Connected devices could not be searched: " + reason
                         + " The log file holds the details."});
    QCOMPARE(tableOf(dialog)->rowCount(), 0);
}

void TestInstrumentSelectionDialog::searchFillsTheTable()
{
    InstrumentSelectionDialog dialog;
    ModalAnswerer answerer;
    dialog.searchDevices();
    QVERIFY(answerer.messages().isEmpty());

    QTableWidget *table = tableOf(dialog);
    QCOMPARE(table->rowCount(), 3);
    const QStringList resources{"VXI0::3::INSTR", "VXI0::3::INSTR", "TCPIP0::192.168.1.40::inst0::INSTR"};
    const QList<int> positions{2, 7, 1};
    QCOMPARE(dialog.resourceNames(), resources);
    QCOMPARE(dialog.positions(), positions);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(table->item(row, 0)->text(), QString("Mezzanine DWAV"));
        QCOMPARE(table->item(row, 1)->text(), resources.at(row));
        QCOMPARE(table->item(row, 2)->text(), QString::number(positions.at(row)));
        QCOMPARE(Qt::Alignment(table->item(row, 2)->textAlignment()), Qt::AlignCenter);
    }
    QCOMPARE(dialog.selectedRow(), -1);
}

void TestInstrumentSelectionDialog::doubleClickAcceptsThatRow()
{
    InstrumentSelectionDialog dialog;
    dialog.searchDevices();
    QStringList questions;
    ModalAnswerer answerer(QMessageBox::No, [&](QWidget *modal) {
        if (modal != &dialog)
            return;
        doubleClickCell(tableOf(dialog), 1, 1);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedRow(), 1);
    // No question for a double-clicked row.
    QVERIFY(answerer.messages().isEmpty());
}

void TestInstrumentSelectionDialog::clickThenOkAcceptsTheClickedRow()
{
    InstrumentSelectionDialog dialog;
    dialog.searchDevices();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    clickCell(tableOf(dialog), 2, 0);
    QCOMPARE(dialog.selectedRow(), 2);
    // A later click changes the choice.
    clickCell(tableOf(dialog), 0, 2);
    QCOMPARE(dialog.selectedRow(), 0);
    QCOMPARE(accepted.count(), 0);

    ModalAnswerer answerer;
    clickButton(dialog, "okPushButton");
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedRow(), 0);
    QVERIFY(answerer.messages().isEmpty());
}

void TestInstrumentSelectionDialog::okWithoutRowAsksAndNoKeepsTheDialog()
{
    InstrumentSelectionDialog dialog;
    dialog.searchDevices();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy finished(&dialog, &QDialog::finished);

    // The question offers Yes and No, with No as the default: pressing the
    // default button must keep the dialog open.
    bool defaultIsNo = false;
    bool hasYes = false;
    ModalAnswerer answerer(QMessageBox::NoButton);
    QTimer look;
    connect(&look, &QTimer::timeout, &dialog, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
            hasYes = box->button(QMessageBox::Yes) != nullptr;
        }
    });
    look.start(1);
    clickButton(dialog, "okPushButton");
    look.stop();

    QCOMPARE(answerer.messages(), QStringList{noDeviceSelected});
    QVERIFY(defaultIsNo);
    QVERIFY(hasYes);
    QCOMPARE(finished.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.selectedRow(), -1);

    // The user may still choose a row and go on.
    clickCell(tableOf(dialog), 1, 0);
    clickButton(dialog, "okPushButton");
    QCOMPARE(finished.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedRow(), 1);
    QCOMPARE(answerer.messages().size(), 1);
}

void TestInstrumentSelectionDialog::okWithoutRowAndYesOpensDemoMode()
{
    InstrumentSelectionDialog dialog;
    dialog.searchDevices();
    ModalAnswerer answerer(QMessageBox::Yes, [&](QWidget *modal) {
        if (modal == &dialog)
            clickButton(dialog, "okPushButton");
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(answerer.messages(), QStringList{noDeviceSelected});
    QCOMPARE(dialog.selectedRow(), -1);
}

void TestInstrumentSelectionDialog::okOnEmptyTableOpensDemoMode()
{
    QVERIFY(Bench::load("[bench]\n"));
    InstrumentSelectionDialog dialog;
    ModalAnswerer answerer(QMessageBox::Ok, [&](QWidget *modal) {
        if (modal == &dialog)
            clickButton(dialog, "okPushButton");
    });
    dialog.searchDevices();
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(answerer.messages(),
             (QStringList{"Search connected devices|Connected devices not found.",
                          "No device found|No device was found. The panel will be opened in DEMO mode."}));
    QCOMPARE(dialog.selectedRow(), -1);
}

void TestInstrumentSelectionDialog::cancelRejects()
{
    InstrumentSelectionDialog dialog;
    dialog.searchDevices();
    ModalAnswerer answerer(QMessageBox::NoButton, [&](QWidget *modal) {
        if (modal != &dialog)
            return;
        clickCell(tableOf(dialog), 0, 0);
        clickButton(dialog, "cancelPushButton");
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(answerer.messages().isEmpty());

    // The window's close button is a Cancel too.
    InstrumentSelectionDialog other;
    other.searchDevices();
    ModalAnswerer closer(QMessageBox::NoButton, [&](QWidget *modal) {
        if (modal == &other)
            other.close();
    });
    QCOMPARE(other.exec(), int(QDialog::Rejected));
}

void TestInstrumentSelectionDialog::okOpensTheHighlightedRow_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QTestEventList>("keys");
    // -1: nothing is highlighted, the question is asked and No keeps the dialog.
    QTest::addColumn<int>("opened");

    QTestEventList down;
    down.addKeyClick(Qt::Key_Down);
    QTestEventList unmark;
    unmark.addKeyClick(Qt::Key_Space, Qt::ControlModifier);
    QTest::newRow("the keyboard moves the highlight on") << 0 << down << 1;
    QTest::newRow("the keyboard takes the highlight off") << 1 << unmark << -1;
}

void TestInstrumentSelectionDialog::okOpensTheHighlightedRow()
{
    QFETCH(int, clicked);
    QFETCH(QTestEventList, keys);
    QFETCH(int, opened);
    InstrumentSelectionDialog dialog;
    dialog.searchDevices();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTableWidget *table = tableOf(dialog);
    QSignalSpy finished(&dialog, &QDialog::finished);
    clickCell(table, clicked, 0);
    keys.simulate(table);
    ModalAnswerer answerer(QMessageBox::No);
    clickButton(dialog, "okPushButton");
    QCOMPARE(finished.count(), opened < 0 ? 0 : 1);
    QCOMPARE(dialog.selectedRow(), opened);
    QCOMPARE(answerer.messages(), opened < 0 ? QStringList{noDeviceSelected} : QStringList());
}

void TestInstrumentSelectionDialog::returnKeyConfirmsLikeOk()
{
    // An operator who picks a row and presses Enter wants that module, not
    // the end of the program.
    InstrumentSelectionDialog dialog;
    dialog.searchDevices();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTableWidget *table = tableOf(dialog);
    QSignalSpy finished(&dialog, &QDialog::finished);

    // No row yet: Enter asks, as OK does, and No keeps the dialog open.
    {
        ModalAnswerer answerer(QMessageBox::No);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(answerer.messages(), QStringList{noDeviceSelected});
    }
    QCOMPARE(finished.count(), 0);

    clickCell(table, 1, 0);
    ModalAnswerer answerer;
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedRow(), 1);
    QVERIFY(answerer.messages().isEmpty());
}

void TestInstrumentSelectionDialog::filledTableStillSharesTheHeader()
{
    InstrumentSelectionDialog dialog;
    dialog.searchDevices();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTableWidget *table = tableOf(dialog);
    auto *header = qobject_cast<TableHeader *>(table->horizontalHeader());
    QVERIFY(header);

    // The columns were sized to their contents; the next resize of the
    // dialog shares the width by weight again.
    dialog.resize(dialog.width() + 100, dialog.height());
    const int position = header->fontMetrics().horizontalAdvance("Position") + 4;
    QTRY_COMPARE(header->sectionSize(0), (header->width() - position) / 4 * 2);
    QCOMPARE(header->sectionSize(1), header->sectionSize(0));
    QVERIFY(header->sectionSize(2) >= position);
    QVERIFY(header->sectionSize(2) < position + 4);
}

DWAV_TEST_MAIN(TestInstrumentSelectionDialog)
#include "tst_instrumentselectiondialog.moc"
