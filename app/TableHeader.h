#pragma once

#include <QHeaderView>
#include <QList>
#include <QVector>

// A header that shares its width among its sections by weight. A section of
// weight 0 is as wide as its caption; the others split what is left in the
// ratio of their weights, again at every resize of the header.
class TableHeader : public QHeaderView
{
    Q_OBJECT

public:
    // What one fit decides, kept apart from the widget so it can be checked
    // on its own.
    struct Layout
    {
        QList<int> weights;     // the weights after the fit (it may change them)
        QVector<int> widths;    // new width per section, -1 where left alone
        int stretchSection = -1; // section that takes the stretch mode, -1 none
    };

    TableHeader(Qt::Orientation orientation, QWidget *parent = nullptr);

    void setWeights(const QList<int> &weights);
    QList<int> weights() const;

    void fitSectionsToText();

    // captionWidths are the font-metrics widths of the section captions;
    // hidden sections take no part.
    static Layout computeLayout(int headerWidth, QList<int> weights,
                                const QVector<int> &captionWidths,
                                const QVector<bool> &hidden);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<int> m_weights;
};
