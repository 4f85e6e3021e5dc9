#pragma once
// The application's single document, put together from its three parts: the file it
// belongs to (DocFile), its images per DbType (ImageStore) and the working database
// with its steps and notices (EditSession). Loads received images and builds the
// images to send. Pages and dialogs see it only as DocEditing. No window code here.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "db/document/DocEditing.h"
#include "db/document/DocFile.h"
#include "db/document/DocState.h"
#include "db/document/DocumentViews.h"
#include "db/document/EditHistory.h"
#include "db/document/EditSession.h"
#include "db/document/FileIo.h"
#include "db/document/ImageStore.h"
#include "db/image/ExtraBlock.h"
#include "db/image/ImageHeader.h"
#include "db/image/ImageSource.h"
#include "db/records/ChannelDatabase.h"
#include "db/records/DbType.h"
#include "db/records/Result.h"

// A send takes its image through ImageSource, all the transfer engines know of the
// document; a receive never reaches it (the window loads what arrived).
class CQuelmarDoc final : public ImageSource, public DocEditing {
 public:
  CQuelmarDoc();
  ~CQuelmarDoc();
  CQuelmarDoc(const CQuelmarDoc&) = delete;
  CQuelmarDoc& operator=(const CQuelmarDoc&) = delete;

  // The receiver variant the database is laid out for: it decides the storage created,
  // the image layout and the PID width. Every load sets it with the bytes it loads, and
  // every undo and redo of a load puts it back with them. SetDbType alone is for a
  // document that holds nothing yet (the variant the next load is read under) and for
  // callers without a history (quelmar-cli, tests); the window converts a loaded
  // database with ChangeVariant.
  void SetDbType(int dbType) { images_.SetDbType(dbType); }
  int GetDbType() const override { return images_.DbType(); }
  // Lays the loaded database out for `dbType` from now on: with a history attached, one
  // step named `stepText` that undo takes back, variant and all. Without data it only
  // sets the variant the next load is read under.
  void ChangeVariant(int dbType, const std::string& stepText);

  // --- storage and images ------------------------------------------------------
  // Releases the stored database; with validFlag 1 creates an empty one for the DbType
  // in force. Open and New call it before they load.
  bool PrepareStorage(std::uint32_t validFlag) { return images_.Prepare(validFlag); }
  void ReleaseStorage() {
    images_.Release();
    edits_.Marks().Clear();
  }
  // Stored database for the DbType in force, or null.
  ChannelDatabase* Stored() { return images_.Stored(); }
  const ChannelDatabase* Stored() const { return images_.Stored(); }
  const ExtraBlock* StoredExtra() const { return images_.StoredExtra(); }
  // Loads a whole image (kImageSize bytes) as if from a file: takes its header; with
  // validFlag 1 parses it into storage and copies that into the working database.
  void LoadImage(const std::uint8_t* image);
  // Whether an image the receiver sent can be taken: refuses one shorter than a whole
  // image or not marked valid.
  static Result CheckReceivedImage(const std::uint8_t* image, std::size_t size) {
    return ImageStore::CheckReceived(image, size);
  }
  // Takes an image the receiver sent, refused as CheckReceivedImage refuses it with the
  // document left as it was (the pages keep what they show). Otherwise loads it and
  // marks the document modified, as it is not in any file. With a history attached the
  // load is one step named `stepText`: undo gives back the document as it was, edits
  // included, and the history before it stays. The next save over an existing file
  // keeps that file's content as its backup again.
  // `dbType` is the variant it is read under (the one in force when negative); the
  // step's undo puts the variant before it back.
  Result LoadReceivedImage(const std::uint8_t* image, std::size_t size, const std::string& stepText = {},
                           int dbType = -1);
  // Takes a whole image from outside a file (an imported export, a recovery journal's
  // base) under `dbType` (the one in force when negative): refused as Open refuses a
  // file, with the document, its variant and its file left as they were. The document
  // then belongs to no file. The modified flag is the caller's.
  Result LoadWholeImage(const std::uint8_t* image, std::size_t size, int dbType = -1);
  // What LoadWholeImage would refuse in the image itself, without touching a document:
  // lets a caller refuse before it changes any setting.
  static Result CheckWholeImage(const std::uint8_t* image, std::size_t size) {
    return ImageStore::CheckWhole(image, size);
  }
  // Puts a header and a database in place as a loaded image would (for new and
  // demo databases, and tests). Views are refreshed; the modified flag is untouched.
  void LoadDatabase(const ImageHeader& header, const ChannelDatabase& db);
  void LoadWorking();
  void CommitWorking() { images_.Commit(edits_.Working()); }
  // Fills kImageSize bytes at `out` from the working database under the DbType in
  // force and returns kImageSize; returns 0 and leaves `out` alone when no database has
  // been loaded. Creates storage for the DbType in force when it is missing.
  std::size_t BuildImage(std::uint8_t* out) override { return images_.Build(edits_.Working(), out); }

  // --- files -------------------------------------------------------------------
  // Reads the file under `dbType` (the one in force when negative). Refuses a file that
  // is not a whole, valid image before changing anything.
  Result Open(const std::string& path, int dbType = -1);
  // Writes the image beside the target and renames it over; the old file survives a
  // failure. Clears the modified flag on success. Before overwriting the file this
  // document was opened from or last saved to, when another program has changed or
  // replaced it since, nothing is written and the result asks whether to overwrite it
  // (ResultCode::ChangedOnDisk); the caller asks the user and saves again with
  // overwriteChanged. The first save over an existing file keeps its old content as
  // NAME.bak (see DocFile::Write).
  Result Save(const std::string& path, bool overwriteChanged = false);
  // The document belongs to `path` again, which held what it holds when it had `stamp`
  // (a restored journal whose file is unchanged).
  void RestoredFrom(const std::string& path, const fileio::FileStamp& stamp) { file_.Opened(path, stamp); }
  // The document keeps what it holds but belongs to no file: a save asks for a name.
  void ForgetFile() { file_.Forget(); }
  // Saves through a file whose temporary was made beforehand (Begin), as quelmar-cli's
  // receive does before it connects so that an unwritable output fails at once.
  Result SaveTo(fileio::AtomicFile& file);

  // --- state ---------------------------------------------------------------------
  // What the pages show and read. Changes go through Apply or Edit.
  const ChannelDatabase& Working() const override { return edits_.Working(); }
  const ImageHeader& Header() const { return images_.Header(); }
  // The file this document last read or wrote, as an absolute path; empty when none.
  const std::string& FilePath() const { return file_.Path(); }
  // That file's stamp when it was read or written.
  const fileio::FileStamp& FileStamp() const { return file_.Stamp(); }
  std::uint32_t ImageValid() const override { return images_.ImageValid(); }
  bool HasData() const override { return edits_.HasData(); }
  const NewMarks& Marks() const override { return edits_.Marks(); }
  NewMarks& Marks() { return edits_.Marks(); }
  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true);
  // An edit has run: marks the document modified, unless a history is attached, whose
  // clean state then decides the flag (an edit that changed nothing leaves it).
  void MarkEdited();

  void SetViews(DocumentViews* views) { views_ = views; }
  void RefreshViews();

  // DocEditing
  void Listen(DocListener* listener) override { edits_.Listen(listener); }
  void Unlisten(DocListener* listener) override { edits_.Unlisten(listener); }

  // --- edits below the actions --------------------------------------------------------
  // Runs op(working, args...), an operation of db/, and returns what it returns, for
  // callers that mark the document themselves (quelmar-cli, tests); pages and dialogs
  // use Apply. Loads that replace the whole database are not edits and do not pass.
  // What the operation changed is recorded and handed to the history as one step: at
  // once, or when the step the caller opened with BeginStep ends. An edit that changed
  // nothing makes no step.
  template <typename Op, typename... Args>
  decltype(auto) Edit(Op&& op, Args&&... args) {
    return edits_.Edit(std::forward<Op>(op), std::forward<Args>(args)...);
  }

  // Every Edit until the returned step ends is one step named `text` (UTF-8), "Delete
  // Program [Kino 1]". Steps opened inside another belong to it.
  class Step {
   public:
    ~Step() { doc_.edits_.EndStep(); }
    Step(const Step&) = delete;
    // Names the step after what the action turned out to do. A step opened inside
    // another keeps the outer one's name.
    void Rename(std::string text) { doc_.edits_.RenameStep(std::move(text)); }
    Step& operator=(const Step&) = delete;

   private:
    friend class CQuelmarDoc;
    explicit Step(CQuelmarDoc& doc) : doc_(doc) {}
    CQuelmarDoc& doc_;
  };
  [[nodiscard]] Step BeginStep(std::string text);

  // Receives every recorded step and every reset; null keeps none (the CLI, tests).
  void SetHistory(EditHistory* history) { edits_.SetHistory(history); }
  bool HasHistory() const { return edits_.History() != nullptr; }
  // Puts one side of a recorded step into the working database: Before undoes it,
  // After redoes it. The listeners hear of it; returns the record it changed.
  StepSubject ApplyStep(const ChangeSet& changes, ChangeSide side) { return edits_.ApplyStep(changes, side); }
  // The whole state as it is now, variant included, and putting one back (undo and redo
  // of a receive or a variant change); RestoreState refreshes the views.
  DocStatePtr CaptureState() const;
  void RestoreState(const DocState& state);
  // About the memory one captured state holds.
  static std::size_t StateSize();

 protected:
  // DocEditing
  ChannelDatabase& OpenAction(Action action) override;
  void RenameAction(std::string text) override { edits_.RenameStep(std::move(text)); }
  void ActionDone(bool done) override { edits_.StepDone(done); }
  void CloseAction() override { edits_.EndStep(); }

 private:
  // Loads the image's header and database, and the working copy from them, without
  // touching the history or the views.
  bool TakeImage(const std::uint8_t* image);
  // Storage for `dbType` made ready for an image marked `validFlag`, the variant in force
  // from then on; false with both as they were when memory runs out.
  bool PrepareFor(int dbType, std::uint32_t validFlag);
  // A whole image in place of the document, under `dbType`, belonging to `path` (none
  // when null) from before the history hears of the load.
  Result LoadWhole(const std::uint8_t* image, std::size_t size, int dbType, const std::string* path,
                   const fileio::FileStamp* stamp);
  // The working database from the stored one; false when none is stored.
  bool TakeWorking();
  EditHistory* History() const { return edits_.History(); }

  ImageStore images_;
  DocFile file_;
  EditSession edits_;
  bool modified_ = false;
  DocumentViews* views_ = nullptr;
};
