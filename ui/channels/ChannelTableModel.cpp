#include "ui/channels/ChannelTableModel.h"

#include <QStringList>

#include "db/document/DocEditing.h"
#include "ui/ChannelColumnTexts.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
namespace C = ChannelColumnTexts;
using Texts::Q;

ChannelTableModel::ChannelTableModel(const DocEditing& doc, QObject* parent) : QAbstractTableModel(parent), doc_(doc) {}

void ChannelTableModel::Reset(std::span<const std::uint16_t> programs) {
  beginResetModel();
  programs_.assign(programs.begin(), programs.end());
  rows_.assign(programs_.size(), channelrows::Row{});
  read_.assign(programs_.size(), false);
  membershipRead_ = false;
  endResetModel();
}

void ChannelTableModel::Renew() {
  read_.assign(programs_.size(), false);
  membershipRead_ = false;
  if (!programs_.empty()) emit dataChanged(index(0, 0), index(int(programs_.size()) - 1, kColumns - 1));
}

int ChannelTableModel::ProgramAt(int row) const {
  return row >= 0 && row < int(programs_.size()) ? programs_[std::size_t(row)] : -1;
}

const channelrows::Row& ChannelTableModel::RowAt(int row) const {
  static const channelrows::Row kNone;
  if (row < 0 || row >= int(programs_.size())) return kNone;
  const auto at = std::size_t(row);
  if (!read_[at]) {
    if (!membershipRead_) {
      membership_ = channelrows::GroupMembership(doc_.Working());
      membershipRead_ = true;
    }
    rows_[at] = channelrows::RowOf(doc_.Working(), programs_[at], row + 1, membership_);
    read_[at] = true;
  }
  return rows_[at];
}

QString ChannelTableModel::HeaderText(int column) {
  switch (column) {
    case kNumber: return Q(C::kNumber);
    case kName: return Q(C::kName);
    case kSatellite: return Q(C::kSatellite);
    case kFrequency: return Q(C::kFrequency);
    case kServiceId: return Q(C::kServiceId);
    case kLock: return Q(C::kLock);
    case kGroups: return Q(C::kGroups);
    case kNew: return Q(C::kNew);
    default: return {};
  }
}

QString ChannelTableModel::CellText(int row, int column) const {
  const channelrows::Row& r = RowAt(row);
  switch (column) {
    case kNumber: return QString::number(row + 1);
    // A damaged list may name a slot past the program table.
    case kName: return r.program < 0 ? QStringLiteral("?") : Q(T::kRowFormat).arg(DataExchange::NameText(r.name));
    case kSatellite: return DataExchange::NameText(r.satelliteName);
    case kFrequency: return QString::fromStdString(channelrows::FrequencyText(r));
    case kServiceId: return r.serviceId < 0 ? QString() : QString::number(r.serviceId);
    case kLock: return r.locked ? QString::fromUtf8(T::kLockedMark) : QString();
    case kGroups: {
      QStringList names;
      for (int g = 0; g < 8; ++g)
        if (r.groups & (1u << g)) names << DataExchange::NameText(channelrows::GroupName(doc_.Working(), g));
      return names.join(Q(T::kGroupSeparator));
    }
    case kNew: return doc_.Marks().Has(r.program) ? Q(C::kNew) : QString();
    default: return {};
  }
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(programs_.size());
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return CellText(index.row(), index.column());
    case Qt::EditRole:
      // The name as typed over it: without the brackets the row shows.
      if (index.column() == kName) return DataExchange::NameText(RowAt(index.row()).name);
      return {};
    case Qt::AccessibleTextRole:
      // A screen reader says what the marks mean.
      if (index.column() == kLock) return RowAt(index.row()).locked ? Q(T::kLockedText) : QString();
      return CellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
      if (index.column() == kNumber || index.column() == kServiceId)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      if (index.column() == kLock) return QVariant::fromValue(Qt::AlignCenter);
      return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() == kName && RowAt(index.row()).program >= 0) f |= Qt::ItemIsEditable;
  return f;
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return HeaderText(section);
  return {};
}
