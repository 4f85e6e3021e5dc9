// The channel lists laid out as a PDF and read back as text, the way a person reads the
// printout: sections, rows, every page's header and footer, and lists that run on.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "support/DbBuilders.h"
#include "support/TempDir.h"
#include "db/document/NewMarks.h"
#include "ui/tools/ChannelListPrint.h"

using namespace testkit;

namespace {

const QDate kDay(2026, 3, 7);

// Two satellites with a transponder each (horizontal, vertical); four TV programs and a
// fifth entry naming no slot, one radio program, a named group, a group stored
// without a name and an empty group.
std::unique_ptr<ChannelDatabase> SmallDb() {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutSatellite(*db, 1, "Hotbird");
  PutTransponder(*db, 0, 0, 11494, 27500, TransponderRecord::kHorizontal);
  PutTransponder(*db, 1, 1, 12111, 27500, TransponderRecord::kVertical);
  PutProgram(*db, 0, "One", 0).SetServiceId(101);
  PutProgram(*db, 1, "Two", 0).SetServiceId(102);
  PutProgram(*db, 2, "Three", 1).SetServiceId(103);
  PutProgram(*db, 3, "Four", 1).SetServiceId(104);
  PutProgram(*db, 4, "Wave", 1, ProgramRecord::kRadio).SetServiceId(105);
  PutList(db->channelLists.tvList, {0, 1, 2, 3, 0xFFFF});
  PutList(db->channelLists.radioList, {4});
  PutGroup(*db, 0, "News", {1, 3});
  PutGroup(*db, 2, "", {2});
  PutGroup(*db, 5, "Spare");
  return db;
}

// `tv` TV programs named "Prog <n>" on one transponder, then the radio list of SmallDb.
std::unique_ptr<ChannelDatabase> LongDb(int tv) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutTransponder(*db, 0, 0, 11494, 27500, TransponderRecord::kHorizontal);
  std::vector<int> list;
  for (int i = 0; i < tv; ++i) {
    PutProgram(*db, i, "Prog " + std::to_string(i + 1), 0).SetServiceId(std::uint16_t(1000 + i));
    list.push_back(i);
  }
  PutProgram(*db, tv, "Wave", 0, ProgramRecord::kRadio).SetServiceId(105);
  PutList(db->channelLists.tvList, list);
  PutList(db->channelLists.radioList, {tv});
  return db;
}

class ChannelListPrintTest : public ::testing::Test {
 protected:
  // The lists of `db` as a PDF, one text a page as pdftotext lays it out; the pages
  // Paint reported in `painted`.
  QStringList PdfPages(const ChannelDatabase& db, int* painted = nullptr, const NewMarks* marks = nullptr) {
    const QString pdf = QString::fromStdString(dir_.File("lists.pdf"));
    int pages = 0;
    {
      QPdfWriter writer(pdf);
      channellistprint::SetUpPdf(writer, QStringLiteral("small.qdb"));
      pages = channellistprint::Paint(db, {QStringLiteral("small.qdb"), kDay}, writer, marks);
    }
    if (painted) *painted = pages;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
      ADD_FAILURE() << "pdftotext is missing: scripts/deps.sh installs poppler-utils";
      return {};
    }
    QProcess run;
    run.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    // pdftotext ends every page with a form feed.
    QStringList out = QString::fromUtf8(run.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!out.isEmpty() && out.back().trimmed().isEmpty()) out.removeLast();
    return out;
  }

  TempDir dir_;
};

bool Has(const QString& page, const QString& pattern) {
  return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(page).hasMatch();
}

}  // namespace

TEST_F(ChannelListPrintTest, EverySectionAndRowOfASmallDatabaseOnOnePage) {
  int painted = 0;
  auto db = SmallDb();
  db->programs[2].SetLocked(true);
  NewMarks marks;
  marks.Set(std::vector<int>{1, 2});
  const QStringList pages = PdfPages(*db, &painted, &marks);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_EQ(painted, 1);
  const QString& page = pages[0];
  struct Case {
    const char* what;
    const char* pattern;
  };
  for (const Case& c : std::vector<Case>{
           {"header: file name, then date", R"(^\s*small\.qdb\s+2026-03-07\s*$)"},
           {"footer", R"(^\s*Page 1 of 1\s*$)"},
           {"column titles", R"(^\s*No\.\s+Name\s+Satellite\s+Frequency/Pol\s+Service ID\s+Lock\s+New\s*$)"},
           {"horizontal TV row", R"(^\s*1\s+One\s+Astra\s+11494 H\s+101\s*$)"},
           {"a row new since a reference", R"(^\s*2\s+Two\s+Astra\s+11494 H\s+102\s+New\s*$)"},
           {"a locked and new row", "^\\s*3\\s+Three\\s+Hotbird\\s+12111 V\\s+103\\s+\u2713\\s+New\\s*$"},
           {"an entry naming no program keeps its number only", R"(^\s*5\s*$)"},
           {"radio row, numbered in its own list", R"(^\s*1\s+Wave\s+Hotbird\s+12111 V\s+105\s*$)"},
           {"group row, numbered in its group", R"(^\s*2\s+Four\s+Hotbird\s+12111 V\s+104\s*$)"},
           {"a group without a name is titled by its slot", R"(^\s*Group 3\s*$)"},
           {"an empty group says so", R"(^\s*Spare\s*\n\s*No\.[^\n]*\n\s*No programs\s*$)"},
       })
    EXPECT_TRUE(Has(page, QString::fromUtf8(c.pattern))) << c.what << "\n" << page.toStdString();

  // TV, radio, then the groups by slot.
  QList<qsizetype> at;
  for (const char* title : {"TV", "Radio", "News", "Group 3", "Spare"}) {
    const auto m = QRegularExpression(QStringLiteral(R"(^\s*%1\s*$)").arg(QString::fromLatin1(title)),
                                      QRegularExpression::MultilineOption)
                       .match(page);
    ASSERT_TRUE(m.hasMatch()) << title;
    at << m.capturedStart();
  }
  EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << page.toStdString();
}

// Each page is read on its own: the header and footer on all of them, and a section that
// runs on shows its title and column titles again, losing and repeating no row.
TEST_F(ChannelListPrintTest, ALongListRunsOnWithItsTitleAndColumnsRepeated) {
  constexpr int kPrograms = 150;
  int painted = 0;
  const QStringList pages = PdfPages(*LongDb(kPrograms), &painted);
  ASSERT_GE(pages.size(), 3);
  EXPECT_EQ(painted, pages.size());
  const QRegularExpression row(QStringLiteral(R"(^\s*(\d+)\s+Prog (\d+)\s+Astra\s+11494 H\s+(\d+)\s*$)"),
                               QRegularExpression::MultilineOption);
  std::vector<int> numbers;
  for (int i = 0; i < pages.size(); ++i) {
    const QString& page = pages[i];
    SCOPED_TRACE(page.toStdString());
    EXPECT_TRUE(Has(page, QStringLiteral(R"(^\s*small\.qdb\s+2026-03-07\s*$)"))) << "page " << i + 1;
    EXPECT_TRUE(Has(page, QStringLiteral(R"(^\s*Page %1 of %2\s*$)").arg(i + 1).arg(pages.size())));
    EXPECT_TRUE(Has(page, QStringLiteral(R"(^\s*No\.\s+Name\s+Satellite\s+Frequency/Pol\s+Service ID\s+Lock\s+New\s*$)")));
    if (i > 0 && Has(page, QStringLiteral("Prog "))) {
      EXPECT_TRUE(Has(page, QStringLiteral(R"(^\s*TV \(continued\)\s*$)"))) << "page " << i + 1;
    }
    for (auto it = row.globalMatch(page); it.hasNext();) {
      const auto m = it.next();
      numbers.push_back(m.captured(1).toInt());
      EXPECT_EQ(m.captured(2).toInt(), numbers.back());
      EXPECT_EQ(m.captured(3).toInt(), 999 + numbers.back());
    }
  }
  EXPECT_FALSE(Has(pages[0], QStringLiteral("continued")));
  std::vector<int> expected(kPrograms);
  for (int i = 0; i < kPrograms; ++i) expected[std::size_t(i)] = i + 1;
  EXPECT_EQ(numbers, expected);
  // The radio list follows on the last page, with its row rather than its title alone.
  EXPECT_TRUE(Has(pages.back(), QStringLiteral(R"(^\s*Radio\s*$)")));
  EXPECT_TRUE(Has(pages.back(), QStringLiteral(R"(^\s*1\s+Wave\s+Astra\s+11494 H\s+105\s*$)")));
}

// A device that cannot be painted on is reported, not counted as printed.
TEST_F(ChannelListPrintTest, ADeviceThatCannotBePaintedOnGivesNoPages) {
  QPdfWriter writer(QString::fromStdString(dir_.File("missing/folder/lists.pdf")));
  EXPECT_EQ(channellistprint::Paint(*SmallDb(), {QStringLiteral("small.qdb"), kDay}, writer), 0);
}
