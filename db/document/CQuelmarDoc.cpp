#include "db/document/CQuelmarDoc.h"

#include <vector>

#include "db/document/DbTexts.h"
#include "db/image/DatabaseImage.h"
#include "db/records/TextArgs.h"

CQuelmarDoc::CQuelmarDoc() : edits_([this] { MarkEdited(); }) {}
CQuelmarDoc::~CQuelmarDoc() = default;

// ---- images ---------------------------------------------------------------------------

bool CQuelmarDoc::TakeImage(const std::uint8_t* image) { return images_.Parse(image) && TakeWorking(); }

void CQuelmarDoc::LoadImage(const std::uint8_t* image) {
  if (!TakeImage(image)) return;
  if (EditHistory* history = History()) history->OnHistoryReset();
  RefreshViews();
}

bool CQuelmarDoc::PrepareFor(int dbType, std::uint32_t validFlag) {
  const int before = GetDbType();
  if (dbType >= 0) SetDbType(dbType);
  if (PrepareStorage(validFlag)) return true;
  SetDbType(before);
  return false;
}

Result CQuelmarDoc::LoadReceivedImage(const std::uint8_t* image, std::size_t size, const std::string& stepText,
                                      int dbType) {
  if (Result checked = CheckReceivedImage(image, size); !checked) return checked;
  // With a history the edits before the receive stay in it: the load is one more step,
  // whose undo gives back the variant before it too.
  DocStatePtr before = History() ? CaptureState() : nullptr;
  if (!PrepareFor(dbType, 1)) return Result::Failure(DbTexts::kOutOfMemory);
  TakeImage(image);
  if (EditHistory* history = History()) history->OnLoadRecorded(stepText, std::move(before), CaptureState());
  RefreshViews();
  // The file this document came from is not what it holds now: the next save over it
  // keeps what the file held just before as its backup, not the copy from the opening.
  file_.ForgetBackups();
  SetModifiedFlag(true);
  return Result::Success();
}

void CQuelmarDoc::ChangeVariant(int dbType, const std::string& stepText) {
  if (!dbtype::IsValid(dbType) || dbType == GetDbType()) return;
  if (!HasData()) {
    SetDbType(dbType);
    return;
  }
  DocStatePtr before = History() ? CaptureState() : nullptr;
  SetDbType(dbType);
  if (EditHistory* history = History()) {
    history->OnLoadRecorded(stepText, std::move(before), CaptureState());
  } else {
    SetModifiedFlag(true);
  }
  RefreshViews();
}

void CQuelmarDoc::LoadDatabase(const ImageHeader& header, const ChannelDatabase& db) {
  if (!images_.Put(header, db)) return;
  LoadWorking();
}

bool CQuelmarDoc::TakeWorking() {
  const ChannelDatabase* stored = Stored();
  if (!stored) return false;
  // Edits are counted from the loaded database; what was new to a reference applied to
  // the one before says nothing of it.
  edits_.Take(*stored);
  edits_.Marks().Clear();
  return true;
}

void CQuelmarDoc::LoadWorking() {
  if (!TakeWorking()) return;
  // Steps recorded before the load are void.
  if (EditHistory* history = History()) history->OnHistoryReset();
  RefreshViews();
}

Result CQuelmarDoc::LoadWholeImage(const std::uint8_t* image, std::size_t size, int dbType) {
  return LoadWhole(image, size, dbType, nullptr, nullptr);
}

Result CQuelmarDoc::LoadWhole(const std::uint8_t* image, std::size_t size, int dbType, const std::string* path,
                              const fileio::FileStamp* stamp) {
  // Everything is checked before the document changes: a refused image leaves the
  // header, both databases, the variant, the file and the pages as they were.
  if (const Result fits = CheckWholeImage(image, size); !fits) return fits;
  if (!PrepareFor(dbType, ImageHeader(image).ValidFlag())) return Result::Failure(DbTexts::kOutOfMemory);
  // The file is known before the history hears of the load, so the recovery journal's
  // new base names the right one.
  if (path) {
    file_.Opened(*path, *stamp);
  } else {
    file_.Forget();
  }
  LoadImage(image);
  return Result::Success();
}

// ---- files -----------------------------------------------------------------------------

Result CQuelmarDoc::Open(const std::string& path, int dbType) {
  std::vector<std::uint8_t> image;
  fileio::FileStamp stamp;
  if (Result read = DocFile::Read(path, image, stamp); !read) return read;

  // A refusal names the file: a message that says only "Invalid Magic Number" leaves
  // the user guessing which file it meant.
  const Result loaded = LoadWhole(image.data(), image.size(), dbType, &path, &stamp);
  if (!loaded) return Result::Failure(FillArgs(DbTexts::kCannotOpen, path, loaded.message), loaded.code);
  SetModifiedFlag(false);
  return Result::Success();
}

Result CQuelmarDoc::Save(const std::string& path, bool overwriteChanged) {
  if (ImageValid() != 1) return Result::Failure(DbTexts::kNothingToSave);
  if (!overwriteChanged)
    if (Result may = file_.MayOverwrite(path); !may) return may;
  fileio::AtomicFile file;
  if (Result begun = DocFile::Begin(file, path); !begun) return begun;
  return SaveTo(file);
}

Result CQuelmarDoc::SaveTo(fileio::AtomicFile& file) {
  if (ImageValid() != 1) return Result::Failure(DbTexts::kNothingToSave);
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  if (BuildImage(image.data()) == 0) return Result::Failure(DbTexts::kNothingToSave);
  Result written = file_.Write(file, image);
  if (written) SetModifiedFlag(false);
  return written;
}

// ---- state ---------------------------------------------------------------------------

void CQuelmarDoc::SetModifiedFlag(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  if (views_) views_->OnModifiedChanged(modified);
}

void CQuelmarDoc::MarkEdited() {
  if (!HasHistory()) SetModifiedFlag(true);
}

void CQuelmarDoc::RefreshViews() {
  if (views_) views_->OnRefreshViews();
}

// ---- edits and their steps -----------------------------------------------------------

CQuelmarDoc::Step CQuelmarDoc::BeginStep(std::string text) {
  edits_.BeginStep(std::move(text));
  return Step(*this);
}

ChannelDatabase& CQuelmarDoc::OpenAction(Action action) {
  edits_.BeginStep(std::move(action.text), action.mark);
  return edits_.Working();
}

// ---- whole states (a receive's step) --------------------------------------------------

class DocState {
 public:
  ImageStore images;
  ChannelDatabase working;
  bool hasData = false;
};

DocStatePtr CQuelmarDoc::CaptureState() const {
  auto state = std::make_shared<DocState>();
  state->images = images_;
  state->working = edits_.Working();
  state->hasData = edits_.HasData();
  return state;
}

std::size_t CQuelmarDoc::StateSize() { return sizeof(DocState) + ImageStore::StorageSize(); }

void CQuelmarDoc::RestoreState(const DocState& state) {
  // The variant comes back with the bytes: a save after the undo of a receive lays the
  // database out as it was before.
  images_ = state.images;
  edits_.Restore(state.working, state.hasData);
  RefreshViews();
}
