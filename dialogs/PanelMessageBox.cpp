#include "PanelMessageBox.h"

#include <QWidget>

QMessageBox *PanelMessageBox::open(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                   const QString &text, std::function<void()> onClosed)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    if (onClosed)
        QObject::connect(box, &QDialog::finished, parent ? static_cast<QObject *>(parent) : box,
                         [onClosed](int) { onClosed(); });
    box->show();
    return box;
}
