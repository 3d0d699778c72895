#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Message boxes of the service and calibration panels. A box is modal for
// the whole application but is shown without a nested event loop: a panel
// may be torn down (by its host, through the window) while a box is open,
// and no slot of a deleted panel may then be left waiting on the stack. The
// box belongs to the panel, so it goes with it, and so does what was to run
// after it closed.
class PanelMessageBox
{
public:
    // Shows a box with the single button Ok; `onClosed` runs on the GUI
    // thread once the box has closed, unless `parent` is gone by then.
    static QMessageBox *open(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                             const QString &text, std::function<void()> onClosed = {});
};
