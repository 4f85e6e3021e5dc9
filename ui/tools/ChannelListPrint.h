#pragma once
// The channel lists on paper or in a PDF: the TV list, the radio list and each favourite
// group in use, one row per program as the channel page numbers it, laid out page by page
// onto any paged device (a printer, a PDF writer). No dialogs: the commands ask where to.
#include <QDate>
#include <QString>

#include "db/records/ChannelDatabase.h"

class NewMarks;
class QPagedPaintDevice;
class QPdfWriter;

namespace channellistprint {

// What each page's header names.
struct Heading {
  QString fileName;  // the document's file name, or its title while it is in no file
  QDate date;        // the day printed
};

// Paints every list of `db` onto `device` from its current page on; a row shows the Lock
// mark of a locked program and the New mark of one in `marks` (none when null). Returns
// the pages painted; 0 when the device could not be painted on or refused a page.
int Paint(const ChannelDatabase& db, const Heading& heading, QPagedPaintDevice& device,
          const NewMarks* marks = nullptr);

// A PDF writer made ready for Paint: A4 with margins, titled `title`.
void SetUpPdf(QPdfWriter& writer, const QString& title);

}  // namespace channellistprint
