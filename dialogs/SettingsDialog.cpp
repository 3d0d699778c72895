#include "SettingsDialog.h"

#include "BindingNames.h"
#include "CommonWidgetFunctions.h"
#include "DWAVModule.h"
#include "IParameter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>

SettingsDialog::SettingsDialog(DWAVModule *module, QWidget *parent)
    : QDialog(parent)
    , position(module ? module->mezNum() : -1)
    , module(module)
{
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::focusDefaultButton()
{
    if (!m_buttonBox)
        return;
    if (QPushButton *apply = m_buttonBox->button(QDialogButtonBox::Apply)) {
        apply->setDefault(true);
        apply->setFocus(Qt::OtherFocusReason);
    }
}

void SettingsDialog::collectParameterWidgets()
{
    CommonWidgetFunctions::instance()->connectParameterWidgets(this, &parameterWidgets);
}

void SettingsDialog::lockParameterWidgets()
{
    for (QWidget *widget : qAsConst(parameterWidgets)) {
        widget->setUpdatesEnabled(false);
        widget->blockSignals(true);
    }
}

void SettingsDialog::unlockParameterWidgets()
{
    for (QWidget *widget : qAsConst(parameterWidgets)) {
        widget->setUpdatesEnabled(true);
        widget->blockSignals(false);
    }
}

void SettingsDialog::becomeTopLevel(QWidget *parent)
{
    if (parent)
        setStyleSheet(parent->styleSheet());
    setWindowFlags(Qt::Window);
}

void SettingsDialog::applyParameters()
{
    if (!module)
        return;
    for (int i = 0; i < setCount(); ++i) {
        const IParameter::ParameterTable pending = pendingSet(i)->parameters();
        for (auto it = pending.constBegin(); it != pending.constEnd(); ++it)
            writeToModule(i, it.key(), it.value());
    }
}

void SettingsDialog::restoreDefaults()
{
    if (!module)
        return;
    for (int i = 0; i < setCount(); ++i) {
        const IParameter::ParameterTable defaults = defaultSet(i)->parameters();
        for (auto it = defaults.constBegin(); it != defaults.constEnd(); ++it)
            writeToModule(i, it.key(), it.value());
    }
    updateWidgets(false);
}

void SettingsDialog::updateWidgets(bool setMinimum)
{
    if (!module)
        return;
    for (int i = 0; i < setCount(); ++i) {
        if (IParameter *held = moduleSet(i))
            pendingSet(i)->assign(*held);
    }
    // Signals stay on: a group box, combo box or button that changes runs
    // its edit slot, which stores the same value again.
    CommonWidgetFunctions *binding = CommonWidgetFunctions::instance();
    for (QWidget *widget : qAsConst(parameterWidgets)) {
        module->updateWidgetFromParameter(widget);
        binding->setWidgetValue(widget, setMinimum);
        keepShownValue(widget);
    }
}

int SettingsDialog::setIndexOf(const QWidget *widget) const
{
    const bool second = widget->objectName().contains(QLatin1String("chan2"), Qt::CaseInsensitive);
    return second && setCount() > 1 ? 1 : 0;
}

void SettingsDialog::keepShownValue(QWidget *widget)
{
    const QVariant held = widget->property(BindingNames::parameterValue);
    if (!held.isValid())
        return;
    QVariant shown;
    if (auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(widget)) {
        if (doubleSpin->value() != held.toDouble())
            shown = doubleSpin->value();
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        if (spin->value() != held.toInt())
            shown = spin->value();
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        const QVariant data = combo->currentData(Qt::UserRole);
        if (data.isValid() && data.toUInt() != held.toUInt())
            shown = data;
    }
    if (shown.isValid()) {
        const QString key = widget->property(BindingNames::parameterName).toString();
        pendingSet(setIndexOf(widget))->setParameter(key, shown);
    }
}

void SettingsDialog::handleButton(QAbstractButton *button)
{
    if (!module || !m_buttonBox)
        return;
    switch (m_buttonBox->buttonRole(button)) {
    case QDialogButtonBox::AcceptRole:
    case QDialogButtonBox::ApplyRole:
        applyParameters();
        break;
    case QDialogButtonBox::RejectRole:
        updateWidgets(false);
        return;
    case QDialogButtonBox::ResetRole:
        restoreDefaults();
        break;
    default:
        return;
    }
    if (module->autoConfig())
        emit performConfig();
}
