#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QVariant>

class DWAVModule;
class IParameter;
class QAbstractButton;
class QDialogButtonBox;
class QWidget;

// What the channel, synchronisation and modulator settings have in common:
// the dialog edits pending copies of parameter sets of the module, which
// reach the module only through applyParameters() (Apply, OK, the main
// window's Configure, a language switch) or restoreDefaults(). A dialog is
// a non-modal top-level child of the main window.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    ~SettingsDialog() override;

    // Apply becomes the default button and takes the focus; the main window
    // calls this before each show.
    void focusDefaultButton();
    // Shows the module's values. The pending values become the module's
    // first, so a value that the module changed (a settings file, a
    // read-back) is not overwritten by an older pending one at the next
    // Configure.
    void updateWidgets(bool setMinimum);
    // Writes the default sets into the module, then shows what it holds.
    void restoreDefaults();
    // Puts the texts of the current language in again.
    virtual void retranslate() = 0;

signals:
    void performConfig();

public slots:
    // Every key of every pending set goes into the module, edited or not;
    // nothing reaches the device and nothing is emitted.
    void applyParameters();

protected:
    SettingsDialog(DWAVModule *module, QWidget *parent);

    // Collects the tagged widgets of the form; connects nothing.
    void collectParameterWidgets();
    void lockParameterWidgets();
    void unlockParameterWidgets();
    // Takes over the parent's style sheet and becomes a window of its own.
    void becomeTopLevel(QWidget *parent);
    void setButtonBox(QDialogButtonBox *buttonBox) { m_buttonBox = buttonBox; }
    // OK and Apply apply, Cancel takes the module's values back, Restore
    // Defaults restores; after all but Cancel performConfig() follows when
    // Auto config is on.
    void handleButton(QAbstractButton *button);

    // The sets the dialog edits, index 0 and, for two channels, 1.
    virtual int setCount() const { return 1; }
    virtual IParameter *pendingSet(int index) = 0;
    virtual IParameter *defaultSet(int index) = 0;
    virtual IParameter *moduleSet(int index) const = 0;
    virtual void writeToModule(int index, const QString &key, const QVariant &value) = 0;

    int position = -1;
    DWAVModule *module = nullptr;
    QList<QWidget *> parameterWidgets;

private:
    // Index of the set a widget edits: channel 2 when its name says so.
    int setIndexOf(const QWidget *widget) const;
    // A spin box clamps and rounds, a combo box without the value's item
    // keeps its choice: the pending set then holds what is shown.
    void keepShownValue(QWidget *widget);

    QDialogButtonBox *m_buttonBox = nullptr;
};
