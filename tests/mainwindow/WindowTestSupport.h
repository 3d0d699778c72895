#pragma once

// Shared steps of the main window tests: a module opened on the simulated
// bench, the bench's journal, and what the window shows.

#include "BenchSupport.h"
#include "ModalAnswerer.h"
#include "ModuleOnBench.h"
#include "SettingsDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace WindowTest {

using Bench::Call;
using Bench::callsOf;
using Bench::countOf;
using Bench::journal;
using Bench::openModule;

// Driver calls that send a configuration to the module.
inline int configurationCalls()
{
    int n = 0;
    for (const Call &call : journal())
        if (call.function.startsWith(QLatin1String("tvkdwav_config_"))
            && !call.function.endsWith(QLatin1String("_q")))
            ++n;
    return n;
}

// What the status bar shows.
inline QString indicatorText(QWidget *window)
{
    auto *indicator = window->findChild<QPushButton *>(QStringLiteral("stateIndicatorPushButton"));
    return indicator ? indicator->text() : QStringLiteral("<no indicator>");
}

inline QString messageText(QWidget *window)
{
    auto *label = window->findChild<QLabel *>(QStringLiteral("statusMessageLabel"));
    return label ? label->text() : QStringLiteral("<no label>");
}

inline int startButtonState(QWidget *window)
{
    return window->findChild<QPushButton *>(QStringLiteral("startDWAVPushButton"))
        ->property("StartButtonState")
        .toInt();
}

// The settings dialogs take what the module holds, as after a settings load;
// otherwise the next Configure hands their own pending values over.
inline void dialogsTakeModuleValues(QWidget *window)
{
    for (SettingsDialog *dialog : window->findChildren<SettingsDialog *>())
        dialog->updateWidgets(false);
}

} // namespace WindowTest
