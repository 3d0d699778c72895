#pragma once

#include <QObject>
#include <QPointer>

class DWAVModule;
class MainWindow;

// One panel of the library: the module, its window, the module's
// initialisation result and the host's visible flag.
class DWAVPanelData : public QObject
{
    Q_OBJECT

public:
    DWAVPanelData(DWAVModule *module, MainWindow *window, int initResult, int *visibleFlag,
                  QObject *parent = nullptr);
    // Schedules the deletion of a window that is still held.
    ~DWAVPanelData() override;

    DWAVModule *module() const;
    MainWindow *window() const;
    int initResult() const { return m_initResult; }
    int *visibleFlag() const { return m_visibleFlag; }

    // Writes into the host's flag; nothing happens for a null address.
    void setVisibleFlag(int value);

    // Hands the window over to a caller that destroys it at once.
    MainWindow *takeWindow();

public slots:
    void onPanelClosed();

private:
    Q_DISABLE_COPY(DWAVPanelData)

    QPointer<DWAVModule> m_module;
    // Guarded: a window the host or the user got rid of must not be
    // scheduled for deletion a second time.
    QPointer<MainWindow> m_window;
    int m_initResult;
    int *m_visibleFlag;
};
