// The document: open and save round trips, refusals, atomic save, storage per DbType.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <memory>

#include "db/document/CQuelmarDoc.h"
#include "db/document/DbTexts.h"
#include "db/image/Crc32.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "db/records/TextArgs.h"
#include "support/RandomBytes.h"
#include "support/TempDir.h"

namespace {

using Image = std::vector<std::uint8_t>;

struct CountingViews : DocumentViews {
  int refreshes = 0;
  std::vector<bool> modifiedChanges;
  void OnRefreshViews() override { ++refreshes; }
  void OnModifiedChanged(bool m) override { modifiedChanges.push_back(m); }
};

// Everything a refusal must leave alone.
struct Snapshot {
  explicit Snapshot(const CQuelmarDoc& doc)
      : header(doc.Header()),
        working(std::make_unique<ChannelDatabase>(doc.Working())),
        hasStored(doc.Stored() != nullptr),
        imageValid(doc.ImageValid()),
        hasData(doc.HasData()),
        modified(doc.IsModified()) {
    if (hasStored) stored = std::make_unique<ChannelDatabase>(*doc.Stored());
  }
  void ExpectSame(const CQuelmarDoc& doc) const {
    EXPECT_EQ(doc.Header(), header);
    EXPECT_EQ(std::memcmp(&doc.Working(), working.get(), sizeof(ChannelDatabase)), 0) << "working changed";
    ASSERT_EQ(doc.Stored() != nullptr, hasStored);
    if (hasStored) {
      EXPECT_EQ(std::memcmp(doc.Stored(), stored.get(), sizeof(ChannelDatabase)), 0) << "stored changed";
    }
    EXPECT_EQ(doc.ImageValid(), imageValid);
    EXPECT_EQ(doc.HasData(), hasData);
    EXPECT_EQ(doc.IsModified(), modified);
  }
  ImageHeader header;
  std::unique_ptr<ChannelDatabase> working, stored;
  bool hasStored;
  std::uint32_t imageValid;
  bool hasData, modified;
};

class Doc : public ::testing::Test {
 protected:
  testkit::TempDir dir;
  CQuelmarDoc doc;
  CountingViews views;
  void SetUp() override { doc.SetViews(&views); }

  void LoadSample(int dbType) {
    doc.SetDbType(dbType);
    auto db = std::make_unique<ChannelDatabase>();
    sample::BuildSampleDatabase(*db);
    doc.LoadDatabase(sample::MakeHeader(dbType), *db);
  }
};

TEST_F(Doc, StartsEmptyAndRefusesToSaveNothing) {
  EXPECT_EQ(doc.GetDbType(), 3);
  EXPECT_EQ(doc.ImageValid(), 0u);
  EXPECT_FALSE(doc.HasData());
  Image buffer(DatabaseImage::kImageSize, 0x77);
  EXPECT_EQ(doc.BuildImage(buffer.data()), 0u);
  EXPECT_EQ(buffer, Image(DatabaseImage::kImageSize, 0x77)) << "buffer left untouched";
  const Result r = doc.Save(dir.File("nothing.qdb"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, DbTexts::kNothingToSave);
  EXPECT_EQ(dir.EntryCount(), 0u) << "no file written";
}

// Opening any image and saving it again keeps the header and every section byte; only
// checksum words, the trailer's position and uncovered bytes may differ.
TEST_F(Doc, ResaveKeepsEverySectionByteForEveryDbType) {
  for (int dbType = 0; dbType < 4; ++dbType) {
    SCOPED_TRACE("DbType " + std::to_string(dbType));
    const Image original = testdata::RandomImage(100 + static_cast<std::uint32_t>(dbType));
    const std::string in = dir.File("in.qdb"), out = dir.File("out.qdb");
    testkit::WriteBytes(in, original);
    doc.SetDbType(dbType);
    ASSERT_TRUE(doc.Open(in).ok);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(doc.Save(out).ok);

    const Image saved = testkit::ReadBytes(out);
    ASSERT_EQ(saved.size(), 458816u);
    EXPECT_EQ(std::memcmp(saved.data(), original.data(), 64), 0) << "header";
    for (const auto& s : DatabaseImage::Sections(dbType)) {
      EXPECT_EQ(std::memcmp(&saved[s.imageOffset], &original[s.imageOffset], s.length), 0) << s.name;
      EXPECT_TRUE(DatabaseImage::ChecksumMatches(saved.data(), s)) << s.name;
    }
    const std::size_t start = DatabaseImage::TrailerScanStart(dbType);
    const std::size_t p = DatabaseImage::FindTrailerPosition(original.data(), start);
    EXPECT_EQ(bytes::LoadU32(&saved[start + 64]), bytes::LoadU32(&original[p + 64])) << "trailer word";
    if (dbType >= 2) {
      EXPECT_EQ(bytes::LoadU32(&saved[0x60040]), bytes::LoadU32(&original[0x60040])) << "extra word";
    }

    // A file built by these rules comes back byte-identical.
    CQuelmarDoc again;
    again.SetDbType(dbType);
    ASSERT_TRUE(again.Open(out).ok);
    ASSERT_TRUE(again.Save(in).ok);
    EXPECT_EQ(testkit::ReadBytes(in), saved);
  }
}

TEST_F(Doc, TrailerFoundLaterInBlockZeroMovesToItsPlace) {
  Image image = testdata::RandomImage(5);
  for (std::size_t i = 236; i < 1000; i += 4) bytes::StoreU32(&image[i], 0x01020304);
  bytes::StoreU32(&image[1000], 0xCDCDCDCD);
  bytes::StoreU32(&image[1064], 0x600DBEEF);
  testkit::WriteBytes(dir.File("t.qdb"), image);
  doc.SetDbType(0);
  ASSERT_TRUE(doc.Open(dir.File("t.qdb")).ok);
  EXPECT_EQ(doc.Working().trailerWord, 0x600DBEEFu);
  ASSERT_TRUE(doc.Save(dir.File("t2.qdb")).ok);
  const Image saved = testkit::ReadBytes(dir.File("t2.qdb"));
  EXPECT_EQ(bytes::LoadU32(&saved[300]), 0x600DBEEFu);
}

TEST_F(Doc, OpenLoadsWorkingAndRefreshesViews) {
  LoadSample(3);
  ASSERT_TRUE(doc.Save(dir.File("s.qdb")).ok);
  CQuelmarDoc other;
  CountingViews v;
  other.SetViews(&v);
  ASSERT_TRUE(other.Open(dir.File("s.qdb")).ok);
  EXPECT_EQ(v.refreshes, 1);
  EXPECT_TRUE(other.HasData());
  EXPECT_EQ(other.ImageValid(), 1u);
  EXPECT_EQ(std::memcmp(&other.Working(), &doc.Working(), sizeof(ChannelDatabase)), 0);
  ASSERT_TRUE(other.Open(dir.File("s.qdb")).ok);
  EXPECT_EQ(std::memcmp(&other.Working(), &doc.Working(), sizeof(ChannelDatabase)), 0) << "same twice";
  EXPECT_EQ(other.Header(), doc.Header());
}

TEST_F(Doc, EveryRefusalLeavesTheDocumentAsItWas) {
  LoadSample(3);
  doc.Edit([](ChannelDatabase& db) { db.satellites[0].SetName("Edited"); });
  doc.SetModifiedFlag(true);
  const Snapshot before(doc);
  const int refreshes = views.refreshes;

  const Image good = testdata::RandomImage(1);
  struct Case {
    const char* what;
    Image bytes;
    const char* message;
  };
  auto with = [&](auto change) {
    Image im = good;
    ImageHeader h(im.data());
    change(h);
    h.CopyTo(im.data());
    return im;
  };
  std::vector<Case> cases;
  cases.push_back({"magic", with([](ImageHeader& h) { h.SetMagic(0x04212511); }), DbTexts::kInvalidMagic});
  cases.push_back({"validFlag", with([](ImageHeader& h) { h.SetValidFlag(0); }), DbTexts::kNoDatabase});
  cases.push_back({"validFlag 2", with([](ImageHeader& h) { h.SetValidFlag(2); }), DbTexts::kNoDatabase});
  cases.push_back({"dataLength high", with([](ImageHeader& h) { h.SetDataLength(0x70001); }), DbTexts::kBadDataLength});
  cases.push_back({"dataLength low", with([](ImageHeader& h) { h.SetDataLength(0x6FFFF); }), DbTexts::kBadDataLength});
  cases.push_back({"short", Image(good.begin(), good.end() - 1), DbTexts::kFileTooShort});
  cases.push_back({"header only", Image(good.begin(), good.begin() + 64), DbTexts::kFileTooShort});
  cases.push_back({"tiny", Image(good.begin(), good.begin() + 10), DbTexts::kFileTooShort});
  cases.push_back({"empty", Image{}, DbTexts::kFileTooShort});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = dir.File("bad.qdb");
    testkit::WriteBytes(path, c.bytes);
    const Result r = doc.Open(path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, FillArgs(DbTexts::kCannotOpen, path, c.message));
    before.ExpectSame(doc);
  }
  for (const std::string& path : {dir.File("missing.qdb"), dir.Path().string()}) {
    const Result r = doc.Open(path);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
    before.ExpectSame(doc);
  }
  EXPECT_EQ(views.refreshes, refreshes);
}

TEST_F(Doc, LongerFileOpensFromItsFirstImage) {
  Image image = testdata::RandomImage(8);
  image.resize(image.size() + 100, 0xEE);
  testkit::WriteBytes(dir.File("long.qdb"), image);
  EXPECT_TRUE(doc.Open(dir.File("long.qdb")).ok);
}

TEST_F(Doc, FailedSaveLeavesOldFileIntact) {
  LoadSample(3);
  const std::string target = dir.File("keep.qdb");
  const Image old(1000, 0x42);
  testkit::WriteBytes(target, old);
  doc.SetModifiedFlag(true);

  // A file-size limit makes the write fail even for root: the image never fits.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const Result r = doc.Save(target);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find(target), std::string::npos) << r.message;
  EXPECT_EQ(testkit::ReadBytes(target), old);
  EXPECT_EQ(dir.EntryCount(), 1u) << "the temporary file is removed";
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(Doc, SaveIntoUnwritableFolderFails) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  LoadSample(3);
  const std::string target = dir.File("keep.qdb");
  testkit::WriteBytes(target, Image(10, 1));
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_FALSE(doc.Save(target).ok);
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(testkit::ReadBytes(target), Image(10, 1));
}

TEST_F(Doc, SaveReplacesFileAndKeepsItsMode) {
  LoadSample(1);
  const std::string target = dir.File("mode.qdb");
  testkit::WriteBytes(target, Image(10, 1));
  std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
  doc.SetModifiedFlag(true);
  ASSERT_TRUE(doc.Save(target).ok);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(testkit::ReadBytes(target).size(), 458816u);
  EXPECT_EQ(std::filesystem::status(target).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  EXPECT_EQ(dir.EntryCount(), 2u) << "the file and its backup, no temporary file";
  EXPECT_EQ(testkit::ReadBytes(target + ".bak"), Image(10, 1));
}

TEST_F(Doc, StorageBelongsToOneDbType) {
  doc.SetDbType(2);
  ASSERT_TRUE(doc.PrepareStorage(1));
  ASSERT_NE(doc.Stored(), nullptr);
  ASSERT_NE(doc.StoredExtra(), nullptr);
  doc.SetDbType(1);
  EXPECT_EQ(doc.Stored(), nullptr) << "storage exists only for the DbType it was made for";
  ASSERT_TRUE(doc.PrepareStorage(1));
  EXPECT_NE(doc.Stored(), nullptr);
  EXPECT_EQ(doc.StoredExtra(), nullptr);
  doc.SetDbType(2);
  EXPECT_EQ(doc.Stored(), nullptr) << "the former storage was released";
  doc.SetDbType(1);
  ASSERT_TRUE(doc.PrepareStorage(0));
  EXPECT_EQ(doc.Stored(), nullptr) << "validFlag other than 1 only releases";
  doc.SetDbType(9);
  EXPECT_EQ(doc.GetDbType(), 1) << "an impossible DbType is ignored";
}

TEST_F(Doc, SaveAfterDbTypeChangeWritesWhatThePagesShow) {
  LoadSample(3);
  doc.Edit([](ChannelDatabase& db) {
    db.programs[0].SetName("Changed");
    db.trailerWord = 0x1234;
  });
  doc.SetDbType(0);
  ASSERT_TRUE(doc.Save(dir.File("as0.qdb")).ok);
  CQuelmarDoc reread;
  reread.SetDbType(0);
  ASSERT_TRUE(reread.Open(dir.File("as0.qdb")).ok);
  EXPECT_EQ(std::memcmp(&reread.Working(), &doc.Working(), sizeof(ChannelDatabase)), 0);
  EXPECT_EQ(reread.Working().programs[0].Name(), "Changed");
}

TEST_F(Doc, ExtraWordSurvivesChangeBetweenSixBlockTypes) {
  Image image = testdata::RandomImage(21);
  bytes::StoreU32(&image[0x60040], 0xFEEDC0DE);
  testkit::WriteBytes(dir.File("x.qdb"), image);
  doc.SetDbType(3);
  ASSERT_TRUE(doc.Open(dir.File("x.qdb")).ok);
  doc.SetDbType(2);
  Image built(DatabaseImage::kImageSize);
  ASSERT_EQ(doc.BuildImage(built.data()), DatabaseImage::kImageSize);
  EXPECT_EQ(bytes::LoadU32(&built[0x60040]), 0xFEEDC0DEu);
}

TEST_F(Doc, InvalidImageReplacesHeaderButKeepsWhatThePagesShow) {
  LoadSample(3);
  const auto working = std::make_unique<ChannelDatabase>(doc.Working());
  const int refreshes = views.refreshes;
  Image image(DatabaseImage::kImageSize, 0);
  ImageHeader h = sample::MakeHeader(3);
  h.SetValidFlag(0);
  h.SetMakerName("OTHER");
  h.CopyTo(image.data());
  ASSERT_TRUE(doc.PrepareStorage(0));  // a header without a database releases the storage
  doc.LoadImage(image.data());
  EXPECT_EQ(doc.Header().MakerName(), "OTHER");
  EXPECT_EQ(std::memcmp(&doc.Working(), working.get(), sizeof(ChannelDatabase)), 0);
  EXPECT_TRUE(doc.HasData());
  EXPECT_EQ(doc.ImageValid(), 1u);
  EXPECT_EQ(doc.Stored(), nullptr);
  EXPECT_EQ(views.refreshes, refreshes);
  // What is built afterwards is still what the pages show.
  Image built(DatabaseImage::kImageSize);
  ASSERT_EQ(doc.BuildImage(built.data()), DatabaseImage::kImageSize);
  ChannelDatabase parsed;
  DatabaseImage::ParseImage(built.data(), 3, parsed, nullptr);
  EXPECT_EQ(std::memcmp(&parsed, working.get(), sizeof parsed), 0);
}

TEST_F(Doc, BuildImageCommitsWorkingFirst) {
  LoadSample(0);
  doc.Edit([](ChannelDatabase& db) { db.satellites[3].SetLnbFreqLow(9999); });
  Image built(DatabaseImage::kImageSize);
  ASSERT_EQ(doc.BuildImage(built.data()), DatabaseImage::kImageSize);
  EXPECT_EQ(doc.Stored()->satellites[3].LnbFreqLow(), 9999);
  EXPECT_EQ(bytes::LoadU16(&built[65600 + 3 * 32 + 30]), 9999);
  EXPECT_EQ(std::memcmp(built.data(), doc.Header().Bytes(), 64), 0);
}

TEST_F(Doc, ModifiedFlagNotifiesChangesOnly) {
  doc.SetModifiedFlag(true);
  doc.SetModifiedFlag(true);
  doc.SetModifiedFlag(false);
  EXPECT_EQ(views.modifiedChanges, (std::vector<bool>{true, false}));
}

}  // namespace

TEST_F(Doc, AReceivedImageIsTakenWholeAndValidOnly) {
  LoadSample(3);
  doc.SetModifiedFlag(false);
  const Snapshot before(doc);
  Image image = testdata::RandomImage(42);

  const Result shortImage = doc.LoadReceivedImage(image.data(), DatabaseImage::kImageSize - 1);
  EXPECT_FALSE(shortImage);
  EXPECT_EQ(shortImage.code, ResultCode::ShortImage);
  EXPECT_EQ(shortImage.message, DbTexts::kReceivedShort);
  before.ExpectSame(doc);

  ImageHeader header(image.data());
  header.SetValidFlag(0);
  header.CopyTo(image.data());
  const Result notValid = doc.LoadReceivedImage(image.data(), image.size());
  EXPECT_EQ(notValid.code, ResultCode::NotValid);
  EXPECT_EQ(notValid.message, DbTexts::kReceivedNotValid);
  before.ExpectSame(doc);

  header.SetValidFlag(1);
  header.CopyTo(image.data());
  const int refreshes = views.refreshes;
  EXPECT_TRUE(doc.LoadReceivedImage(image.data(), image.size()));
  EXPECT_TRUE(doc.IsModified()) << "a received database is in no file yet";
  EXPECT_EQ(views.refreshes, refreshes + 1);
  EXPECT_EQ(std::memcmp(doc.Header().Bytes(), image.data(), DatabaseImage::kHeaderSize), 0);
}

TEST_F(Doc, EditRunsTheOperationOnTheWorkingDatabaseAndHandsBackItsResult) {
  LoadSample(3);
  doc.SetModifiedFlag(false);
  const ChannelDatabase* seen = nullptr;
  const int result = doc.Edit(
      [&seen](ChannelDatabase& db, int slot, const char* name) {
        seen = &db;
        db.satellites[std::size_t(slot)].SetName(name);
        return slot * 2;
      },
      4, "Edited");
  EXPECT_EQ(result, 8);
  EXPECT_EQ(seen, &doc.Working());
  EXPECT_EQ(doc.Working().satellites[4].Name(), "Edited");
  EXPECT_NE(doc.Stored()->satellites[4].Name(), "Edited") << "the stored copy waits for a save";
  EXPECT_FALSE(doc.IsModified()) << "the caller decides what counts as a change";
}
