#pragma once
// The application's single document: the header of the last image loaded, a stored
// database in image-ready form for the DbType in force, and the working database the
// pages edit. Reads and writes the document file and is where received images are
// loaded and images to send are built. No window code here.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <type_traits>
#include <string>
#include <utility>

#include "db/document/DocResult.h"
#include "db/document/DocState.h"
#include "db/document/DocumentViews.h"
#include "db/document/EditHistory.h"
#include "db/document/EditRecorder.h"
#include "db/document/FileIo.h"
#include "db/image/ExtraBlock.h"
#include "db/image/ImageHeader.h"
#include "db/image/ImageSource.h"
#include "db/records/ChannelDatabase.h"
#include "db/records/DbType.h"

// A send takes its image through ImageSource, all the transfer engines know of the
// document; a receive never reaches it (the window loads what arrived).
class CQuelmarDoc final : public ImageSource {
 public:
  CQuelmarDoc();
  ~CQuelmarDoc();
  CQuelmarDoc(const CQuelmarDoc&) = delete;
  CQuelmarDoc& operator=(const CQuelmarDoc&) = delete;

  // The application's DbType setting, pushed in by the window whenever it changes.
  // It decides the storage created, the image layout and the PID width from then on.
  void SetDbType(int dbType);
  int GetDbType() const override { return dbType_; }

  // --- storage and images ------------------------------------------------------
  // Releases the stored database; with validFlag 1 creates an empty one for the DbType
  // in force. Open and New call it before they load.
  bool PrepareStorage(std::uint32_t validFlag);
  void ReleaseStorage();
  // Stored database for the DbType in force, or null.
  ChannelDatabase* Stored();
  const ChannelDatabase* Stored() const;
  const ExtraBlock* StoredExtra() const;
  // Loads a whole image (kImageSize bytes) as if from a file: takes its header; with
  // validFlag 1 parses it into storage and copies that into the working database.
  void LoadImage(const std::uint8_t* image);
  // Whether an image the receiver sent can be taken: refuses one shorter than a whole
  // image or not marked valid.
  static DocResult CheckReceivedImage(const std::uint8_t* image, std::size_t size);
  // Takes an image the receiver sent, refused as CheckReceivedImage refuses it with the
  // document left as it was (the pages keep what they show). Otherwise loads it and
  // marks the document modified, as it is not in any file. With a history attached the
  // load is one step named `stepText`: undo gives back the document as it was, edits
  // included, and the history before it stays. The next save over an existing file
  // keeps that file's content as its backup again.
  DocResult LoadReceivedImage(const std::uint8_t* image, std::size_t size, const std::string& stepText = {});
  // Takes a whole image from outside a file (an imported export): refused as Open
  // refuses a file, with the document left as it was. The modified flag is the
  // caller's.
  DocResult LoadWholeImage(const std::uint8_t* image, std::size_t size);
  // What LoadWholeImage would refuse in the image itself, without touching a document:
  // lets a caller refuse before it changes any setting.
  static DocResult CheckWholeImage(const std::uint8_t* image, std::size_t size);
  // Puts a header and a database in place as a loaded image would (for new and
  // demo databases, and tests). Views are refreshed; the modified flag is untouched.
  void LoadDatabase(const ImageHeader& header, const ChannelDatabase& db);
  void LoadWorking();
  void CommitWorking();
  // Fills kImageSize bytes at `out` from the working database under the DbType in
  // force and returns kImageSize; returns 0 and leaves `out` alone when no database has
  // been loaded. Creates storage for the DbType in force when it is missing.
  std::size_t BuildImage(std::uint8_t* out) override;

  // --- files -------------------------------------------------------------------
  // Refuses a file that is not a whole, valid image before changing anything.
  DocResult Open(const std::string& path);
  // Writes the image beside the target and renames it over; the old file survives a
  // failure. Clears the modified flag on success. Before overwriting the file this
  // document was opened from or last saved to, when another program has changed or
  // replaced it since, nothing is written and the result asks whether to overwrite it
  // (changedOnDisk); the caller asks the user and saves again with overwriteChanged.
  // The first save over an existing file in this document's life keeps the old content
  // as NAME.bak beside the name given; later saves leave that backup alone. A backup
  // that cannot be written does not stop the save: the result's notice says so.
  DocResult Save(const std::string& path, bool overwriteChanged = false);
  // Saves through a file whose temporary was made beforehand (Begin), as quelmar-cli's
  // receive does before it connects so that an unwritable output fails at once.
  DocResult SaveTo(fileio::AtomicFile& file);

  // --- state ---------------------------------------------------------------------
  // What the pages show and read. Changes go through Edit.
  const ChannelDatabase& Working() const { return *working_; }
  const ImageHeader& Header() const { return header_; }
  // The file this document last read or wrote; empty when none.
  const std::string& FilePath() const { return filePath_; }
  std::uint32_t ImageValid() const { return imageValid_; }
  bool HasData() const { return hasData_; }
  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true);
  // An edit has run: marks the document modified, unless a history is attached, whose
  // clean state then decides the flag (an edit that changed nothing leaves it).
  void MarkEdited();

  void SetViews(DocumentViews* views) { views_ = views; }
  void RefreshViews();

 private:
  // Records what the edits since the last record changed, unless a step is open.
  void EndEdit();
  void EndStep();
  void RenameStep(std::string text);
  void Record(const std::string& text);

 public:

  // --- the one door for edits -----------------------------------------------------
  // Every change to the working database passes through here: runs
  // op(working, args...), an operation of db/, and returns what it returns. Loads that
  // replace the whole database are not edits and do not pass. The modified flag is the
  // caller's to set (MarkEdited), as the pages decide which edits count.
  // What the operation changed is recorded and handed to the history as one step: at
  // once, or when the step the caller opened with BeginStep ends. An edit that changed
  // nothing makes no step.
  template <typename Op, typename... Args>
  decltype(auto) Edit(Op&& op, Args&&... args) {
    using Result = std::invoke_result_t<Op, ChannelDatabase&, Args...>;
    if constexpr (std::is_void_v<Result>) {
      std::invoke(std::forward<Op>(op), *working_, std::forward<Args>(args)...);
      EndEdit();
    } else {
      Result result = std::invoke(std::forward<Op>(op), *working_, std::forward<Args>(args)...);
      EndEdit();
      return result;
    }
  }

  // One user action: every Edit until the returned step ends is one step named `text`
  // (UTF-8), "Delete Program [Kino 1]". Steps opened inside another belong to it.
  class Step {
   public:
    ~Step() { doc_.EndStep(); }
    Step(const Step&) = delete;
    // Names the step after what the action turned out to do ("Add 2 Programs to …"
    // when two of four were members already). A step opened inside another keeps the
    // outer one's name.
    void Rename(std::string text) { doc_.RenameStep(std::move(text)); }
    Step& operator=(const Step&) = delete;

   private:
    friend class CQuelmarDoc;
    explicit Step(CQuelmarDoc& doc) : doc_(doc) {}
    CQuelmarDoc& doc_;
  };
  [[nodiscard]] Step BeginStep(std::string text);

  // Receives every recorded step and every reset; null keeps none (the CLI, tests).
  void SetHistory(EditHistory* history) { history_ = history; }
  bool HasHistory() const { return history_ != nullptr; }
  // Puts one side of a recorded step into the working database: Before undoes it,
  // After redoes it. The caller refreshes what shows it.
  void ApplyStep(const ChangeSet& changes, ChangeSide side);
  // The whole state as it is now, and putting one back (undo and redo of a receive);
  // RestoreState refreshes the views.
  DocStatePtr CaptureState() const;
  void RestoreState(const DocState& state);
  // About the memory one captured state holds.
  static std::size_t StateSize();

 private:
  friend class DocState;
  // Loads the image's header and database, and the working copy from them, without
  // touching the history or the views.
  bool TakeImage(const std::uint8_t* image);
  // The working database from the stored one; false when none is stored.
  bool TakeWorking();
  struct Storage {
    ChannelDatabase db;
    std::unique_ptr<ExtraBlock> extra;  // DbType 2 and 3 only
  };

  int dbType_ = dbtype::kDefault;
  ImageHeader header_;
  std::array<std::unique_ptr<Storage>, dbtype::kCount> storage_;
  std::unique_ptr<ChannelDatabase> working_;
  std::uint32_t imageValid_ = 0;
  bool hasData_ = false;
  bool modified_ = false;
  DocumentViews* views_ = nullptr;
  EditHistory* history_ = nullptr;
  EditRecorder recorder_;
  int stepDepth_ = 0;
  std::string stepText_;
  // The file as this document last read or wrote it.
  std::string filePath_;
  fileio::FileStamp fileStamp_;
  // Files (links resolved) saved over once already: their backup is made.
  std::set<std::string> savedOver_;
};
