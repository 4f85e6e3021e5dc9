#include "db/document/CQuelmarDoc.h"

#include <new>
#include <vector>

#include "db/document/DbTexts.h"
#include "db/document/FileIo.h"
#include "db/document/StepSubject.h"
#include "db/image/DatabaseImage.h"
#include "db/records/TextArgs.h"

CQuelmarDoc::CQuelmarDoc() : working_(std::make_unique<ChannelDatabase>()) {}
CQuelmarDoc::~CQuelmarDoc() = default;

void CQuelmarDoc::SetDbType(int dbType) {
  if (dbtype::IsValid(dbType)) dbType_ = dbType;
}

// ---- storage and images ------------------------------------------------------------

bool CQuelmarDoc::PrepareStorage(std::uint32_t validFlag) {
  if (validFlag != 1) {
    ReleaseStorage();
    return true;
  }
  // Allocate first: if memory runs out, the former storage is still there.
  std::unique_ptr<Storage> s;
  try {
    s = std::make_unique<Storage>();
    if (dbtype::HasExtraBlock(dbType_)) s->extra = std::make_unique<ExtraBlock>();
  } catch (const std::bad_alloc&) {
    return false;
  }
  ReleaseStorage();
  storage_[static_cast<std::size_t>(dbType_)] = std::move(s);
  return true;
}

void CQuelmarDoc::ReleaseStorage() {
  for (auto& s : storage_) s.reset();
}

ChannelDatabase* CQuelmarDoc::Stored() {
  auto& s = storage_[static_cast<std::size_t>(dbType_)];
  return s ? &s->db : nullptr;
}

const ChannelDatabase* CQuelmarDoc::Stored() const {
  const auto& s = storage_[static_cast<std::size_t>(dbType_)];
  return s ? &s->db : nullptr;
}

const ExtraBlock* CQuelmarDoc::StoredExtra() const {
  const auto& s = storage_[static_cast<std::size_t>(dbType_)];
  return s ? s->extra.get() : nullptr;
}

bool CQuelmarDoc::TakeImage(const std::uint8_t* image) {
  header_.Assign(image);
  if (header_.ValidFlag() != 1) return false;
  // A caller that skipped PrepareStorage still gets storage for the DbType in force.
  if (!Stored() && !PrepareStorage(1)) return false;
  imageValid_ = 1;
  auto& s = *storage_[static_cast<std::size_t>(dbType_)];
  DatabaseImage::ParseImage(image, dbType_, s.db, s.extra.get());
  return TakeWorking();
}

void CQuelmarDoc::LoadImage(const std::uint8_t* image) {
  if (!TakeImage(image)) return;
  if (history_) history_->OnHistoryReset();
  RefreshViews();
}

DocResult CQuelmarDoc::CheckReceivedImage(const std::uint8_t* image, std::size_t size) {
  if (size < DatabaseImage::kImageSize) return DocResult::Failure(DbTexts::kReceivedShort, DocRefusal::ShortImage);
  if (ImageHeader(image).ValidFlag() != 1)
    return DocResult::Failure(DbTexts::kReceivedNotValid, DocRefusal::NotValid);
  return DocResult::Success();
}

DocResult CQuelmarDoc::LoadReceivedImage(const std::uint8_t* image, std::size_t size, const std::string& stepText) {
  if (DocResult checked = CheckReceivedImage(image, size); !checked) return checked;
  // With a history the edits before the receive stay in it: the load is one more step.
  DocStatePtr before = history_ ? CaptureState() : nullptr;
  if (!PrepareStorage(1)) return DocResult::Failure(DbTexts::kOutOfMemory);
  TakeImage(image);
  if (history_) history_->OnLoadRecorded(stepText, std::move(before), CaptureState());
  RefreshViews();
  // The file this document came from is not what it holds now: the next save over it
  // keeps what the file held just before as its backup, not the copy from the opening.
  savedOver_.clear();
  SetModifiedFlag(true);
  return DocResult::Success();
}

void CQuelmarDoc::LoadDatabase(const ImageHeader& header, const ChannelDatabase& db) {
  header_ = header;
  if (!PrepareStorage(1)) return;
  *Stored() = db;
  imageValid_ = 1;
  LoadWorking();
}

bool CQuelmarDoc::TakeWorking() {
  const ChannelDatabase* stored = Stored();
  if (!stored) return false;
  *working_ = *stored;
  hasData_ = true;
  // Edits are counted from the loaded database.
  recorder_.Reset(*working_);
  return true;
}

void CQuelmarDoc::LoadWorking() {
  if (!TakeWorking()) return;
  // Steps recorded before the load are void.
  if (history_) history_->OnHistoryReset();
  RefreshViews();
}

void CQuelmarDoc::CommitWorking() {
  if (imageValid_ != 1) return;
  if (ChannelDatabase* stored = Stored()) *stored = *working_;
}

std::size_t CQuelmarDoc::BuildImage(std::uint8_t* out) {
  if (imageValid_ != 1) return 0;
  if (!Stored()) {
    // The DbType changed since the load, or a refused header released the storage:
    // lay out what the pages show for the DbType in force, keeping the extra word.
    std::uint32_t extraWord = 0;
    for (const auto& s : storage_)
      if (s && s->extra) extraWord = s->extra->ExtraWord();
    if (!PrepareStorage(1)) return 0;
    if (auto& extra = storage_[static_cast<std::size_t>(dbType_)]->extra) extra->SetExtraWord(extraWord);
  }
  CommitWorking();
  const auto& s = *storage_[static_cast<std::size_t>(dbType_)];
  DatabaseImage::BuildImage(header_.Bytes(), s.db, s.extra.get(), dbType_, out);
  return DatabaseImage::kImageSize;
}

// ---- files -----------------------------------------------------------------------------

DocResult CQuelmarDoc::CheckWholeImage(const std::uint8_t* image, std::size_t size) {
  if (size < DatabaseImage::kHeaderSize) return DocResult::Failure(DbTexts::kFileTooShort);
  const ImageHeader header(image);
  if (header.Magic() != ImageHeader::kMagic) return DocResult::Failure(DbTexts::kInvalidMagic);
  if (header.ValidFlag() != 1) return DocResult::Failure(DbTexts::kNoDatabase);
  if (header.DataLength() != ImageHeader::kFullDataLength) return DocResult::Failure(DbTexts::kBadDataLength);
  if (size < DatabaseImage::kImageSize) return DocResult::Failure(DbTexts::kFileTooShort);
  return DocResult::Success();
}

DocResult CQuelmarDoc::LoadWholeImage(const std::uint8_t* image, std::size_t size) {
  // Everything is checked before the document changes: a refused image leaves the
  // header, both databases and the pages as they were.
  if (const DocResult fits = CheckWholeImage(image, size); !fits) return fits;
  if (!PrepareStorage(ImageHeader(image).ValidFlag())) return DocResult::Failure(DbTexts::kOutOfMemory);
  LoadImage(image);
  return DocResult::Success();
}

DocResult CQuelmarDoc::Open(const std::string& path) {
  std::vector<std::uint8_t> image;
  fileio::FileStamp stamp;
  const fileio::IoResult read = fileio::ReadPrefix(path, DatabaseImage::kImageSize, image, &stamp);
  if (!read.ok) return DocResult::Failure(fileio::Describe(read, path, DbTexts::kCannotOpen));

  const DocResult loaded = LoadWholeImage(image.data(), image.size());
  if (!loaded && loaded.message == DbTexts::kOutOfMemory)
    return DocResult::Failure(FillArgs(DbTexts::kCannotOpen, path, DbTexts::kOutOfMemory));
  if (!loaded) return loaded;
  SetModifiedFlag(false);
  filePath_ = path;
  fileStamp_ = stamp;
  return DocResult::Success();
}

DocResult CQuelmarDoc::Save(const std::string& path, bool overwriteChanged) {
  if (imageValid_ != 1) return DocResult::Failure(DbTexts::kNothingToSave);
  if (!overwriteChanged && fileStamp_.Exists()) {
    // Our own file, rewritten in place (same file, new time or size) or replaced (same
    // name, another file) by someone else since we read or wrote it.
    const fileio::FileStamp now = fileio::StampOf(path);
    const bool ours = path == filePath_ || now.SameFile(fileStamp_);
    if (now.Exists() && ours && now != fileStamp_) return DocResult::ChangedOnDisk(DbTexts::kChangedOnDisk);
  }
  fileio::AtomicFile file;
  const fileio::IoResult begun = file.Begin(path);
  if (!begun.ok) return DocResult::Failure(fileio::Describe(begun, path, DbTexts::kCannotSave));
  return SaveTo(file);
}

DocResult CQuelmarDoc::SaveTo(fileio::AtomicFile& file) {
  if (imageValid_ != 1) return DocResult::Failure(DbTexts::kNothingToSave);
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  if (BuildImage(image.data()) == 0) return DocResult::Failure(DbTexts::kNothingToSave);
  const std::string backup = file.Path() + DbTexts::kBackupSuffix;
  const bool first = savedOver_.count(file.Target()) == 0;
  if (first) file.KeepOldAs(backup);
  fileio::FileStamp stamp;
  const fileio::IoResult written = file.Commit(image.data(), image.size(), &stamp);
  if (!written.ok) return DocResult::Failure(fileio::Describe(written, file.Path(), DbTexts::kCannotSave));
  // Made or not, a file's backup is the one from before the first save: a later save
  // must not replace it with this session's own work.
  savedOver_.insert(file.Target());
  SetModifiedFlag(false);
  filePath_ = file.Path();
  fileStamp_ = stamp;
  DocResult result = DocResult::Success();
  if (first && !file.BackupResult().ok)
    result.notice = FillArgs(DbTexts::kNoBackupKept, fileio::Describe(file.BackupResult(), backup, DbTexts::kPathReason));
  return result;
}

// ---- state ---------------------------------------------------------------------------

void CQuelmarDoc::SetModifiedFlag(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  if (views_) views_->OnModifiedChanged(modified);
}

void CQuelmarDoc::MarkEdited() {
  if (!history_) SetModifiedFlag(true);
}

// ---- edits and their steps -----------------------------------------------------------

CQuelmarDoc::Step CQuelmarDoc::BeginStep(std::string text) {
  if (stepDepth_++ == 0) stepText_ = std::move(text);
  return Step(*this);
}

void CQuelmarDoc::RenameStep(std::string text) {
  if (stepDepth_ == 1) stepText_ = std::move(text);
}

void CQuelmarDoc::EndEdit() {
  if (stepDepth_ == 0) Record({});
}

void CQuelmarDoc::EndStep() {
  if (stepDepth_ > 0 && --stepDepth_ == 0) Record(stepText_);
}

void CQuelmarDoc::Record(const std::string& text) {
  ChangeSet changes = recorder_.Take(*working_);
  if (changes.Empty() || !history_) return;
  const std::string named = text.empty() ? DescribeChange(changes, *working_) : text;
  history_->OnEditRecorded(named, std::move(changes));
}

void CQuelmarDoc::ApplyStep(const ChangeSet& changes, ChangeSide side) { recorder_.Apply(*working_, changes, side); }

// ---- whole states (a receive's step) --------------------------------------------------

class DocState {
 public:
  using Storage = CQuelmarDoc::Storage;

  static std::unique_ptr<Storage> Copy(const std::unique_ptr<Storage>& from) {
    if (!from) return nullptr;
    auto copy = std::make_unique<Storage>();
    copy->db = from->db;
    if (from->extra) copy->extra = std::make_unique<ExtraBlock>(*from->extra);
    return copy;
  }

  ImageHeader header;
  std::array<std::unique_ptr<Storage>, dbtype::kCount> storage;
  ChannelDatabase working;
  std::uint32_t imageValid = 0;
  bool hasData = false;
};

DocStatePtr CQuelmarDoc::CaptureState() const {
  auto state = std::make_shared<DocState>();
  state->header = header_;
  for (std::size_t i = 0; i < storage_.size(); ++i) state->storage[i] = DocState::Copy(storage_[i]);
  state->working = *working_;
  state->imageValid = imageValid_;
  state->hasData = hasData_;
  return state;
}

std::size_t CQuelmarDoc::StateSize() { return sizeof(DocState) + sizeof(Storage) + sizeof(ExtraBlock); }

void CQuelmarDoc::RestoreState(const DocState& state) {
  header_ = state.header;
  for (std::size_t i = 0; i < storage_.size(); ++i) storage_[i] = DocState::Copy(state.storage[i]);
  *working_ = state.working;
  imageValid_ = state.imageValid;
  hasData_ = state.hasData;
  recorder_.Reset(*working_);
  RefreshViews();
}

void CQuelmarDoc::RefreshViews() {
  if (views_) views_->OnRefreshViews();
}
