#include "TableHeader.h"

#include <QAbstractItemModel>
#include <QFontMetrics>

namespace {
// Room beside the caption so that its last letter is not clipped.
constexpr int captionMargin = 4;
}

TableHeader::TableHeader(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setCascadingSectionResizes(true);
}

void TableHeader::setWeights(const QList<int> &weights)
{
    m_weights = weights;
}

QList<int> TableHeader::weights() const
{
    return m_weights;
}

TableHeader::Layout TableHeader::computeLayout(int headerWidth, QList<int> weights,
                                               const QVector<int> &captionWidths,
                                               const QVector<bool> &hidden)
{
    Layout layout;
    const int count = captionWidths.size();
    if (count == 0) {
        layout.weights = weights;
        return layout;
    }
    if (weights.size() != count)
        weights = QList<int>();
    while (weights.size() < count)
        weights.append(1);
    layout.widths = QVector<int>(count, -1);

    const auto visible = [&](int i) { return i >= hidden.size() || !hidden.at(i); };

    int remaining = headerWidth;
    int total = 0;
    int lastFitted = 0;
    for (int i = 0; i < count; ++i) {
        if (!visible(i))
            continue;
        if (weights.at(i) != 0) {
            total += weights.at(i);
        } else {
            const int width = captionWidths.at(i) + captionMargin;
            layout.widths[i] = width;
            lastFitted = width;
            remaining -= width;
        }
    }

    if (total == 0) {
        // Every section fits its caption: the last one (but never the first)
        // takes the rest of the width, and from now on shares by weight.
        for (int i = count - 1; i >= 1; --i) {
            if (visible(i)) {
                weights[i] = 1;
                layout.widths[i] = remaining + lastFitted;
                break;
            }
        }
        layout.weights = weights;
        return layout;
    }

    const int unit = remaining / total;
    for (int i = 0; i < count; ++i) {
        if (visible(i) && weights.at(i) != 0)
            layout.widths[i] = unit * weights.at(i);
    }
    for (int i = count - 1; i >= 0; --i) {
        if (visible(i)) {
            layout.stretchSection = i;
            break;
        }
    }
    layout.weights = weights;
    return layout;
}

void TableHeader::fitSectionsToText()
{
    const int sections = count();
    if (sections < 1)
        return;

    QVector<int> captionWidths(sections, 0);
    QVector<bool> hidden(sections, false);
    const QFontMetrics metrics = fontMetrics();
    for (int i = 0; i < sections; ++i) {
        hidden[i] = isSectionHidden(i);
        if (model()) {
            const QString caption = model()->headerData(i, orientation(), Qt::DisplayRole).toString();
            captionWidths[i] = metrics.horizontalAdvance(caption);
        }
    }

    const Layout layout = computeLayout(orientation() == Qt::Horizontal ? width() : height(),
                                        m_weights, captionWidths, hidden);
    m_weights = layout.weights;

    for (int i = 0; i < sections; ++i) {
        if (hidden.at(i))
            continue;
        setSectionResizeMode(i, QHeaderView::Interactive);
        // A header narrower than its fitted captions leaves nothing to share;
        // a negative width would be meaningless, so such sections keep theirs.
        if (layout.widths.at(i) >= 0)
            resizeSection(i, layout.widths.at(i));
    }
    if (layout.stretchSection >= 0)
        setSectionResizeMode(layout.stretchSection, QHeaderView::Stretch);
}

void TableHeader::resizeEvent(QResizeEvent *event)
{
    QHeaderView::resizeEvent(event);
    fitSectionsToText();
}
