#include "archive_list_model.h"

#include <QDateTime>

#include "cp1250_text.h"
#include "operation/progress_log.h"

namespace {

QString U8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QString ArchiveTimeText(const std::string& utcTime) {
    const QDateTime t = QDateTime::fromString(U8(utcTime), Qt::ISODate);
    if (!t.isValid()) return U8(utcTime);
    // Day first, as the printout writes its date.
    return t.toLocalTime().toString(QStringLiteral("dd-MM-yyyy HH:mm:ss"));
}

QString ArchiveOperationText(const std::string& mode) {
    const auto m = brenvox::ArchiveModeFromName(mode);
    if (!m) return U8(mode);
    switch (*m) {
        case brenvox::OperationMode::Program:
            return ArchiveListModel::tr("Programowanie");
        case brenvox::OperationMode::Compare:
            return ArchiveListModel::tr("Porównanie");
        case brenvox::OperationMode::Read:
            return ArchiveListModel::tr("Odczyt");
    }
    return U8(mode);
}

QString ArchiveOutcomeText(const std::string& mode, const std::string& outcome) {
    if (outcome == brenvox::kPinRefusedOutcome)
        return brenvox::gui::CoreText(brenvox::progress::kWrongModulePin);
    const auto m = brenvox::ArchiveModeFromName(mode);
    const auto o = brenvox::OutcomeFromName(outcome);
    if (!m || !o) return U8(outcome);
    return U8(brenvox::progress::OutcomeLine(*o, *m));
}

ArchiveListModel::ArchiveListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ArchiveListModel::setEntries(std::vector<brenvox::HistoryEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    names_.clear();
    names_.reserve(entries_.size());
    for (const brenvox::HistoryEntry& e : entries_) names_.push_back(U8(e.name));
    applyFilter();
    endResetModel();
}

void ArchiveListModel::setFilter(const QString& text) {
    if (text == filter_) return;
    beginResetModel();
    filter_ = text;
    applyFilter();
    endResetModel();
}

void ArchiveListModel::applyFilter() {
    shown_.clear();
    shown_.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (filter_.isEmpty() || names_[i].contains(filter_, Qt::CaseInsensitive))
            shown_.push_back(static_cast<int>(i));
}

const brenvox::HistoryEntry* ArchiveListModel::entryAt(int row) const {
    if (row < 0 || row >= static_cast<int>(shown_.size())) return nullptr;
    return &entries_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
}

int ArchiveListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int ArchiveListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ArchiveListModel::data(const QModelIndex& index, int role) const {
    const brenvox::HistoryEntry* e = entryAt(index.row());
    if (!e || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    switch (index.column()) {
        case TimeColumn:
            return ArchiveTimeText(e->time);
        case OperationColumn:
            return ArchiveOperationText(e->mode);
        case NameColumn:
            return names_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(index.row())])];
        case VersionColumn:
            return U8(e->moduleVersion);
        case OutcomeColumn:
            return ArchiveOutcomeText(e->mode, e->outcome);
        default:
            return {};
    }
}

QVariant ArchiveListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case TimeColumn:
            return tr("Data i godzina");
        case OperationColumn:
            return tr("Operacja");
        case NameColumn:
            return tr("Nazwa ustawień");
        case VersionColumn:
            return tr("Wersja modułu");
        case OutcomeColumn:
            return tr("Wynik");
        default:
            return {};
    }
}
