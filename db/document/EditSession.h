#pragma once
// The working database the pages edit and the steps its edits make: every change runs
// through here, is recorded as the bytes it changed, handed to the undo history as one
// named step and told to the listeners as one notice. Knows nothing of files or images.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "db/document/ChangeSet.h"
#include "db/records/ChannelDatabase.h"
#include "db/document/DocChange.h"
#include "db/document/EditHistory.h"
#include "db/document/EditRecorder.h"
#include "db/document/NewMarks.h"
#include "db/document/StepMark.h"
#include "db/document/StepSubject.h"

class EditSession {
 public:
  using Mark = StepMark;

  // `edited` marks the document modified.
  explicit EditSession(std::function<void()> edited);
  ~EditSession();
  EditSession(const EditSession&) = delete;
  EditSession& operator=(const EditSession&) = delete;

  ChannelDatabase& Working() { return *working_; }
  const ChannelDatabase& Working() const { return *working_; }
  bool HasData() const { return hasData_; }
  // The "New" marks: a step that changes them carries them, so undo and redo put them
  // back with the records.
  NewMarks& Marks() { return marks_; }
  const NewMarks& Marks() const { return marks_; }
  // The working database becomes `db`, loaded: edits are counted from it.
  void Take(const ChannelDatabase& db);
  // Puts back a captured working database and whether it held data.
  void Restore(const ChannelDatabase& db, bool hasData);

  // Runs op(working, args...) and returns what it returns; what it changed is recorded
  // at once, or when the open step ends.
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

  // Every edit until the matching EndStep is one step named `text`; steps opened
  // inside another belong to it and keep its name and mark.
  void BeginStep(std::string text, Mark mark = Mark::Caller);
  void RenameStep(std::string text);
  // The outermost step's operation did its work, or not (Mark::IfDone).
  void StepDone(bool done);
  void EndStep();

  // Receives every recorded step and every reset; null keeps none.
  void SetHistory(EditHistory* history) { history_ = history; }
  EditHistory* History() const { return history_; }
  // Puts one side of a recorded step in place, tells the listeners (an undo or a redo)
  // and returns the record it changed.
  StepSubject ApplyStep(const ChangeSet& changes, ChangeSide side);

  void Listen(DocListener* listener);
  void Unlisten(DocListener* listener);

 private:
  void EndEdit();
  void Record();
  void Notify(const DocChange& change);

  std::function<void()> edited_;
  std::unique_ptr<ChannelDatabase> working_;
  bool hasData_ = false;
  EditHistory* history_ = nullptr;
  EditRecorder recorder_;
  int stepDepth_ = 0;
  std::string stepText_;
  Mark stepMark_ = Mark::Caller;
  bool stepDone_ = false;
  NewMarks marks_;
  // The marks when the open step began; only while one is open.
  std::optional<NewMarks> stepMarks_;
  std::vector<DocListener*> listeners_;
};
