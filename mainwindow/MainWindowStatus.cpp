// Status bar, state indicator and polling of the main window.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "CommonWidgetFunctions.h"
#include "DWAVModule.h"
#include "Logger.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QStatusBar>
#include <QTimer>

namespace {

QWidget *separator(QWidget *parent)
{
    auto *line = new QWidget(parent);
    line->setFixedWidth(1);
    line->setStyleSheet(QStringLiteral("background-color: #c0c0c0;"));
    return line;
}

QString stateIconPath(unsigned code)
{
    switch (code) {
    case 0: return QStringLiteral(":/images/crystal/32px/1431633526_player_play.png");
    case 1: return QStringLiteral(":/images/crystal/32px/1431633615_player_stop.png");
    case 2: return QStringLiteral(":/images/crystal/32px/1431631289_quick_restart.png");
    case 3: return QStringLiteral(":/images/crystal/32px/1431631116_Service-Manager.png");
    case 4: return QStringLiteral(":/images/document-save.svg");
    case 5: return QStringLiteral(":/images/document-open.svg");
    case 6: return QStringLiteral(":/images/crystal/32px/Play-1-Disabled-icon-32.png");
    case 7: return QStringLiteral(":/images/crystal/32px/1431631296_logout.png");
    case 8: return QStringLiteral(":/images/crystal/32px/Play-1-Normal-icon-32.png");
    case 9: return QStringLiteral(":/images/process-stop.svg");
    case 10: return QStringLiteral(":/images/crystal/32px/1431631281_alert.png");
    case 11: return QStringLiteral(":/images/crystal/32px/1431633418_documentinfo.png");
    case 12: return QStringLiteral(":/images/crystal/32px/1431631111_clean.png");
    default: return QString();
    }
}

const int kIconSize = 20;

// The indicator remembers the code of the icon it shows, so that a poll
// that finds the same state builds no new icon: every new icon fills Qt's
// pixmap cache anew when it is painted.
const char kStateIconCode[] = "DWAV_StateIconCode";

// A temperature caption, a narrow gap and the value label beside it.
void addTemperature(QWidget *strip, QHBoxLayout *layout, const QString &caption,
                    const QString &name, QLabel **captionLabel, QLabel **valueLabel)
{
    *captionLabel = new QLabel(caption, strip);
    (*captionLabel)->setObjectName(name + QStringLiteral("CaptionLabel"));
    (*captionLabel)->setMaximumWidth(50);
    layout->addWidget(*captionLabel);
    layout->addItem(new QSpacerItem(5, kIconSize, QSizePolicy::Minimum, QSizePolicy::Minimum));
    *valueLabel = new QLabel(QStringLiteral(" \u00B0C"), strip);
    (*valueLabel)->setObjectName(name + QStringLiteral("ValueLabel"));
    (*valueLabel)->setMinimumWidth(70);
    (*valueLabel)->setMaximumWidth(70);
    layout->addWidget(*valueLabel);
}

} // namespace

void MainWindow::createStatusBar()
{
    auto *strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("statusStripFrame"));
    strip->setFrameStyle(QFrame::NoFrame | QFrame::Sunken);
    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(5, 0, 0, 0);

    iconLabel = new QLabel(strip);
    iconLabel->setObjectName(QStringLiteral("statusIconLabel"));
    iconLabel->setMaximumWidth(kIconSize);
    iconLabel->setPixmap(CommonWidgetFunctions::svgPixmap(
        QStringLiteral(":/images/preferences-desktop-notification.svg"), QSize(kIconSize, kIconSize)));
    layout->addWidget(iconLabel);
    layout->addWidget(separator(strip));

    messageLabel = new QLabel(tr("This is an informational string!"), strip);
    messageLabel->setObjectName(QStringLiteral("statusMessageLabel"));
    messageLabel->setWordWrap(true);
    layout->addWidget(messageLabel);
    layout->addItem(new QSpacerItem(10, kIconSize, QSizePolicy::Minimum, QSizePolicy::Minimum));
    layout->addWidget(separator(strip));
    layout->addItem(new QSpacerItem(10, kIconSize, QSizePolicy::Minimum, QSizePolicy::Minimum));

    // A display, never pressed: it lets mouse events through and takes no focus.
    stateIndicator = new QPushButton(QIcon(stateIconPath(2)), tr("Reset"), strip);
    stateIndicator->setProperty(kStateIconCode, 2u);
    stateIndicator->setObjectName(QStringLiteral("stateIndicatorPushButton"));
    stateIndicator->setCheckable(false);
    stateIndicator->setFlat(true);
    stateIndicator->setAttribute(Qt::WA_TransparentForMouseEvents);
    stateIndicator->setFocusPolicy(Qt::NoFocus);
    stateIndicator->setStyleSheet(QStringLiteral("QPushButton {text-align: center;padding:3px;}"));
    stateIndicator->setMaximumWidth(170);
    layout->addWidget(stateIndicator);
    layout->addWidget(separator(strip));

    addTemperature(strip, layout, tr("Tcont"), QStringLiteral("tcont"), &tcontCaptionLabel,
                   &tcontValueLabel);
    layout->addWidget(separator(strip));
    addTemperature(strip, layout, tr("Tcard"), QStringLiteral("tcard"), &tcardCaptionLabel,
                   &tcardValueLabel);

    statusBar()->addWidget(strip, 1);
    statusBar()->setSizeGripEnabled(false);

    Logger *logger = Logger::instance(position);
    logger->setMessageLabel(messageLabel);
    logger->setIconLabel(iconLabel);
    errorSerialSeen = module->lastErrorSerial();
}

void MainWindow::setStateIcon(unsigned code, const QString &text)
{
    // A command's outcome replaces the one before. A failure then stays
    // while the module goes on as it was: the poll would otherwise write
    // the unchanged state over it within a tick, and the operator would
    // never learn that the command failed.
    failureHeld = code == 9;
    failureState = polledState;
    showStateIcon(code, text);
}

void MainWindow::showStateIcon(unsigned code, const QString &text)
{
    // The strip is built after the first refresh of the widgets.
    if (!stateIndicator)
        return;
    stateIndicator->setText(text);
    const QVariant shown = stateIndicator->property(kStateIconCode);
    if (!shown.isValid() || shown.toUInt() != code) {
        const QString path = stateIconPath(code);
        stateIndicator->setIcon(path.isEmpty() ? QIcon() : QIcon(path));
        stateIndicator->setProperty(kStateIconCode, code);
    }
    // Only a text the module set since the window last looked is this
    // failure's own: a refusal that asks no driver (a start by command on
    // a module never configured) leaves an earlier failure's text behind.
    const quint64 serial = module->lastErrorSerial();
    const bool fresh = serial != errorSerialSeen;
    errorSerialSeen = serial;
    if (code == 9 && fresh && !module->lastErrorMessage().isEmpty()) {
        Logger::instance(position)->status(
            tr("Instrument error: '%1'").arg(module->lastErrorMessage()), QString());
    }
}

void MainWindow::onTimeoutEvent()
{
    // The version warning runs its own event loop, in which the host may
    // close and destroy this panel.
    QPointer<MainWindow> alive(this);
    checkInstrumentVersion();
    if (!alive)
        return;
    updateTemperatureLabels();
    updateGenerationState();
    // The first poll comes soon after the window opens, the rest at a pace
    // the module can serve.
    if (pollingTimer->interval() != 500)
        pollingTimer->setInterval(500);
}

void MainWindow::checkInstrumentVersion()
{
    if (versionChecked || !module->isInitialized())
        return;
    // Set before the box opens: the timer keeps running while it is shown.
    versionChecked = true;
    const QString mismatch = module->compareVersions();
    if (mismatch.isEmpty())
        return;
    // On the heap rather than the stack: should the window be destroyed while
    // the box waits, the box dies with it and must not be freed a second time.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, tr("Instrument version check"),
                                                mismatch, QMessageBox::Ok, this);
    box->exec();
    delete box.data();
}

void MainWindow::updateTemperatureLabels()
{
    double tcont = 0;
    double tcard = 0;
    module->getTemperature(&tcont, &tcard);
    tcontValueLabel->setText(QString::number(tcont, 'f', 2) + QStringLiteral(" \u00B0C"));
    tcardValueLabel->setText(QString::number(tcard, 'f', 2) + QStringLiteral(" \u00B0C"));
}

int MainWindow::updateGenerationState(bool afterCommand)
{
    if (afterCommand)
        failureHeld = false;
    int code = 0;
    if (module->checkState(&code) != 0) {
        // The poll's own failure, shown on every tick while it lasts.
        showStateIcon(9, tr("Error"));
        return code;
    }
    errorSerialSeen = module->lastErrorSerial();
    polledState = code;
    // A failure that came before the first reading takes this one as the
    // state it came in.
    if (failureHeld && failureState < 0)
        failureState = code;
    failureHeld = failureHeld && code == failureState;

    Logger *logger = Logger::instance(position);
    // While a command's failure is in view the indicator and the message
    // line keep it; the module's flag and the start button follow the state.
    auto show = [this, logger](unsigned icon, const QString &text, const QString &message) {
        if (failureHeld)
            return;
        showStateIcon(icon, text);
        if (!message.isEmpty())
            logger->status(message, QString());
    };
    // The start button, too, gets its text and icon again only when its
    // state changes (the language switch re-applies them itself).
    auto followStart = [this](int state) {
        if (form->startDWAVPushButton->property("StartButtonState").toInt() != state)
            setStartButtonState(state);
    };
    switch (code) {
    case 0:
        show(6, tr("No generation"), QString());
        module->setGenerating(false);
        followStart(0);
        break;
    case 1:
        show(7, tr("Awaits event"),
             tr("DWAV was configured to start by Command. Push \"Program start\" "
                "button at Synchronization settings panel to start generation."));
        module->setGenerating(false);
        followStart(2);
        break;
    case 2:
        show(7, tr("Delay countdown"), tr("DWAV will be started after setted delay."));
        module->setGenerating(true);
        followStart(3);
        break;
    case 3:
        show(8, tr("Generating"), tr("Signal is being generated."));
        module->setGenerating(true);
        followStart(1);
        break;
    default:
        break;
    }
    return code;
}

void MainWindow::followModuleState()
{
    // In DEMO mode nothing runs, and a state query would only fail.
    if (module->isInitialized())
        updateGenerationState();
}
