#include "review/ScoreChart.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

struct Series
{
    RunKind kind;
    QString name;
    QColor colour;
};

const std::array<Series, 3> kSeries = {{
    {RunKind::Test, QStringLiteral("测试"), QColor(0, 0, 192)},
    {RunKind::Exercise, QStringLiteral("单元练习"), QColor(0, 128, 0)},
    {RunKind::NotebookPractice, QStringLiteral("错题练习"), QColor(192, 0, 0)},
}};

// Dots only while they stay apart; a long record is a line.
constexpr int kMostDots = 200;

}

ScoreChart::ScoreChart(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScoreChart::setRuns(const QList<RecordSummary::Run> &runs)
{
    m_runs = runs;
    update();
}

void ScoreChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_runs.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("还没有记录成绩：做完一次测试或单元练习后，这里画出成绩的变化。"));
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect plot = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("100")) + 14, metrics.height() + 12,
                                       -16, -(metrics.height() + 14));
    const qint64 first = m_runs.first().started.toSecsSinceEpoch();
    const qint64 last = std::max(m_runs.last().started.toSecsSinceEpoch(), first + 1);
    paintAxes(painter, plot, first, last);

    painter.setRenderHint(QPainter::Antialiasing);
    const auto at = [&](const RecordSummary::Run &run) {
        const double x = plot.left() + double(run.started.toSecsSinceEpoch() - first) * plot.width() / double(last - first);
        const double y = plot.bottom() - run.score * plot.height() / 100.0;
        return QPointF(x, y);
    };
    for (const Series &series : kSeries) {
        QPainterPath line;
        QList<QPointF> dots;
        for (const RecordSummary::Run &run : m_runs) {
            if (run.kind != series.kind)
                continue;
            const QPointF point = at(run);
            line.isEmpty() ? line.moveTo(point) : line.lineTo(point);
            dots << point;
        }
        painter.setPen(QPen(series.colour, 1.5));
        painter.drawPath(line);
        if (dots.size() > kMostDots)
            continue;
        painter.setBrush(series.colour);
        for (const QPointF &dot : dots)
            painter.drawEllipse(dot, 2.5, 2.5);
        painter.setBrush(Qt::NoBrush);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintLegend(painter, plot);
}

void ScoreChart::paintAxes(QPainter &painter, const QRect &plot, qint64 first, qint64 last) const
{
    const QFontMetrics metrics = painter.fontMetrics();
    for (int score = 0; score <= 100; score += 20) {
        const int y = plot.bottom() - score * plot.height() / 100;
        painter.setPen(score ? QColor(225, 225, 225) : Qt::black);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, y - metrics.height() / 2, plot.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(score));
    }
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    const QString format = last - first < 2 * 24 * 3600 ? QStringLiteral("MM-dd hh:mm") : QStringLiteral("yyyy-MM-dd");
    const int labelTop = plot.bottom() + 4;
    const auto date = [&](qint64 seconds) { return QDateTime::fromSecsSinceEpoch(seconds).toString(format); };
    painter.drawText(QRect(plot.left(), labelTop, plot.width(), metrics.height()), Qt::AlignLeft, date(first));
    painter.drawText(QRect(plot.left(), labelTop, plot.width(), metrics.height()), Qt::AlignRight, date(last));
    painter.drawText(QRect(plot.left(), labelTop, plot.width(), metrics.height()), Qt::AlignHCenter,
                     date((first + last) / 2));
}

void ScoreChart::paintLegend(QPainter &painter, const QRect &plot) const
{
    const QFontMetrics metrics = painter.fontMetrics();
    int x = plot.right();
    for (auto series = kSeries.rbegin(); series != kSeries.rend(); ++series) {
        x -= metrics.horizontalAdvance(series->name);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(x, metrics.ascent() + 4), series->name);
        x -= 22;
        painter.setPen(QPen(series->colour, 2));
        painter.drawLine(x, metrics.height() / 2 + 4, x + 16, metrics.height() / 2 + 4);
        x -= 16;
    }
}
