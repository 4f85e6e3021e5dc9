#pragma once
// What pages and dialogs may do with the document: read the working database and
// change it, one named action at a time, and listen to its change notices. Saving,
// sending and preparing storage stay with the document's owner.
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "db/records/ChannelDatabase.h"
#include "db/document/DocChange.h"
#include "db/document/NewMarks.h"
#include "db/document/StepMark.h"

class DocEditing {
 public:
  // When an action marks the document modified (IfDone: its result is true, or
  // IsDone(result) found beside its result type says so).
  using Mark = StepMark;

  // One user action: the text its undo step is named with (UTF-8, "Delete Program
  // [Kino 1]") and how it marks. Its notice reaches every listener, the one that acted
  // too, before Apply returns.
  struct Action {
    std::string text;
    Mark mark = Mark::IfChanged;
  };

  virtual const ChannelDatabase& Working() const = 0;
  virtual bool HasData() const = 0;
  virtual std::uint32_t ImageValid() const = 0;
  // The programs marked "New" since a reference was applied; the lists show and filter them.
  virtual const NewMarks& Marks() const = 0;

  // Listeners hear of every step, undo and redo; a listener leaves before it dies.
  virtual void Listen(DocListener* listener) = 0;
  virtual void Unlisten(DocListener* listener) = 0;

  // The one call for an action: opens its step, runs op(working, args...), an operation
  // of db/, and returns what it returns; then the step is recorded for undo, the
  // document marked modified and one notice given, all once, also for an action that
  // runs inside another's step (it belongs to the outer one).
  template <typename Op, typename... Args>
  decltype(auto) Apply(Action action, Op&& op, Args&&... args) {
    const Scope scope(*this, std::move(action));
    using R = std::invoke_result_t<Op, ChannelDatabase&, Args...>;
    if constexpr (std::is_void_v<R>) {
      return std::invoke(std::forward<Op>(op), scope.db, std::forward<Args>(args)...);
    } else if constexpr (requires(const R& r) { IsDone(r); }) {
      // An operation's own result type says what doing its work means (IsDone beside it).
      R result = std::invoke(std::forward<Op>(op), scope.db, std::forward<Args>(args)...);
      ActionDone(IsDone(std::as_const(result)));
      return result;
    } else if constexpr (std::is_constructible_v<bool, R>) {
      R result = std::invoke(std::forward<Op>(op), scope.db, std::forward<Args>(args)...);
      ActionDone(static_cast<bool>(result));
      return result;
    } else {
      return std::invoke(std::forward<Op>(op), scope.db, std::forward<Args>(args)...);
    }
  }

  // As Apply, with the step named after what the operation turned out to do ("Add 2
  // Programs to …" when two of four were members already): nameOf(result) gives the text.
  template <typename NameOf, typename Op, typename... Args>
  auto ApplyNamed(Action action, NameOf&& nameOf, Op&& op, Args&&... args) {
    const Scope scope(*this, std::move(action));
    auto result = std::invoke(std::forward<Op>(op), scope.db, std::forward<Args>(args)...);
    RenameAction(nameOf(std::as_const(result)));
    return result;
  }

 protected:
  ~DocEditing() = default;
  // Opens an action's step and hands out the working database to change.
  virtual ChannelDatabase& OpenAction(Action action) = 0;
  virtual void RenameAction(std::string text) = 0;
  // What the operation of the open action said of its work (Mark::IfDone).
  virtual void ActionDone(bool done) = 0;
  // Ends the step OpenAction opened: when it is the outermost, records, marks, notifies.
  virtual void CloseAction() = 0;

 private:
  struct Scope {
    Scope(DocEditing& d, Action action) : doc(d), db(d.OpenAction(std::move(action))) {}
    ~Scope() { doc.CloseAction(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    DocEditing& doc;
    ChannelDatabase& db;
  };
};
