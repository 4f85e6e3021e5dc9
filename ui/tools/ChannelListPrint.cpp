#include "ui/tools/ChannelListPrint.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <vector>

#include "db/operations/ChannelOrder.h"
#include "db/document/NewMarks.h"
#include "db/operations/ChannelRows.h"
#include "ui/ChannelColumnTexts.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/tools/PrintTexts.h"
#include "widgets/Texts.h"

namespace T = PrintTexts;
namespace C = ChannelColumnTexts;

namespace channellistprint {

namespace {

using Texts::Q;

struct Section {
  QString title;
  std::vector<channelrows::Row> rows;
};

// In the order the receiver's menus show them: TV, radio, then the groups by slot.
std::vector<Section> Sections(const ChannelDatabase& db) {
  std::vector<Section> out;
  out.push_back({Q(T::kTvList), channelrows::Rows(db, dbops::ChannelOrder::List(0))});
  out.push_back({Q(T::kRadioList), channelrows::Rows(db, dbops::ChannelOrder::List(1))});
  for (int g : channelrows::UsedGroups(db)) {
    QString name = QString::fromStdU32String(channelrows::GroupName(db, g));
    if (name.trimmed().isEmpty()) name = Q(T::kGroupNumber).arg(g + 1);
    out.push_back({name, channelrows::Rows(db, dbops::ChannelOrder::Group(g))});
  }
  return out;
}

// One line of a page; every kind is one line high.
struct Line {
  enum Kind { Gap, Title, Columns, Program, Nothing };
  Kind kind = Gap;
  int section = 0;
  int row = 0;             // Program: the row within its section
  bool continued = false;  // Title: the section began on an earlier page
};
using Page = std::vector<Line>;

// `capacity` lines a page. A section whose title, column titles and first row do not fit
// starts on the next page; one that runs on to another page shows its title and column
// titles again there, so every page reads on its own.
std::vector<Page> Paginate(const std::vector<Section>& sections, int capacity) {
  capacity = std::max(capacity, 4);
  std::vector<Page> pages(1);
  const auto room = [&] { return capacity - static_cast<int>(pages.back().size()); };
  for (int s = 0; s < static_cast<int>(sections.size()); ++s) {
    if (room() < (pages.back().empty() ? 3 : 4)) pages.emplace_back();
    if (!pages.back().empty()) pages.back().push_back({Line::Gap});
    pages.back().push_back({Line::Title, s});
    pages.back().push_back({Line::Columns, s});
    const int rows = static_cast<int>(sections[std::size_t(s)].rows.size());
    if (rows == 0) pages.back().push_back({Line::Nothing, s});
    for (int r = 0; r < rows; ++r) {
      if (room() < 1) {
        pages.emplace_back();
        pages.back().push_back({Line::Title, s, 0, true});
        pages.back().push_back({Line::Columns, s});
      }
      pages.back().push_back({Line::Program, s, r});
    }
  }
  return pages;
}

// The columns' shares of the page width and their alignment.
struct Column {
  const char* title;
  double share;
  Qt::Alignment align;
};
constexpr std::array<Column, 7> kColumns{{{C::kNumber, 0.06, Qt::AlignRight},
                                          {C::kName, 0.29, Qt::AlignLeft},
                                          {C::kSatellite, 0.19, Qt::AlignLeft},
                                          {C::kFrequency, 0.17, Qt::AlignLeft},
                                          {C::kServiceId, 0.13, Qt::AlignRight},
                                          {C::kLock, 0.07, Qt::AlignHCenter},
                                          {C::kNew, 0.09, Qt::AlignLeft}}};

// A row's cells in column order; what the row does not have stays blank. The marks read
// as the lists show them.
std::array<QString, kColumns.size()> Cells(const channelrows::Row& row, const NewMarks* marks) {
  std::array<QString, kColumns.size()> cells;
  cells[0] = QString::number(row.number);
  cells[1] = QString::fromStdU32String(row.name);
  if (row.satellite >= 0) cells[2] = QString::fromStdU32String(row.satelliteName);
  cells[3] = QString::fromStdString(channelrows::FrequencyText(row));
  if (row.serviceId >= 0) cells[4] = QString::number(row.serviceId);
  if (row.locked) cells[5] = QString::fromUtf8(GroupChTexts::kLockedMark);
  if (marks && marks->Has(row.program)) cells[6] = Q(C::kNew);
  return cells;
}

class PagePainter {
 public:
  PagePainter(QPainter& painter, const QPagedPaintDevice& device, const NewMarks* marks)
      : p_(painter), marks_(marks) {
    body_.setPointSizeF(9);
    bold_ = body_;
    bold_.setBold(true);
    title_ = bold_;
    title_.setPointSizeF(11);
    p_.setFont(title_);
    const double titleHeight = QFontMetricsF(title_, p_.device()).height();
    p_.setFont(body_);
    line_ = std::max(titleHeight, QFontMetricsF(body_, p_.device()).height()) * 1.3;
    area_ = QRectF(0, 0, device.width(), device.height());
    pad_ = line_ / 4;
  }

  // Lines a page holds between its header and footer.
  int Capacity() const { return static_cast<int>((area_.height() - 4 * line_) / line_); }

  void PaintPage(const std::vector<Section>& sections, const Page& page, int number, int pages,
                 const Heading& heading) {
    p_.setFont(body_);
    const QRectF top(area_.left(), area_.top(), area_.width(), line_);
    const QString date = heading.date.toString(Q(T::kDateFormat));
    const QFontMetricsF metrics(body_, p_.device());
    // A long file name is cut before it reaches the date.
    const double nameWidth = area_.width() - metrics.horizontalAdvance(date) - 2 * line_;
    const QString name = metrics.elidedText(heading.fileName, Qt::ElideMiddle, nameWidth);
    p_.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, name);
    p_.drawText(top, Qt::AlignRight | Qt::AlignVCenter, date);
    p_.drawLine(top.bottomLeft(), top.bottomRight());
    double y = area_.top() + 2 * line_;
    for (const Line& line : page) {
      PaintLine(sections[std::size_t(line.section)], line, y);
      y += line_;
    }
    const QRectF bottom(area_.left(), area_.bottom() - line_, area_.width(), line_);
    p_.setFont(body_);
    p_.drawText(bottom, Qt::AlignHCenter | Qt::AlignVCenter, Q(T::kPageOf).arg(number).arg(pages));
  }

 private:
  void PaintLine(const Section& section, const Line& line, double y) {
    const QRectF whole(area_.left(), y, area_.width(), line_);
    switch (line.kind) {
      case Line::Gap:
        return;
      case Line::Title:
        p_.setFont(title_);
        p_.drawText(whole, Qt::AlignLeft | Qt::AlignVCenter,
                    line.continued ? Q(T::kContinued).arg(section.title) : section.title);
        return;
      case Line::Columns: {
        std::array<QString, kColumns.size()> titles;
        for (std::size_t c = 0; c < kColumns.size(); ++c) titles[c] = Q(kColumns[c].title);
        p_.setFont(bold_);
        PaintCells(titles, y);
        p_.drawLine(whole.bottomLeft(), whole.bottomRight());
        return;
      }
      case Line::Nothing:
        p_.setFont(body_);
        p_.drawText(whole.adjusted(pad_, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Q(T::kNoPrograms));
        return;
      case Line::Program:
        p_.setFont(body_);
        PaintCells(Cells(section.rows[std::size_t(line.row)], marks_), y);
        return;
    }
  }

  // Texts wider than their column are cut with an ellipsis rather than run into the next.
  void PaintCells(const std::array<QString, kColumns.size()>& cells, double y) {
    const QFontMetricsF metrics(p_.font(), p_.device());
    double x = area_.left();
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
      const double width = area_.width() * kColumns[c].share;
      const QRectF cell = QRectF(x, y, width, line_).adjusted(pad_, 0, -pad_, 0);
      const QString shown = metrics.elidedText(cells[c], Qt::ElideRight, cell.width());
      p_.drawText(cell, kColumns[c].align | Qt::AlignVCenter, shown);
      x += width;
    }
  }

  QPainter& p_;
  const NewMarks* marks_;
  QFont body_, bold_, title_;
  QRectF area_;
  double line_ = 0;
  double pad_ = 0;
};

}  // namespace

int Paint(const ChannelDatabase& db, const Heading& heading, QPagedPaintDevice& device, const NewMarks* marks) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  PagePainter pagePainter(painter, device, marks);
  const std::vector<Section> sections = Sections(db);
  const std::vector<Page> pages = Paginate(sections, pagePainter.Capacity());
  const int count = static_cast<int>(pages.size());
  for (int i = 0; i < count; ++i) {
    if (i > 0 && !device.newPage()) return 0;
    pagePainter.PaintPage(sections, pages[std::size_t(i)], i + 1, count, heading);
  }
  return painter.end() ? count : 0;
}

void SetUpPdf(QPdfWriter& writer, const QString& title) {
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  writer.setResolution(300);
  writer.setTitle(title);
  writer.setCreator(Q(T::kCreator));
}

}  // namespace channellistprint
