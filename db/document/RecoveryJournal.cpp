#include "db/document/RecoveryJournal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <utility>

#include "db/document/JournalTexts.h"
#include "db/records/TextArgs.h"

struct RecoveryJournal::Job {
  enum class Kind { Rebase, Record, Discard, Flush, Create } kind = Kind::Record;
  std::shared_ptr<const journal::Head> base;
  std::vector<std::uint8_t> bytes;
};

namespace {

std::int64_t Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

std::string SystemReason(int error) { return std::strerror(error); }

// Makes `folder` and the folders above it that are missing; the journal's own folders
// are the user's alone (0700).
bool MakeFolders(const std::string& folder, std::string& why) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      why = FillArgs(JournalTexts::kNoFolder, part, SystemReason(errno));
      return false;
    }
    if (slash == std::string::npos) break;
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    why = FillArgs(JournalTexts::kNotAFolder, folder);
    return false;
  }
  return true;
}

bool WriteAll(int fd, const std::uint8_t* p, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) {
      if (w == 0) errno = ENOSPC;
      return false;
    }
    p += w;
    n -= std::size_t(w);
  }
  return true;
}

}  // namespace

RecoveryJournal::RecoveryJournal(std::string folder, std::function<void(const std::string&)> failed,
                                 std::function<void()> resumed)
    : folder_(std::move(folder)), failed_(std::move(failed)), resumed_(std::move(resumed)), worker_([this] { Run(); }) {}

RecoveryJournal::~RecoveryJournal() {
  Flush();
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  worker_.join();
  CloseFile(false);
}

void RecoveryJournal::Rebase(journal::Head head, bool holdsChanges) {
  steps_ = place_ = 0;
  // Without a database there is nothing to restore: steps are not kept until there is.
  base_ = head.image.empty() ? nullptr : std::make_shared<const journal::Head>(std::move(head));
  {
    // A new base is a new start: a journal that failed is tried again with it.
    const std::lock_guard lock(mutex_);
    retrying_ = retrying_ || failedFlag_;
    failedFlag_ = false;
  }
  Queue({Job::Kind::Rebase, base_, {}});
  if (holdsChanges && base_) Queue({Job::Kind::Create, nullptr, {}});
}

void RecoveryJournal::Stepped(const std::string& name, const ChangeSet& changes) {
  steps_ = ++place_;
  Record(journal::EncodeStep(Now(), name, changes));
}

void RecoveryJournal::Loaded(const std::string& name, int dbType, const std::vector<std::uint8_t>& image) {
  steps_ = ++place_;
  Record(journal::EncodeLoad(Now(), name, dbType, image));
}

void RecoveryJournal::Moved(bool undo, const std::function<std::vector<std::uint8_t>()>& beyond) {
  if (undo ? place_ > 0 : place_ < steps_) {
    place_ = undo ? place_ - 1 : place_ + 1;
    Record(journal::EncodeMove(Now(), undo ? journal::RecordType::Undo : journal::RecordType::Redo));
    return;
  }
  // A step the journal does not hold (from before the last save): written as the
  // change it made. Later undo and redo records never reach past it.
  steps_ = place_ = 0;
  Record(beyond());
}

void RecoveryJournal::Undone(const std::string& name, const ChangeSet& changes) {
  Moved(true, [&] { return journal::EncodeStep(Now(), FillArgs(JournalTexts::kUndoneStep, name), changes.Reversed()); });
}

void RecoveryJournal::Redone(const std::string& name, const ChangeSet& changes) {
  Moved(false, [&] { return journal::EncodeStep(Now(), FillArgs(JournalTexts::kRedoneStep, name), changes); });
}

void RecoveryJournal::UndoneLoad(const std::string& name, const std::function<std::vector<std::uint8_t>()>& image,
                                 int dbType) {
  Moved(true, [&] { return journal::EncodeLoad(Now(), FillArgs(JournalTexts::kUndoneStep, name), dbType, image()); });
}

void RecoveryJournal::RedoneLoad(const std::string& name, const std::function<std::vector<std::uint8_t>()>& image,
                                 int dbType) {
  Moved(false, [&] { return journal::EncodeLoad(Now(), FillArgs(JournalTexts::kRedoneStep, name), dbType, image()); });
}

void RecoveryJournal::Discard() {
  steps_ = place_ = 0;
  Queue({Job::Kind::Discard, nullptr, {}});
}

void RecoveryJournal::Record(std::vector<std::uint8_t> bytes) { Queue({Job::Kind::Record, nullptr, std::move(bytes)}); }

void RecoveryJournal::Queue(Job job) {
  {
    const std::lock_guard lock(mutex_);
    if (failedFlag_ && job.kind == Job::Kind::Record) return;
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

void RecoveryJournal::Flush() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

std::string RecoveryJournal::Path() const {
  const std::lock_guard lock(mutex_);
  return path_;
}

bool RecoveryJournal::Failed() const {
  const std::lock_guard lock(mutex_);
  return failedFlag_;
}

void RecoveryJournal::Run() {
  std::unique_lock lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
    if (jobs_.empty() && stop_) return;
    // Everything queued goes in one batch and one sync: a burst of steps costs the
    // disk one flush.
    std::deque<Job> batch;
    batch.swap(jobs_);
    busy_ = true;
    lock.unlock();
    bool wrote = false;
    for (Job& job : batch) {
      Do(job);
      wrote = wrote || (job.kind == Job::Kind::Record && fd_ >= 0);
    }
    if (wrote && fd_ >= 0 && ::fdatasync(fd_) != 0) Fail(FillArgs(JournalTexts::kCannotWrite, path_, SystemReason(errno)));
    lock.lock();
    busy_ = false;
    if (jobs_.empty()) idle_.notify_all();
  }
}

void RecoveryJournal::Do(Job& job) {
  switch (job.kind) {
    case Job::Kind::Rebase:
      CloseFile(true);
      fileBase_ = std::move(job.base);
      break;
    case Job::Kind::Discard: CloseFile(true); break;
    case Job::Kind::Flush: break;
    case Job::Kind::Create:
      if (fd_ < 0) Create();
      break;
    case Job::Kind::Record: {
      {
        const std::lock_guard lock(mutex_);
        if (failedFlag_) return;
      }
      if (fd_ < 0 && !Create()) return;
      if (!WriteAll(fd_, job.bytes.data(), job.bytes.size()))
        Fail(FillArgs(JournalTexts::kCannotWrite, path_, SystemReason(errno)));
      break;
    }
  }
}

bool RecoveryJournal::Create() {
  if (!fileBase_) return false;
  // Counted for the whole process: two journals of one process made in the same second
  // must not take one name.
  static std::atomic<unsigned> serial{0};
  std::string why;
  if (!MakeFolders(folder_, why)) {
    Fail(why);
    return false;
  }
  const std::string path =
      folder_ + "/" + std::to_string(::getpid()) + "-" + std::to_string(++serial) + "-" + std::to_string(Now()) + kSuffix;
  // The head holds the whole file as it was opened: it is written under a name no search
  // for orphans looks at, and the journal takes its name only once the head is whole, so a
  // window killed meanwhile leaves no journal that restores nothing.
  const std::string unnamed = path + kUnnamedSuffix;
  const int fd = ::open(unnamed.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    Fail(FillArgs(JournalTexts::kCannotWrite, path, SystemReason(errno)));
    return false;
  }
  {
    const std::lock_guard lock(mutex_);
    path_ = unnamed;
  }
  fd_ = fd;
  // Held while this window lives: a journal whose lock can be taken is an orphan. Another
  // window looking for orphans may hold it for an instant, so this waits for it.
  int locked = 0;
  while ((locked = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
  }
  if (locked != 0) {
    Fail(FillArgs(JournalTexts::kCannotWrite, path, SystemReason(errno)));
    return false;
  }
  const std::vector<std::uint8_t> head = journal::EncodeHead(*fileBase_);
  if (!WriteAll(fd_, head.data(), head.size())) {
    Fail(FillArgs(JournalTexts::kCannotWrite, path, SystemReason(errno)));
    return false;
  }
  if (::rename(unnamed.c_str(), path.c_str()) != 0) {
    Fail(FillArgs(JournalTexts::kCannotWrite, path, SystemReason(errno)));
    return false;
  }
  bool resumed = false;
  {
    const std::lock_guard lock(mutex_);
    path_ = path;
    resumed = std::exchange(retrying_, false);
  }
  if (resumed && resumed_) resumed_();
  // The new name must reach the disk too, or a power cut could lose the whole journal.
  if (const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

void RecoveryJournal::Fail(const std::string& why) {
  {
    const std::lock_guard lock(mutex_);
    if (failedFlag_) return;
    failedFlag_ = true;
  }
  // A journal that stopped short would restore an older state as if it were the last:
  // with recovery off, none is kept.
  CloseFile(true);
  if (failed_) failed_(why);
}

void RecoveryJournal::CloseFile(bool remove) {
  if (fd_ < 0) return;
  std::string path;
  {
    const std::lock_guard lock(mutex_);
    path.swap(path_);
  }
  if (remove) ::unlink(path.c_str());
  ::close(fd_);
  fd_ = -1;
}
