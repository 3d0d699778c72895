#pragma once

// Whether the captions of a window show their whole text: labels, check
// boxes, radio buttons, push buttons and group box titles. A caption fits
// when its own box is as wide as its text and at least one line of its font
// high, and no widget that holds it cuts it; one pixel of slack is allowed.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include <climits>

namespace CaptionFit {

const int kSlack = 1;

struct Caption
{
    QString text;
    QRect need;  // what its content needs, placed as the widget places it
    QRect room;  // the box the widget gives its content
};

// The caption a widget shows, in its own coordinates; an empty text: none.
inline Caption captionOf(QWidget *widget)
{
    Caption caption;
    const QFontMetrics metrics = widget->fontMetrics();
    const int line = metrics.height();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (!label->pixmap(Qt::ReturnByValue).isNull())
            return caption;
        caption.text = label->text();
        const int margin = label->margin();
        caption.room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        // A wrapped label may use as many lines as its width makes.
        const int width = label->wordWrap() ? caption.room.width() : INT_MAX / 2;
        const QSize size = metrics.boundingRect(QRect(0, 0, width, INT_MAX / 2),
                                                label->wordWrap() ? Qt::TextWordWrap : 0, caption.text)
                               .size()
                               .expandedTo(QSize(0, line));
        caption.need = QStyle::alignedRect(label->layoutDirection(), label->alignment(), size, caption.room);
        return caption;
    }
    if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        caption.text = box->title();
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (box->isCheckable())
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
        option.features = box->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
        QStyle *style = box->style();
        caption.need = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        if (box->isCheckable())
            caption.need |= style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, box);
        caption.room = box->rect();
        return caption;
    }
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!button)
        return caption;
    caption.text = button->text();
    if (qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button)) {
        // The indicator, its spacing and the text, as the style lays them out.
        caption.room = button->rect();
        caption.need = QRect(0, (button->height() - line) / 2, button->sizeHint().width(), line);
        return caption;
    }
    // A push button: its icon and text, centred inside its frame and
    // padding, where the style draws and clips them.
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (auto *push = qobject_cast<QPushButton *>(button))
        option.features = push->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
    caption.room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int width = metrics.size(Qt::TextShowMnemonic, caption.text).width();
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    caption.need = QStyle::alignedRect(button->layoutDirection(), Qt::AlignCenter, QSize(width, line), caption.room);
    return caption;
}

// Why `widget` does not show its whole caption, or an empty text when it
// does (or is no caption).
inline QString misfit(QWidget *widget)
{
    const Caption caption = captionOf(widget);
    if (caption.text.isEmpty())
        return QString();
    QStringList why;
    if (caption.need.width() > caption.room.width() + kSlack)
        why << QStringLiteral("needs %1 px wide, has %2").arg(caption.need.width()).arg(caption.room.width());
    if (caption.need.height() > caption.room.height() + kSlack)
        why << QStringLiteral("needs %1 px high, has %2").arg(caption.need.height()).arg(caption.room.height());
    // Every widget that holds it clips it to its own rect.
    const QRect shown = caption.need & widget->rect();
    for (QWidget *holder = widget->parentWidget(); holder; holder = holder->parentWidget()) {
        const QRect inHolder(widget->mapTo(holder, shown.topLeft()), shown.size());
        const QRect seen = inHolder & holder->rect();
        if (!holder->rect().adjusted(-kSlack, -kSlack, kSlack, kSlack).contains(inHolder)) {
            why << QStringLiteral("cut by %1 to %2 x %3 px of %4 x %5")
                       .arg(holder->objectName())
                       .arg(seen.width())
                       .arg(seen.height())
                       .arg(inHolder.width())
                       .arg(inHolder.height());
            break;
        }
        if (holder->isWindow())
            break;
    }
    if (why.isEmpty())
        return QString();
    return QStringLiteral("%1 \"%2\": %3").arg(widget->objectName(), caption.text, why.join(QStringLiteral("; ")));
}

// The misfits among the captions `window` shows now, child windows and the
// widgets named in `skipped` left out.
inline QStringList misfits(QWidget *window, const QStringList &skipped = {})
{
    QStringList found;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window || !widget->isVisibleTo(window)
            || skipped.contains(widget->objectName()))
            continue;
        const QString why = misfit(widget);
        if (!why.isEmpty())
            found << why;
    }
    return found;
}

} // namespace CaptionFit
