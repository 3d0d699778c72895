#include "CommonWidgetFunctions.h"

#include "BindingNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QVariant>
#include <QWidget>

namespace {
const char *const kParameterType = BindingNames::parameterType;
const char *const kParameterValue = BindingNames::parameterValue;
const char *const kParameterConstValue = BindingNames::parameterConstValue;
}

CommonWidgetFunctions::CommonWidgetFunctions()
    : QObject(nullptr)
{
}

CommonWidgetFunctions *CommonWidgetFunctions::instance()
{
    static CommonWidgetFunctions functions;
    return &functions;
}

void CommonWidgetFunctions::setConfigReceiver(QObject *receiver)
{
    m_configReceiver = receiver;
}

void CommonWidgetFunctions::connectParameterWidgets(QWidget *root, QList<QWidget *> *widgets)
{
    if (!root || !widgets)
        return;
    for (QObject *child : root->children()) {
        // Layouts and actions are neither bound nor hold bound widgets.
        if (!child->isWidgetType())
            continue;
        QWidget *widget = static_cast<QWidget *>(child);
        if (widget->property(kParameterType).isValid() && !widgets->contains(widget)) {
            widgets->append(widget);
            if (m_configReceiver)
                connectWidget(widget);
        }
        if (!widget->children().isEmpty())
            connectParameterWidgets(widget, widgets);
    }
}

void CommonWidgetFunctions::connectWidget(QObject *widget)
{
    if (!widget || !m_configReceiver)
        return;
    const char *signal = nullptr;
    // Spin boxes report only finished edits, so stepping through values does
    // not configure the module at every step.
    if (qobject_cast<QGroupBox *>(widget))
        signal = SIGNAL(toggled(bool));
    else if (qobject_cast<QComboBox *>(widget))
        signal = SIGNAL(currentIndexChanged(int));
    else if (qobject_cast<QSpinBox *>(widget) || qobject_cast<QDoubleSpinBox *>(widget))
        signal = SIGNAL(editingFinished());
    else if (qobject_cast<QRadioButton *>(widget))
        signal = SIGNAL(toggled(bool));
    else if (qobject_cast<QCheckBox *>(widget))
        signal = SIGNAL(toggled(bool));
    if (signal)
        connect(widget, signal, m_configReceiver, SLOT(on_performConfig()));
}

void CommonWidgetFunctions::setWidgetValue(QObject *widget, bool setSpinBoxMinimum)
{
    if (!widget)
        return;
    const QVariant value = widget->property(kParameterValue);
    // A key the module does not know yields no value; showing 0 for it would
    // put a number on screen that nothing holds.
    if (!value.isValid())
        return;

    if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        box->setChecked(value.toUInt() != 0 ? true : value.toBool());
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        const uint wanted = value.toUInt();
        for (int i = 0; i < combo->count(); ++i) {
            const QVariant data = combo->itemData(i, Qt::UserRole);
            // An item without data stands for no value at all.
            if (data.isValid() && data.toUInt() == wanted) {
                combo->setCurrentIndex(i);
                break;
            }
        }
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        const int number = static_cast<int>(value.toUInt());
        if (setSpinBoxMinimum && spin->minimum() != number)
            spin->setMinimum(number);
        spin->setValue(number);
    } else if (auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(widget)) {
        doubleSpin->setValue(value.toDouble());
    } else if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
        const QVariant constant = widget->property(kParameterConstValue);
        if (constant.isValid() && constant.toUInt() == value.toUInt())
            radio->setChecked(true);
    } else if (auto *check = qobject_cast<QCheckBox *>(widget)) {
        check->setChecked(value.toInt() != 0);
    }
}

QPixmap CommonWidgetFunctions::svgPixmap(const QString &path, const QSize &size)
{
    QSvgRenderer renderer(path);
    QSize imageSize = size;
    if (size.width() == -1 && size.height() == -1)
        imageSize = renderer.defaultSize();
    if (!renderer.isValid() || imageSize.isEmpty())
        return QPixmap();

    QImage image(imageSize, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(image.rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}
