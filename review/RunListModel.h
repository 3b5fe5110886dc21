#pragma once

#include "record/RecordReader.h"

#include <QAbstractTableModel>

// Every recorded run for the record window's list, the newest first: date, kind, set or chapter,
// score and time. A model rather than items: a long record is ten thousand rows.
class RunListModel : public QAbstractTableModel
{
public:
    RunListModel(QList<RecordSummary::Run> runs, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString duration(int seconds); // 12:03, or 1:02:03 past an hour

private:
    QList<RecordSummary::Run> m_runs;
};
