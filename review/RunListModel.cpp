#include "review/RunListModel.h"

RunListModel::RunListModel(QList<RecordSummary::Run> runs, QObject *parent)
    : QAbstractTableModel(parent), m_runs(std::move(runs))
{
}

int RunListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_runs.size());
}

int RunListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant RunListModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::TextAlignmentRole && index.column() >= 3)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const RecordSummary::Run &run = m_runs[m_runs.size() - 1 - index.row()];
    switch (index.column()) {
    case 0: return run.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    case 1: return runKindName(run.kind);
    case 2: return run.title;
    case 3: return run.score;
    default: return duration(run.seconds);
    }
}

QVariant RunListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const QStringList headers = {QStringLiteral("日期"), QStringLiteral("类别"), QStringLiteral("套题或单元"),
                                        QStringLiteral("得分"), QStringLiteral("用时")};
    return headers.value(section);
}

QString RunListModel::duration(int seconds)
{
    const QString minutesSeconds = QStringLiteral("%1:%2").arg(seconds / 60 % 60, seconds >= 3600 ? 2 : 1, 10, QLatin1Char('0'))
                                       .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return seconds >= 3600 ? QStringLiteral("%1:%2").arg(seconds / 3600).arg(minutesSeconds) : minutesSeconds;
}
