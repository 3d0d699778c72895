#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include "dwav_visa.h"

class DWAVPanelData;
class QTranslator;

// The process-wide application object. In the panel library it creates the
// QApplication when the host has none and keeps one panel per mezzanine
// position; in the standalone program it runs the application.
class MainApp : public QObject
{
    Q_OBJECT

public:
    // Created on the first call and again after destroyInstance(); nullptr
    // once the process has begun to exit. The first creation registers an
    // exit handler that tears the panels down.
    static MainApp *instance();
    // Closes and destroys the remaining panels and the object itself, on the
    // GUI thread only (elsewhere it does nothing); run when the library is
    // unloaded and at process exit. When the QApplication is already gone,
    // the host's flags are written 0 and the modules' sessions released, but
    // no Qt object is destroyed.
    static void destroyInstance();

    // Whether this process can show a panel: the host's application object,
    // if it has one, must be a QApplication, since creating a widget under a
    // QCoreApplication or a QGuiApplication aborts the process. Says why
    // not as a critical message.
    static bool canShowPanels();

    // A position's panel drives the module of the carrier it was opened for.
    // Whether the position holds the panel of a carrier other than the
    // session's; the same carrier through another session is not another.
    bool isHeldByOtherCarrier(ViSession carrierSession, ushort mezNum) const;
    // Whether the session's carrier may have the panel of that position: not
    // while another carrier's panel holds it. Says why not as a critical
    // message.
    bool canOpenPanel(ViSession carrierSession, ushort mezNum) const;

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
    void releasePanelsWithoutQt();
    void releasePanelWithoutQt(ushort mezNum, DWAVPanelData *record);

    int m_loggerIndex = -1;
    QString m_applicationPath;
    QHash<ushort, DWAVPanelData *> m_panels;
    // The start-up translations by file, installed for the process; as
    // children of this object they uninstall themselves when it goes. The
    // windows' own translators are installed above them.
    QHash<QString, QTranslator *> m_translators;
    bool m_translationsLoaded = false;
};
