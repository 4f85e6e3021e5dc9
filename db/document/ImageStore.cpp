#include "db/document/ImageStore.h"

#include <new>

#include "db/image/DatabaseImage.h"
#include "db/document/DbTexts.h"

ImageStore::~ImageStore() = default;

ImageStore::ImageStore(const ImageStore& other) : dbType_(other.dbType_) { TakeContents(other); }

ImageStore& ImageStore::operator=(const ImageStore& other) {
  if (this != &other) {
    dbType_ = other.dbType_;
    TakeContents(other);
  }
  return *this;
}

std::unique_ptr<ImageStore::Storage> ImageStore::Copy(const std::unique_ptr<Storage>& from) {
  if (!from) return nullptr;
  auto copy = std::make_unique<Storage>();
  copy->db = from->db;
  if (from->extra) copy->extra = std::make_unique<ExtraBlock>(*from->extra);
  return copy;
}

void ImageStore::TakeContents(const ImageStore& from) {
  header_ = from.header_;
  for (std::size_t i = 0; i < storage_.size(); ++i) storage_[i] = Copy(from.storage_[i]);
  imageValid_ = from.imageValid_;
}

std::size_t ImageStore::StorageSize() { return sizeof(Storage) + sizeof(ExtraBlock); }

void ImageStore::SetDbType(int dbType) {
  if (dbtype::IsValid(dbType)) dbType_ = dbType;
}

bool ImageStore::Prepare(std::uint32_t validFlag) {
  if (validFlag != 1) {
    Release();
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
  Release();
  storage_[static_cast<std::size_t>(dbType_)] = std::move(s);
  return true;
}

void ImageStore::Release() {
  for (auto& s : storage_) s.reset();
}

ChannelDatabase* ImageStore::Stored() {
  Storage* s = Current();
  return s ? &s->db : nullptr;
}

const ChannelDatabase* ImageStore::Stored() const {
  const Storage* s = Current();
  return s ? &s->db : nullptr;
}

const ExtraBlock* ImageStore::StoredExtra() const {
  const Storage* s = Current();
  return s ? s->extra.get() : nullptr;
}

bool ImageStore::Parse(const std::uint8_t* image) {
  header_.Assign(image);
  if (header_.ValidFlag() != 1) return false;
  // A caller that skipped Prepare still gets storage for the DbType in force.
  if (!Stored() && !Prepare(1)) return false;
  imageValid_ = 1;
  Storage& s = *Current();
  DatabaseImage::ParseImage(image, dbType_, s.db, s.extra.get());
  return true;
}

bool ImageStore::Put(const ImageHeader& header, const ChannelDatabase& db) {
  header_ = header;
  if (!Prepare(1)) return false;
  *Stored() = db;
  imageValid_ = 1;
  return true;
}

void ImageStore::Commit(const ChannelDatabase& working) {
  if (imageValid_ != 1) return;
  if (ChannelDatabase* stored = Stored()) *stored = working;
}

std::size_t ImageStore::Build(const ChannelDatabase& working, std::uint8_t* out) {
  if (imageValid_ != 1) return 0;
  if (!Stored()) {
    // The DbType changed since the load, or a refused header released the storage:
    // lay out what the pages show for the DbType in force, keeping the extra word.
    std::uint32_t extraWord = 0;
    for (const auto& s : storage_)
      if (s && s->extra) extraWord = s->extra->ExtraWord();
    if (!Prepare(1)) return 0;
    if (auto& extra = Current()->extra) extra->SetExtraWord(extraWord);
  }
  Commit(working);
  const Storage& s = *Current();
  DatabaseImage::BuildImage(header_.Bytes(), s.db, s.extra.get(), dbType_, out);
  return DatabaseImage::kImageSize;
}

Result ImageStore::CheckReceived(const std::uint8_t* image, std::size_t size) {
  if (size < DatabaseImage::kImageSize) return Result::Failure(DbTexts::kReceivedShort, ResultCode::ShortImage);
  if (ImageHeader(image).ValidFlag() != 1) return Result::Failure(DbTexts::kReceivedNotValid, ResultCode::NotValid);
  return Result::Success();
}

Result ImageStore::CheckWhole(const std::uint8_t* image, std::size_t size) {
  if (size < DatabaseImage::kHeaderSize) return Result::Failure(DbTexts::kFileTooShort);
  const ImageHeader header(image);
  if (header.Magic() != ImageHeader::kMagic) return Result::Failure(DbTexts::kInvalidMagic);
  if (header.ValidFlag() != 1) return Result::Failure(DbTexts::kNoDatabase);
  if (header.DataLength() != ImageHeader::kFullDataLength) return Result::Failure(DbTexts::kBadDataLength);
  if (size < DatabaseImage::kImageSize) return Result::Failure(DbTexts::kFileTooShort);
  return Result::Success();
}
