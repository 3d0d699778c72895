#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

// Ties editing widgets to parameter keys through dynamic properties:
//   DWAV_ParameterType     which parameter set ("DWAV_AFGParameters", ...)
//   DWAV_SubParameterType  the signal-form sub-set inside an AFG set
//   DWAV_ParameterName     the key
//   DWAV_ParameterValue    the value, written by the module before a refresh
//   DWAV_ParameterConstValue  the value a radio button stands for
// One instance serves the whole process; only the main window ever sets a
// config receiver, and only around its own collection.
class CommonWidgetFunctions : public QObject
{
    Q_OBJECT

public:
    static CommonWidgetFunctions *instance();

    void setConfigReceiver(QObject *receiver);
    QObject *configReceiver() const { return m_configReceiver; }

    // Walks root's widget children depth first, appends every tagged widget
    // not yet in the list and, with a receiver set, connects it.
    void connectParameterWidgets(QWidget *root, QList<QWidget *> *widgets);
    // Connects the widget's change signal to the receiver's on_performConfig().
    void connectWidget(QObject *widget);
    // Shows the widget's DWAV_ParameterValue; blocks no signals.
    void setWidgetValue(QObject *widget, bool setSpinBoxMinimum);

    static QPixmap svgPixmap(const QString &path, const QSize &size);

private:
    CommonWidgetFunctions();

    QObject *m_configReceiver = nullptr;
};
