#pragma once
// Keeps an open document's unsaved steps on disk as they happen, so that a window that
// is killed or crashes loses nothing: a file in the recovery folder holding the image
// the steps start from and one record per step, undo and redo (JournalFormat.h).
//
// The user-interface thread only encodes a record and queues it; a worker thread writes
// and fdatasyncs, so a step is on disk well within a second and editing never waits for
// the disk. The file exists only while there are steps since the last save or open (or a
// base that holds unsaved changes), and holds a lock while its window lives: a journal
// nobody holds belongs to a window that stopped. When the journal cannot be written,
// editing goes on and the failure is reported; the next base tries again.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "db/document/ChangeSet.h"
#include "db/document/JournalFormat.h"

class RecoveryJournal {
 public:
  // `folder` is made (mode 0700) when the first step needs it. `failed` is called on the
  // worker thread, with the reason, when the journal cannot be written; once until the
  // next Rebase. `resumed` is called there when a journal is written again after that.
  RecoveryJournal(std::string folder, std::function<void(const std::string& why)> failed = {},
                  std::function<void()> resumed = {});
  // Waits for what is queued; the file stays (a window that dies keeps it too). Discard
  // first to remove it.
  ~RecoveryJournal();
  RecoveryJournal(const RecoveryJournal&) = delete;
  RecoveryJournal& operator=(const RecoveryJournal&) = delete;

  // The steps from now on start from this image (an open, a save, a new document); the
  // steps before are saved or given up, so the file goes. With `holdsChanges` the image
  // itself is unsaved work (a journal that failed, started again): it is written at once.
  // A journal that failed is tried again from here.
  void Rebase(journal::Head head, bool holdsChanges = false);
  // An edit step, with what it changed.
  void Stepped(const std::string& name, const ChangeSet& changes);
  // A received image replaced the document as one step.
  void Loaded(const std::string& name, int dbType, const std::vector<std::uint8_t>& image);
  // The step `name` was undone or redone; `changes` is the step as recorded. One from
  // before the base (undone after a save) is written as the change it made.
  void Undone(const std::string& name, const ChangeSet& changes);
  void Redone(const std::string& name, const ChangeSet& changes);
  // The same for a received image's step: `image` is the whole state it left, with its
  // DbType; made only when needed, since it costs a build.
  void UndoneLoad(const std::string& name, const std::function<std::vector<std::uint8_t>()>& image, int dbType);
  void RedoneLoad(const std::string& name, const std::function<std::vector<std::uint8_t>()>& image, int dbType);
  // The document is saved or its changes given up: no file is left.
  void Discard();

  // Blocks until everything queued is written and synced (tests, benchmarks, exit).
  void Flush();
  // The file holding the steps now; empty while there is none.
  std::string Path() const;
  // Whether writing has failed; then nothing more is written.
  bool Failed() const;

  // The name of a journal file in the folder: starts with the process id.
  static constexpr const char* kSuffix = ".journal";
  // Added to a journal's name while its head is being written.
  static constexpr const char* kUnnamedSuffix = ".new";

 private:
  struct Job;
  void Queue(Job job);
  void Record(std::vector<std::uint8_t> bytes);
  void Moved(bool undo, const std::function<std::vector<std::uint8_t>()>& beyond);
  void Run();
  void Do(Job& job);
  bool Create();
  void Fail(const std::string& why);
  void CloseFile(bool remove);

  const std::string folder_;
  std::function<void(const std::string&)> failed_;
  std::function<void()> resumed_;
  // The steps since the base and where the user stands among them (user-interface
  // thread only): an undo or redo inside them is a small record that moves the place.
  std::size_t steps_ = 0;
  std::size_t place_ = 0;
  std::shared_ptr<const journal::Head> base_;

  mutable std::mutex mutex_;
  std::condition_variable wake_, idle_;
  std::deque<Job> jobs_;
  bool busy_ = false;
  bool stop_ = false;
  bool failedFlag_ = false;
  bool retrying_ = false;  // a base came after a failure; told when writing works again

  // Worker thread only, apart from path_ (under mutex_).
  std::shared_ptr<const journal::Head> fileBase_;
  int fd_ = -1;
  std::string path_;
  std::thread worker_;
};
