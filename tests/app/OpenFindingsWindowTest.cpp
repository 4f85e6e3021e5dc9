// Opening a file that a save would not write back as it is: bytes after its image, or
// section checksums that hold under no variant. The window asks first, in check's words.
#include <QLabel>
#include <QStringList>

#include "AppTestSupport.h"
#include "db/image/DatabaseImage.h"

namespace {

class OpenFindingsWindowTest : public apptest::WindowTest {};

TEST_F(OpenFindingsWindowTest, TheFileIsAskedAboutBeforeItOpens) {
  const QString good = Path("good.qdb");
  apptest::WriteSample(good);
  const QByteArray image = apptest::ReadAll(good);
  QByteArray sumsWrong = image;
  for (const DatabaseImage::Section& s : DatabaseImage::Sections(3)) sumsWrong[int(s.checksumOffset())] ^= 0x5A;
  const struct Row {
    const char* what;
    QByteArray bytes;
    QMessageBox::StandardButton answer;
    QString asked;  // found in the question; empty: no question
    bool opened;
  } rows[] = {
      {"one byte more", image + QByteArray(1, 'x'), QMessageBox::Yes,
       "the file holds 458817 bytes, 1 more than a database image", true},
      {"1.4 MB, declined", image + QByteArray(1400000 - image.size(), '\0'), QMessageBox::No,
       "the file holds 1400000 bytes, 941184 more than a database image", false},
      {"every section sum wrong", sumsWrong, QMessageBox::Yes,
       "the stored checksum of the transponders section is wrong", true},
      {"a whole, sound image", image, QMessageBox::NoButton, "", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Start();
    const QString file = Path("file.qdb");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(row.bytes);
    out.close();
    if (row.answer != QMessageBox::NoButton) Prompt::QueueMessageAnswer(row.answer);
    EXPECT_EQ(Frame().OpenDocumentFile(file), row.opened);
    const QStringList shown = Prompt::TakeMessages();
    if (row.asked.isEmpty()) {
      EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();
    } else {
      ASSERT_EQ(shown.size(), 1) << shown.join('|').toStdString();
      EXPECT_TRUE(shown[0].startsWith(QStringLiteral("file.qdb:\n")));
      EXPECT_TRUE(shown[0].contains(row.asked)) << shown[0].toStdString();
      EXPECT_TRUE(shown[0].endsWith(QStringLiteral("\nOpen it anyway?")));
    }
    EXPECT_EQ(Doc().HasData(), row.opened);
    EXPECT_EQ(Frame().windowTitle(), row.opened ? QStringLiteral("file.qdb[*] - Quelmar")
                                                : QStringLiteral("Untitled[*] - Quelmar"));
    app_.reset();
  }
}

}  // namespace
