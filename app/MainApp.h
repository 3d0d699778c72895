#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include "dwav_visa.h"

class DWAVPanelData;

// The process-wide application object. In the panel library it creates the
// QApplication when the host has none and keeps one panel per mezzanine
// position; in the standalone program it runs the application.
class MainApp : public QObject
{
    Q_OBJECT

public:
    // Created on the first call; deleted by an exit handler registered at
    // that moment, which runs at process exit or when the library is unloaded.
    static MainApp *instance();
    // Closes and destroys the remaining panels and the object itself; run
    // at process exit or unload on the GUI thread, later calls do nothing.
    static void destroyInstance();

    void initApplication(int argc, char **argv);
    void loadTranslations();
    bool loadTranslation(const QString &file);

    // Library path: the panel of a position, created unless it exists.
    // Returns the module's initialisation result of the panel's creation.
    int initPanel(ViSession carrierSession, ushort mezNum, ushort idQuery, ushort resetDevice,
                  void *handleOut, int *visibleFlag);
    int createPanel(ViSession carrierSession, ushort mezNum, ushort idQuery, ushort resetDevice,
                    void *handleOut, int *visibleFlag);
    int displayPanel(ushort mezNum);
    int hidePanel(ushort mezNum);
    int closePanel(ushort mezNum);

    // Standalone run (MainAppStandalone.cpp).
    int exec(int argc, char **argv);
    int execGuarded(int argc, char **argv);

    int loggerIndex() const { return m_loggerIndex; }
    QString applicationPath() const { return m_applicationPath; }
    // The open panel of a position, or nullptr.
    DWAVPanelData *panel(ushort mezNum) const { return m_panels.value(mezNum, nullptr); }
    QList<ushort> panelPositions() const { return m_panels.keys(); }

signals:
    void showMezPanel(int mezNum);
    void hideMezPanel(int mezNum);
    void closeMezPanel(int mezNum);

private slots:
    void onShowMezPanel(int mezNum);
    void onHideMezPanel(int mezNum);
    void onCloseMezPanel(int mezNum);

private:
    MainApp();
    ~MainApp() override;
    Q_DISABLE_COPY(MainApp)

    void destroyPanel(DWAVPanelData *record);

    int m_loggerIndex = -1;
    QString m_applicationPath;
    QHash<ushort, DWAVPanelData *> m_panels;
    bool m_translationsLoaded = false;
};
