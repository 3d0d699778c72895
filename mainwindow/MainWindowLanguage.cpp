// Switching the panel between Russian and English at run time.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "CalibrationDialog.h"
#include "Dimensions.h"
#include "ServiceDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

void MainWindow::switchLanguage()
{
    // Retranslating refills selectors and refreshes widgets from the module;
    // none of that is an edit to configure.
    ++refreshDepth;
    if (!panelTranslator) {
        panelTranslator = new QTranslator(this);
        qtTranslator = new QTranslator(this);
    }
    const QString current = languageAction->property("CurrentLanguage").toString();
    const QString language = current.compare(QLatin1String("ru"), Qt::CaseInsensitive) == 0
        ? QStringLiteral("en")
        : QStringLiteral("ru");

    // Installing prepends even a translator that is already in the list, so
    // the pair is taken out first: each stays in once and is searched first.
    QCoreApplication::removeTranslator(panelTranslator);
    QCoreApplication::removeTranslator(qtTranslator);
    panelTranslator->load(QStringLiteral("dwav_%1.qm").arg(language));
    qtTranslator->load(QStringLiteral("qtbase_%1.qm").arg(language));
    QCoreApplication::installTranslator(panelTranslator);
    QCoreApplication::installTranslator(qtTranslator);
    languageAction->setProperty("CurrentLanguage", language);

    Dimensions::instance()->fillDimensions();
    retranslateUi();
    retranslateSettingsDialogs();
    calibrationDialog->retranslate();
    serviceDialog->retranslate();

    // The whole title, so that with several panels open each still names
    // its module.
    updateWindowTitle();
    setStartButtonState(form->startDWAVPushButton->property("StartButtonState").toInt());
    --refreshDepth;
}

void MainWindow::retranslateUi()
{
    form->retranslateUi(this);
    setActionTexts();
    tcontCaptionLabel->setText(tr("Tcont"));
    tcardCaptionLabel->setText(tr("Tcard"));
    createMenus();
    initComboBoxes();
    updateWidgets(false, false);
}
