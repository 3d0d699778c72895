#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers modal windows while a test waits in a nested event loop (a
// message box, a dialog's exec), so no test can hang on one. Every few
// milliseconds it looks at the active modal widget and deals with each new
// one once: message boxes are recorded as "title|text" and answered with the
// chosen button; anything else goes to the handler.
class ModalAnswerer : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;

    explicit ModalAnswerer(QMessageBox::StandardButton boxAnswer = QMessageBox::NoButton,
                           Handler handler = Handler())
        : m_boxAnswer(boxAnswer)
        , m_handler(std::move(handler))
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(5);
    }

    void setBoxAnswer(QMessageBox::StandardButton answer) { m_boxAnswer = answer; }
    QStringList messages() const { return m_messages; }
    QStringList titles() const { return m_titles; }
    QStringList texts() const { return m_texts; }

    // Presses `button` of a box; NoButton (or a button the box lacks) takes
    // its default button, else its escape button.
    static void press(QMessageBox *box, QMessageBox::StandardButton button)
    {
        QAbstractButton *target = button == QMessageBox::NoButton ? nullptr : box->button(button);
        if (!target)
            target = box->defaultButton();
        if (!target)
            target = box->escapeButton();
        if (target)
            target->click();
        else
            box->reject();
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        // A dialog already shown when its exec() starts runs its own loop
        // without entering Qt's modal stack; its modal flag still tells.
        if (!modal) {
            const auto windows = QApplication::topLevelWidgets();
            for (QWidget *w : windows) {
                if (w->isVisible() && w->isModal())
                    modal = w;
            }
        }
        if (!modal || !modal->isVisible())
            return;
        if (modal == m_last) {
            // Whatever the handler did did not close it: give up on it
            // rather than leave the test waiting for ever.
            if (++m_unanswered == giveUpAfter) {
                qWarning("modal window '%s' left unanswered; closing it",
                         qPrintable(modal->windowTitle()));
                modal->close();
            }
            return;
        }
        m_last = modal;
        m_unanswered = 0;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_messages << box->windowTitle() + QLatin1Char('|') + box->text();
            m_titles << box->windowTitle();
            m_texts << box->text();
            press(box, m_boxAnswer);
        } else if (m_handler) {
            // Run outside this timer's slot: a handler that opens another
            // modal window must leave the timer free to answer that one.
            QPointer<QWidget> target = modal;
            QTimer::singleShot(0, this, [this, target] {
                if (target)
                    m_handler(target);
            });
        }
    }

    static constexpr int giveUpAfter = 2000;

    QMessageBox::StandardButton m_boxAnswer;
    int m_unanswered = 0;
    Handler m_handler;
    QTimer m_timer;
    QPointer<QWidget> m_last;
    QStringList m_messages;
    QStringList m_titles;
    QStringList m_texts;
};
