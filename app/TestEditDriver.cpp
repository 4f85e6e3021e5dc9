#include "app/TestEditDriver.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "db/document/CQuelmarDoc.h"
#include "db/operations/ChannelOrder.h"

namespace TestEditDriver {

std::string StepName(int k) { return "Test Step " + std::to_string(k); }

void EditStep(CQuelmarDoc& doc, int k) {
  if (k == 3) {
    doc.ChangeVariant(doc.GetDbType() == 0 ? dbtype::kDefault : 0, StepName(k));
    return;
  }
  const dbops::ChannelOrder tv = dbops::ChannelOrder::List(0);
  const int n = static_cast<int>(dbops::OrderEntries(doc.Working(), tv).size());
  if (n < 2) return;
  const int row[] = {(k * 7) % n};
  int to = (k * 13) % n;
  if (to == row[0]) to = (to + 1) % n;
  doc.Apply({StepName(k)}, dbops::MoveRowsTo, tv, std::span<const int>(row), to);
}

void StartFromEnvironment(CQuelmarDoc& doc) {
  const char* asked = std::getenv("QUELMAR_TEST_EDITS");
  if (asked == nullptr) return;
  int count = 0, interval = 0;
  if (std::sscanf(asked, "%d:%d", &count, &interval) != 2 || count <= 0 || interval < 0) return;
  auto* timer = new QTimer(QCoreApplication::instance());
  timer->setInterval(interval);
  auto* done = new int(0);
  QObject::connect(timer, &QTimer::timeout, timer, [&doc, timer, done, count] {
    if (!doc.HasData()) return;
    EditStep(doc, ++*done);
    std::printf("step %d\n", *done);
    std::fflush(stdout);
    if (*done >= count) {
      timer->stop();
      delete done;
    }
  });
  timer->start();
}

}  // namespace TestEditDriver
