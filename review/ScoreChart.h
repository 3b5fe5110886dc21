#pragma once

#include "record/RecordReader.h"

#include <QWidget>

// The scores of the recorded runs over time, one line per kind of run (test, unit exercise,
// notebook practice), on a scale of 0 to 100.
class ScoreChart : public QWidget
{
public:
    explicit ScoreChart(QWidget *parent = nullptr);
    void setRuns(const QList<RecordSummary::Run> &runs);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintAxes(QPainter &painter, const QRect &plot, qint64 first, qint64 last) const;
    void paintLegend(QPainter &painter, const QRect &plot) const;

    QList<RecordSummary::Run> m_runs;
};
