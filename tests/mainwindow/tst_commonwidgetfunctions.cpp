#include "CommonWidgetFunctions.h"
#include "ParameterTypes.h"
#include "TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

// Stands in for the main window: counts configuration requests.
class ConfigReceiver : public QObject
{
    Q_OBJECT
public:
    int calls = 0;
public slots:
    void on_performConfig() { ++calls; }
};

namespace {

void tag(QWidget *w, const QString &key, const QVariant &value = QVariant())
{
    w->setProperty("DWAV_ParameterType", QStringLiteral("DWAV_AWGParameters"));
    w->setProperty("DWAV_ParameterName", key);
    if (value.isValid())
        w->setProperty("DWAV_ParameterValue", value);
}

void fillCombo(QComboBox *combo)
{
    combo->addItem(QStringLiteral("a"), 10);
    combo->addItem(QStringLiteral("b"), 2);
    combo->addItem(QStringLiteral("c"), 5);
}

} // namespace

class TestCommonWidgetFunctions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ParameterTypes::registerTypes(); }
    void cleanup() { CommonWidgetFunctions::instance()->setConfigReceiver(nullptr); }

    void collectsDepthFirstOnce();
    void connectsTheChangeSignalOfEachClass();
    void withoutReceiverListsButDoesNotConnect();
    void groupBoxValues_data();
    void groupBoxValues();
    void comboBoxMatchesItemData();
    void comboBoxWithoutMatchKeepsItem();
    void spinBoxMinimumOption_data();
    void spinBoxMinimumOption();
    void doubleSpinBoxValue();
    void radioButtonConstants();
    void checkBoxValues_data();
    void checkBoxValues();
    void invalidValueLeavesWidget();
    void registeredEnumerationsConvert_data();
    void registeredEnumerationsConvert();
    void svgPixmapRendersTransparent();
    void svgPixmapOfMissingFileIsNull();
};

void TestCommonWidgetFunctions::collectsDepthFirstOnce()
{
    QWidget root;
    auto *layout = new QVBoxLayout(&root);
    auto *first = new QSpinBox(&root);
    tag(first, "numCycles");
    auto *container = new QWidget(&root);  // untagged
    auto *inner = new QDoubleSpinBox(container);
    tag(inner, "numPacks");
    auto *taggedBox = new QGroupBox(&root);  // tagged and holding a tagged child
    tag(taggedBox, "awgMode");
    auto *innerRadio = new QRadioButton(taggedBox);
    tag(innerRadio, "chan");
    auto *untagged = new QCheckBox(&root);
    layout->addWidget(first);
    layout->addWidget(container);
    layout->addWidget(taggedBox);
    layout->addWidget(untagged);

    QList<QWidget *> widgets;
    CommonWidgetFunctions::instance()->connectParameterWidgets(&root, &widgets);
    const QList<QWidget *> expected{first, inner, taggedBox, innerRadio};
    QCOMPARE(widgets, expected);

    // A second walk over the same list finds nothing new.
    CommonWidgetFunctions::instance()->connectParameterWidgets(&root, &widgets);
    QCOMPARE(widgets, expected);
}

void TestCommonWidgetFunctions::connectsTheChangeSignalOfEachClass()
{
    QWidget root;
    auto *group = new QGroupBox(&root);
    group->setCheckable(true);
    auto *combo = new QComboBox(&root);
    fillCombo(combo);
    auto *spin = new QSpinBox(&root);
    auto *doubleSpin = new QDoubleSpinBox(&root);
    auto *radio = new QRadioButton(&root);
    auto *check = new QCheckBox(&root);
    for (QWidget *w : {static_cast<QWidget *>(group), static_cast<QWidget *>(combo),
                       static_cast<QWidget *>(spin), static_cast<QWidget *>(doubleSpin),
                       static_cast<QWidget *>(radio), static_cast<QWidget *>(check)})
        tag(w, "numCycles");

    ConfigReceiver receiver;
    QList<QWidget *> widgets;
    CommonWidgetFunctions::instance()->setConfigReceiver(&receiver);
    CommonWidgetFunctions::instance()->connectParameterWidgets(&root, &widgets);
    // Collecting again must not connect a second time.
    CommonWidgetFunctions::instance()->connectParameterWidgets(&root, &widgets);
    QCOMPARE(widgets.size(), 6);

    group->setChecked(false);
    QCOMPARE(receiver.calls, 1);
    combo->setCurrentIndex(2);
    QCOMPARE(receiver.calls, 2);
    // Stepping a spin box is no finished edit.
    spin->setValue(7);
    doubleSpin->setValue(3.5);
    QCOMPARE(receiver.calls, 2);
    emit spin->editingFinished();
    QCOMPARE(receiver.calls, 3);
    emit doubleSpin->editingFinished();
    QCOMPARE(receiver.calls, 4);
    radio->setChecked(true);
    QCOMPARE(receiver.calls, 5);
    check->setChecked(true);
    QCOMPARE(receiver.calls, 6);
}

void TestCommonWidgetFunctions::withoutReceiverListsButDoesNotConnect()
{
    QWidget root;
    auto *check = new QCheckBox(&root);
    tag(check, "numCycles");
    ConfigReceiver receiver;
    QList<QWidget *> widgets;
    CommonWidgetFunctions::instance()->connectParameterWidgets(&root, &widgets);
    QCOMPARE(widgets.size(), 1);
    CommonWidgetFunctions::instance()->setConfigReceiver(&receiver);
    check->setChecked(true);
    QCOMPARE(receiver.calls, 0);
}

void TestCommonWidgetFunctions::groupBoxValues_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("checked");
    QTest::newRow("uint 0") << QVariant(0u) << false;
    QTest::newRow("uint 3") << QVariant(3u) << true;
    QTest::newRow("bool true") << QVariant(true) << true;
    QTest::newRow("bool false") << QVariant(false) << false;
    QTest::newRow("chanState on") << QVariant::fromValue(ChanOn) << true;
    QTest::newRow("chanState off") << QVariant::fromValue(ChanOff) << false;
}

void TestCommonWidgetFunctions::groupBoxValues()
{
    QFETCH(QVariant, value);
    QFETCH(bool, checked);
    QGroupBox box;
    box.setCheckable(true);
    box.setChecked(!checked);
    tag(&box, "levelLimit", value);
    CommonWidgetFunctions::instance()->setWidgetValue(&box, false);
    QCOMPARE(box.isChecked(), checked);
}

void TestCommonWidgetFunctions::comboBoxMatchesItemData()
{
    QComboBox combo;
    fillCombo(&combo);
    tag(&combo, "freqModifier", QVariant(5));
    CommonWidgetFunctions::instance()->setWidgetValue(&combo, false);
    QCOMPARE(combo.currentIndex(), 2);
    combo.setProperty("DWAV_ParameterValue", QVariant(10u));
    CommonWidgetFunctions::instance()->setWidgetValue(&combo, false);
    QCOMPARE(combo.currentIndex(), 0);
}

void TestCommonWidgetFunctions::comboBoxWithoutMatchKeepsItem()
{
    QComboBox combo;
    fillCombo(&combo);
    combo.setCurrentIndex(1);
    tag(&combo, "freqModifier", QVariant(1000));
    CommonWidgetFunctions::instance()->setWidgetValue(&combo, false);
    QCOMPARE(combo.currentIndex(), 1);

    // Items that carry no data stand for no value, not for 0.
    QComboBox plain;
    plain.addItems({QStringLiteral("x"), QStringLiteral("y")});
    plain.setCurrentIndex(1);
    tag(&plain, "freqModifier", QVariant(0));
    CommonWidgetFunctions::instance()->setWidgetValue(&plain, false);
    QCOMPARE(plain.currentIndex(), 1);
}

void TestCommonWidgetFunctions::spinBoxMinimumOption_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<uint>("value");
    QTest::addColumn<bool>("option");
    QTest::addColumn<int>("expectedMinimum");
    QTest::addColumn<int>("expectedValue");
    QTest::newRow("raised by the option") << 1 << 10u << true << 10 << 10;
    QTest::newRow("lowered by the option") << 5 << 3u << true << 3 << 3;
    QTest::newRow("kept without the option, clamped") << 5 << 3u << false << 5 << 5;
    QTest::newRow("kept without the option") << 1 << 10u << false << 1 << 10;
}

void TestCommonWidgetFunctions::spinBoxMinimumOption()
{
    QFETCH(int, minimum);
    QFETCH(uint, value);
    QFETCH(bool, option);
    QFETCH(int, expectedMinimum);
    QFETCH(int, expectedValue);
    QSpinBox spin;
    spin.setRange(minimum, 100);
    tag(&spin, "numCycles", QVariant(value));
    CommonWidgetFunctions::instance()->setWidgetValue(&spin, option);
    QCOMPARE(spin.minimum(), expectedMinimum);
    QCOMPARE(spin.value(), expectedValue);
    if (option) {
        // Below the new minimum nothing can be entered any more.
        spin.setValue(expectedMinimum - 1);
        QCOMPARE(spin.value(), expectedMinimum);
    }
}

void TestCommonWidgetFunctions::doubleSpinBoxValue()
{
    QDoubleSpinBox spin;
    spin.setDecimals(5);
    spin.setRange(-10, 10);
    tag(&spin, "Uup", QVariant(-2.5));
    CommonWidgetFunctions::instance()->setWidgetValue(&spin, true);
    QCOMPARE(spin.value(), -2.5);
    QCOMPARE(spin.minimum(), -10.0);  // the option concerns integer boxes only
}

void TestCommonWidgetFunctions::radioButtonConstants()
{
    QWidget group;
    auto *zero = new QRadioButton(&group);
    auto *one = new QRadioButton(&group);
    auto *unbound = new QRadioButton(&group);
    zero->setChecked(true);
    tag(zero, "awgMode", QVariant(1u));
    zero->setProperty("DWAV_ParameterConstValue", QVariant(0u));
    tag(one, "awgMode", QVariant(1u));
    one->setProperty("DWAV_ParameterConstValue", QVariant(1u));
    tag(unbound, "awgMode", QVariant(1u));

    auto *binding = CommonWidgetFunctions::instance();
    binding->setWidgetValue(zero, false);
    QVERIFY(zero->isChecked());  // a differing constant leaves the button alone
    binding->setWidgetValue(unbound, false);
    QVERIFY(!unbound->isChecked());
    binding->setWidgetValue(one, false);
    QVERIFY(one->isChecked());
    QVERIFY(!zero->isChecked());
    // An already checked button stays checked.
    binding->setWidgetValue(one, false);
    QVERIFY(one->isChecked());
}

void TestCommonWidgetFunctions::checkBoxValues_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("checked");
    QTest::newRow("int 0") << QVariant(0) << false;
    QTest::newRow("int 2") << QVariant(2) << true;
    QTest::newRow("bool true") << QVariant(true) << true;
    QTest::newRow("bool false") << QVariant(false) << false;
}

void TestCommonWidgetFunctions::checkBoxValues()
{
    QFETCH(QVariant, value);
    QFETCH(bool, checked);
    QCheckBox check;
    check.setChecked(!checked);
    tag(&check, "useQM", value);
    CommonWidgetFunctions::instance()->setWidgetValue(&check, false);
    QCOMPARE(check.isChecked(), checked);
}

void TestCommonWidgetFunctions::invalidValueLeavesWidget()
{
    QSpinBox spin;
    spin.setRange(1, 99);
    spin.setValue(42);
    tag(&spin, "noSuchKey");
    CommonWidgetFunctions::instance()->setWidgetValue(&spin, true);
    QCOMPARE(spin.value(), 42);
    QCOMPARE(spin.minimum(), 1);
}

void TestCommonWidgetFunctions::registeredEnumerationsConvert_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("number");
    QTest::newRow("afgSignalTypes multilevel") << QVariant::fromValue(AfgMultilevel) << 4;
    QTest::newRow("afgSignalTypes impulse") << QVariant::fromValue(AfgImpulse) << 2;
    QTest::newRow("modulType LFM") << QVariant::fromValue(ModulLFM) << 1;
    QTest::newRow("modulType FT") << QVariant::fromValue(ModulFT) << 5;
    QTest::newRow("awgDataFormat codes") << QVariant::fromValue(AwgDataDacCodes) << 1;
    QTest::newRow("chanState on") << QVariant::fromValue(ChanOn) << 1;
}

void TestCommonWidgetFunctions::registeredEnumerationsConvert()
{
    QFETCH(QVariant, value);
    QFETCH(int, number);
    auto *binding = CommonWidgetFunctions::instance();

    // Selectors carry their values as plain integers in the item data.
    QComboBox combo;
    for (int i = 0; i < 6; ++i)
        combo.addItem(QString::number(i), i);
    combo.setCurrentIndex(number == 0 ? 5 : 0);
    tag(&combo, "currentSignalType", value);
    binding->setWidgetValue(&combo, false);
    QCOMPARE(combo.currentIndex(), number);

    QSpinBox spin;
    tag(&spin, "nPoints", value);
    binding->setWidgetValue(&spin, false);
    QCOMPARE(spin.value(), number);

    QWidget group;
    auto *other = new QRadioButton(&group);
    auto *radio = new QRadioButton(&group);
    other->setChecked(true);
    tag(radio, "dataFormat", value);
    radio->setProperty("DWAV_ParameterConstValue", QVariant(uint(number)));
    binding->setWidgetValue(radio, false);
    QVERIFY(radio->isChecked());
}

void TestCommonWidgetFunctions::svgPixmapRendersTransparent()
{
    const QString path = QStringLiteral("dot.svg");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<svg xmlns='http://www.w3.org/2000/svg' width='40' height='30' viewBox='0 0 40 30'>"
               "<rect x='10' y='10' width='20' height='10' fill='#ff0000'/></svg>");
    file.close();

    const QPixmap sized = CommonWidgetFunctions::svgPixmap(path, QSize(20, 20));
    QCOMPARE(sized.size(), QSize(20, 20));
    const QImage image = sized.toImage();
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(image.pixelColor(10, 10).red(), 255);
    QCOMPARE(image.pixelColor(10, 10).alpha(), 255);

    const QPixmap natural = CommonWidgetFunctions::svgPixmap(path, QSize(-1, -1));
    QCOMPARE(natural.size(), QSize(40, 30));
}

void TestCommonWidgetFunctions::svgPixmapOfMissingFileIsNull()
{
    QVERIFY(CommonWidgetFunctions::svgPixmap(QStringLiteral("missing.svg"), QSize(20, 20)).isNull());
}

DWAV_TEST_MAIN(TestCommonWidgetFunctions)
#include "tst_commonwidgetfunctions.moc"
