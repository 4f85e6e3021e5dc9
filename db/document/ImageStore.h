#pragma once
// The document's images: the header of the last image loaded and, for the DbType in
// force, the stored database in image-ready form with its ExtraBlock. Parses loaded
// images into that storage and lays out images to save or send from a working
// database. Knows nothing of files or edits.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "db/records/ChannelDatabase.h"
#include "db/records/DbType.h"
#include "db/image/ExtraBlock.h"
#include "db/image/ImageHeader.h"
#include "db/records/Result.h"

class ImageStore {
 public:
  ImageStore() = default;
  ~ImageStore();
  // A copy holds its own storage: a captured state stays what it was.
  ImageStore(const ImageStore& other);
  ImageStore& operator=(const ImageStore& other);

  // The DbType decides the storage created, the image layout and the PID width.
  void SetDbType(int dbType);
  int DbType() const { return dbType_; }

  // Releases the stored database; with validFlag 1 creates an empty one for the DbType
  // in force. False, with the former storage kept, when memory runs out.
  bool Prepare(std::uint32_t validFlag);
  void Release();
  // Stored database for the DbType in force, or null.
  ChannelDatabase* Stored();
  const ChannelDatabase* Stored() const;
  const ExtraBlock* StoredExtra() const;

  const ImageHeader& Header() const { return header_; }
  std::uint32_t ImageValid() const { return imageValid_; }

  // Takes a whole image's header; when it holds a database, parses that into storage
  // for the DbType in force (created when missing). False when it holds none or no
  // storage could be made.
  bool Parse(const std::uint8_t* image);
  // Puts a header and a database in place as a parsed image would; false when no
  // storage could be made.
  bool Put(const ImageHeader& header, const ChannelDatabase& db);
  // Copies the working database into storage, when an image is loaded.
  void Commit(const ChannelDatabase& working);
  // Fills kImageSize bytes at `out` from `working` under the DbType in force and
  // returns kImageSize; returns 0 and leaves `out` alone when no database has been
  // loaded. Creates storage for the DbType in force when it is missing.
  std::size_t Build(const ChannelDatabase& working, std::uint8_t* out);

  // About the memory one copy's storage holds.
  static std::size_t StorageSize();

  // Whether an image the receiver sent can be taken: refuses one shorter than a whole
  // image or not marked valid.
  static Result CheckReceived(const std::uint8_t* image, std::size_t size);
  // What a whole image from a file or an import is refused for.
  static Result CheckWhole(const std::uint8_t* image, std::size_t size);

 private:
  // The images of another store; the DbType in force stays.
  void TakeContents(const ImageStore& from);
  struct Storage {
    ChannelDatabase db;
    std::unique_ptr<ExtraBlock> extra;  // DbType 2 and 3 only
  };
  static std::unique_ptr<Storage> Copy(const std::unique_ptr<Storage>& from);
  Storage* Current() { return storage_[static_cast<std::size_t>(dbType_)].get(); }
  const Storage* Current() const { return storage_[static_cast<std::size_t>(dbType_)].get(); }

  int dbType_ = dbtype::kDefault;
  ImageHeader header_;
  std::array<std::unique_ptr<Storage>, dbtype::kCount> storage_;
  std::uint32_t imageValid_ = 0;
};
