#include "DWAVPanelData.h"

#include "DWAVModule.h"
#include "MainWindow.h"

DWAVPanelData::DWAVPanelData(DWAVModule *module, MainWindow *window, int initResult,
                             int *visibleFlag, QObject *parent)
    : QObject(parent),
      m_module(module),
      m_window(window),
      m_initResult(initResult),
      m_visibleFlag(visibleFlag)
{
    if (m_window)
        connect(m_window.data(), &MainWindow::panelClosed, this, &DWAVPanelData::onPanelClosed,
                Qt::AutoConnection);
    setVisibleFlag(1);
}

DWAVPanelData::~DWAVPanelData()
{
    if (m_window)
        m_window->deleteLater();
}

DWAVModule *DWAVPanelData::module() const
{
    return m_module;
}

MainWindow *DWAVPanelData::window() const
{
    return m_window;
}

void DWAVPanelData::setVisibleFlag(int value)
{
    if (m_visibleFlag)
        *m_visibleFlag = value;
}

MainWindow *DWAVPanelData::takeWindow()
{
    MainWindow *window = m_window;
    m_window = nullptr;
    return window;
}

void DWAVPanelData::onPanelClosed()
{
    setVisibleFlag(0);
}
