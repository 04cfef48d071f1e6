#pragma once
// The archive window's list: the entries ReadHistory gives, newest first, in five columns, with
// a filter by settings name. A table model rather than a widget holding 10 000 items: the view
// asks only for the rows it shows, so an archive of years opens at once.
#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "archive/transfer_archive.h"

class ArchiveListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { TimeColumn, OperationColumn, NameColumn, VersionColumn, OutcomeColumn, ColumnCount };

    explicit ArchiveListModel(QObject* parent = nullptr);

    // Replaces the entries (kept newest first, as given) and shows those the filter lets through.
    void setEntries(std::vector<brenvox::HistoryEntry> entries);
    // Shows only the entries whose settings name contains `text`, whatever the letters' case;
    // empty shows all.
    void setFilter(const QString& text);
    QString filter() const { return filter_; }

    // The entry shown in `row`, or null.
    const brenvox::HistoryEntry* entryAt(int row) const;
    int totalCount() const { return static_cast<int>(entries_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void applyFilter();

    std::vector<brenvox::HistoryEntry> entries_;
    std::vector<QString> names_;  // each entry's name, for the filter
    std::vector<int> shown_;      // indexes into entries_, in order
    QString filter_;
};

// What the list shows of an entry: the time in local time ("02-01-2026 04:04:05"), the operation
// and the outcome in the program's words (the outcome line of the progress window), the raw
// value where an entry holds one the program does not know.
QString ArchiveTimeText(const std::string& utcTime);
QString ArchiveOperationText(const std::string& mode);
QString ArchiveOutcomeText(const std::string& mode, const std::string& outcome);
