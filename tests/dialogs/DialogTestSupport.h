#pragma once

// Shared steps of the service and calibration panel tests: widgets by
// name, the panels' time-stamped logs, and the message boxes they open.

#include "BenchSupport.h"
#include "ModalAnswerer.h"
#include "ModuleOnBench.h"
#include "UiSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

namespace DialogTest {

using UiTest::child;

// The log's paragraphs with their time stamps cut off; a paragraph without
// one is marked by a leading "!", blank lines are dropped.
inline QStringList entries(QPlainTextEdit *log)
{
    static const QRegularExpression stamp(
        QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d-\\d\\d-\\d\\d: "));
    QStringList lines;
    for (const QString &line : log->toPlainText().split(QLatin1Char('\n'))) {
        if (line.isEmpty())
            continue;
        const QRegularExpressionMatch m = stamp.match(line);
        lines << (m.hasMatch() ? line.mid(m.capturedLength()) : QLatin1Char('!') + line);
    }
    return lines;
}

// The message box now open with this title, or null after a while.
inline QMessageBox *openBox(const QString &title)
{
    QMessageBox *box = nullptr;
    for (int i = 0; i < 1000 && !box; ++i) {
        auto *modal = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (modal && modal->isVisible() && modal->windowTitle() == title)
            box = modal;
        else
            QTest::qWait(5);
    }
    return box;
}

inline QStringList functionsCalled()
{
    QStringList names;
    for (const Bench::Call &call : Bench::journal())
        names << call.function;
    return names;
}

} // namespace DialogTest
