#pragma once
// The cells of one channel list of the "Group/Channel" page: a row for each program of
// a stored order, read through the read model when a cell is first asked for, so a
// refill of 4000 rows costs nothing until they are painted or searched. The rows are
// the receiver's order; the table never sorts them.
#include <QAbstractTableModel>
#include <cstdint>
#include <span>
#include <vector>

#include "db/operations/ChannelRows.h"

class DocEditing;

class ChannelTableModel : public QAbstractTableModel {
 public:
  enum Column { kNumber, kName, kSatellite, kFrequency, kServiceId, kLock, kGroups, kNew, kColumns };

  ChannelTableModel(const DocEditing& doc, QObject* parent);

  // The program slots of a stored order become the rows.
  void Reset(std::span<const std::uint16_t> programs);
  // Every row is read again from the document (a program, group or mark changed).
  void Renew();

  int ProgramAt(int row) const;
  // A row as the read model gives it; rows past the list give an empty row.
  const channelrows::Row& RowAt(int row) const;
  // The text of a cell, as shown; what copying rows puts on the clipboard.
  QString CellText(int row, int column) const;
  static QString HeaderText(int column);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // A program's name cell can be edited in place (the edit goes through the page).
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const DocEditing& doc_;
  std::vector<int> programs_;
  // Rows read so far; the membership of every program, read with the first row.
  mutable std::vector<channelrows::Row> rows_;
  mutable std::vector<bool> read_;
  mutable std::vector<std::uint8_t> membership_;
  mutable bool membershipRead_ = false;
};
