#pragma once

// Shared steps of the main window tests: a module opened on the simulated
// bench, the bench's journal, and closing the modal boxes a window shows.

#include "DWAVModule.h"
#include "dwav_bench.h"
#include "dwav_visa.h"
#include "tvkbase_32.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <memory>

namespace WindowTest {

struct Call {
    QString function;
    QString arguments;
    qint32 status = 0;
    quint64 timeNs = 0;
};

inline QVector<Call> journal()
{
    QVector<Call> calls;
    const size_t count = dwavbench_journal_count();
    for (size_t i = 0; i < count; ++i) {
        dwavbench_call entry;
        if (dwavbench_journal_entry(i, &entry) != 0)
            continue;
        calls.append({QString::fromLatin1(entry.function), QString::fromLatin1(entry.arguments),
                      entry.status, entry.time_ns});
    }
    return calls;
}

inline QVector<Call> callsOf(const QString &function)
{
    QVector<Call> found;
    for (const Call &call : journal())
        if (call.function == function)
            found.append(call);
    return found;
}

inline int countOf(const char *function)
{
    return int(dwavbench_journal_count_of(function));
}

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

// The first carrier resource and position of the bench that hold a DWAV
// module, found through the ordinary VISA and carrier calls.
inline bool findModule(QString *resource, int *position)
{
    ViSession rm = 0;
    if (viOpenDefaultRM(&rm) < 0)
        return false;
    ViFindList list = 0;
    ViUInt32 count = 0;
    char name[VI_FIND_BUFLEN] = {};
    bool found = false;
    if (viFindRsrc(rm, "?*[0-9]?*::?*::INSTR", &list, &count, name) >= 0) {
        for (ViUInt32 i = 0; i < count && !found; ++i) {
            if (i > 0 && viFindNext(list, name) < 0)
                break;
            ViSession carrier = 0;
            if (tvkbase_init(name, 0, 0, &carrier) < 0)
                continue;
            for (int pos = 1; pos <= 8 && !found; ++pos) {
                ViInt16 present = 0;
                ViInt16 code = 0;
                if (tvkbase_m_type_q(carrier, ViInt16(pos), &present, &code) >= 0 && present
                    && code == 66) {
                    *resource = QString::fromLatin1(name);
                    *position = pos;
                    found = true;
                }
            }
            tvkbase_close(carrier);
        }
        viClose(list);
    }
    viClose(rm);
    return found;
}

// A fresh default bench and a module initialised on its first DWAV
// position; the journal starts empty afterwards.
inline std::unique_ptr<DWAVModule> openModule(QString *resourceOut = nullptr,
                                              int *positionOut = nullptr)
{
    char error[256] = {};
    dwavbench_reset(error, sizeof error);
    dwavbench_load_default();
    QString resource;
    int position = 0;
    if (!findModule(&resource, &position))
        return nullptr;
    auto module = std::make_unique<DWAVModule>();
    module->initCarrier(resource, 0, 0, ushort(position));
    if (module->initialize() != 0)
        return nullptr;
    if (resourceOut)
        *resourceOut = resource;
    if (positionOut)
        *positionOut = position;
    dwavbench_journal_clear();
    return module;
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

// Closes every modal box as soon as it shows and remembers what it said, so
// no test waits on a dialog nobody answers.
class ModalCloser : public QObject
{
public:
    explicit ModalCloser(QObject *parent = nullptr) : QObject(parent)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeModal(); });
        m_timer.start();
    }

    QStringList titles;
    QStringList texts;

private:
    void closeModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        titles.append(modal->windowTitle());
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            texts.append(box->text());
        modal->close();
    }

    QTimer m_timer;
};

} // namespace WindowTest
