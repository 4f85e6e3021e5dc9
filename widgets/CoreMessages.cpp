#include "widgets/CoreMessages.h"

#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "db/document/DbTexts.h"
#include "db/document/JournalTexts.h"
#include "db/exchange/CheckKinds.h"
#include "db/exchange/DatabaseDiffTexts.h"
#include "db/exchange/ImportTexts.h"
#include "db/exchange/ProgramDiffTexts.h"
#include "db/exchange/ReferenceListTexts.h"
#include "db/exchange/ReferenceOrderTexts.h"
#include "db/exchange/TransponderListTexts.h"
#include "link/LinkTexts.h"
#include "widgets/Texts.h"

namespace CoreMessages {

namespace {

// A template of the core tables; `textArgs` has bit n-1 set where %n holds a table
// text of its own (a reason, a record kind), which is translated in turn.
struct Template {
  QString source;  // as the table holds it, or a line the engines put together
  const char* text = nullptr;  // the table text within it
  QString before, after;       // what the engines join to it
  unsigned textArgs = 0;
  bool argumentOnly = false;  // too general to recognise a whole line by
  QRegularExpression match;
  std::vector<int> order;  // which %n each captured group is
};

// `shortArgs` has bit n-1 set where %n takes as little as it can, for a place whose text
// ends at the first separator that follows it (a field name, a value that is "(none)").
Template Make(const char* text, unsigned textArgs, bool argumentOnly = false, const QString& before = {},
              const QString& after = {}, unsigned shortArgs = 0) {
  const QString source = before + QString::fromUtf8(text) + after;
  Template t{source, text, before, after, textArgs, argumentOnly, {}, {}};
  QString pattern;
  static const QRegularExpression place(QStringLiteral("%([1-9])"));
  qsizetype at = 0;
  std::vector<bool> seen(10, false);
  for (auto it = place.globalMatch(source); it.hasNext();) {
    const auto m = it.next();
    pattern += QRegularExpression::escape(source.mid(at, m.capturedStart() - at));
    const int n = m.captured(1).toInt();
    if (seen[n]) {
      // Later use of the same place: the same text again.
      int group = 0;
      for (std::size_t g = 0; g < t.order.size(); ++g)
        if (t.order[g] == n) group = int(g) + 1;
      pattern += QStringLiteral("\\%1").arg(group);
    } else {
      seen[n] = true;
      t.order.push_back(n);
      pattern += (shortArgs & (1u << (n - 1))) ? QStringLiteral("(.*?)") : QStringLiteral("(.*)");
    }
    at = m.capturedEnd();
  }
  pattern += QRegularExpression::escape(source.mid(at));
  t.match = QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                               QRegularExpression::DotMatchesEverythingOption);
  return t;
}

Template Table(const char* text, unsigned textArgs = 0, bool argumentOnly = false, unsigned shortArgs = 0) {
  return Make(text, textArgs, argumentOnly, {}, {}, shortArgs);
}

const std::vector<Template>& All() {
  static const std::vector<Template> all = [] {
    std::vector<Template> t;
    // Templates whose text spans lines come first: a line break in them is not one
    // between two messages.
    t.push_back(Table(LinkTexts::kPermissionDenied));
    // A program as the check names it, within one of its lines: before the general
    // places below, as a program's name may hold a colon.
    t.push_back(Table(CheckWords::kTvNamed, 0, true));
    t.push_back(Table(CheckWords::kRadioNamed, 0, true));
    t.push_back(Table(CheckWords::kProgramNamed, 0, true));
    t.push_back(Table(CheckWords::kProgramAtTv, 0, true));
    t.push_back(Table(CheckWords::kProgramAtRadio, 0, true));
    // db/document
    t.push_back(Table(DbTexts::kCannotOpen, 0b10));
    t.push_back(Table(DbTexts::kCannotSave, 0b10));
    t.push_back(Table(DbTexts::kNotRegularFile));
    t.push_back(Table(DbTexts::kDanglingLink));
    t.push_back(Table(DbTexts::kNoBackupKept, 0b1));
    t.push_back(Table(DbTexts::kCannotKeepReceived, 0b10));
    t.push_back(Table(DbTexts::kPrunedLaterNames));
    t.push_back(Table(DbTexts::kPrunedLaterName));
    t.push_back(Table(DbTexts::kEditRecordStep, 0b1));
    t.push_back(Table(DbTexts::kEditStep, 0b1));
    t.push_back(Table(JournalTexts::kRecoveryOff, 0b1));
    t.push_back(Table(JournalTexts::kNoFolder, 0, true));
    t.push_back(Table(JournalTexts::kNotAFolder, 0, true));
    t.push_back(Table(JournalTexts::kCannotWrite, 0, true));
    t.push_back(Table(JournalTexts::kUndoneStep, 0b1));
    t.push_back(Table(JournalTexts::kRedoneStep, 0b1));
    t.push_back(Table(JournalTexts::kStepDoesNotFit));
    t.push_back(Table(JournalTexts::kBaseRefused, 0b1));
    // db/exchange: the lines of an applied channel list or reference order.
    t.push_back(Table(ReferenceListTexts::kRowsMatched));
    t.push_back(Table(ReferenceListTexts::kRowUnmatched));
    t.push_back(Table(ReferenceListTexts::kRenamed));
    t.push_back(Table(ReferenceListTexts::kNameNotTaken));
    t.push_back(Table(ReferenceListTexts::kLeftInPlace));
    t.push_back(Table(ReferenceListTexts::kGroupCreated));
    t.push_back(Table(ReferenceListTexts::kGroupNotCreated));
    t.push_back(Table(ReferenceListTexts::kPositionsNotTaken));
    t.push_back(Table(ReferenceListTexts::kGroupFull));
    // %1 names a list or a group ("TV list", "favourite group 1 [Sport]"), translated too.
    t.push_back(Table(ReferenceOrderTexts::kGroupNamed, 0, true));
    t.push_back(Table(ReferenceOrderTexts::kListMatched, 0b1));
    t.push_back(Table(ReferenceOrderTexts::kTaken));
    t.push_back(Table(ReferenceOrderTexts::kTakenLocks));
    t.push_back(Table(ReferenceOrderTexts::kTakenNames));
    t.push_back(Table(ReferenceOrderTexts::kRenamed, 0b1));
    t.push_back(Table(ReferenceOrderTexts::kUnmatched, 0b1));
    t.push_back(Table(ReferenceOrderTexts::kLeftOver, 0b1));
    t.push_back(Table(ReferenceOrderTexts::kGroupTaken, 0b1));
    t.push_back(Table(ReferenceOrderTexts::kGroupKept, 0b1));
    t.push_back(Table(ReferenceOrderTexts::kGroupNotFitted, 0b1));
    t.push_back(Table(ReferenceOrderTexts::kGroupRemoved, 0b1));
    t.push_back(Table(ReferenceOrderTexts::kGroupLeftOver, 0b1));
    // db/exchange: a transponder list refused, and the satellites updated from one; the
    // longer lines before "%1: not matched", which would take them all.
    {
      namespace X = TransponderListTexts;
      for (const char* text : {X::kTooLong, X::kNotXml, X::kEntity, X::kNotAList, X::kTooDeep, X::kTooManySatellites,
                               X::kTooManyTransponders, X::kMissingAttribute, X::kBadAttribute, X::kUpdated,
                               X::kUpdatedLeftOut, X::kNoPosition, X::kPositionNotListed, X::kNotChosen})
        t.push_back(Table(text));
      t.push_back(Table(X::kTooLarge, 0b10));
    }
    // db/exchange: what "Check Database" finds; the names in them stay as they are, the
    // words around them (a slot's state, "TV No. 12") are translated.
    for (const CheckKindInfo& info : kCheckKinds) t.push_back(Table(info.message.data(), info.wordArgs));
    // link: why a port did not open, and what the engines put together.
    t.push_back(Table(LinkTexts::kNotSerialDevice));
    t.push_back(Table(LinkTexts::kOwnTerminal));
    t.push_back(Table(LinkTexts::kRootOnly));
    t.push_back(Table(LinkTexts::kNoSuchDevice));
    t.push_back(Table(LinkTexts::kDeviceBusy));
    t.push_back(Table(LinkTexts::kDeviceBusyBy, 0b10));
    t.push_back(Table(LinkTexts::kProcess, 0, true));
    t.push_back(Table(LinkTexts::kOtherOpenFailure, 0, true));
    t.push_back(Table(LinkTexts::kDataTooLong));
    // "<port> Open Error!" and "Line lost: <reason>" are joined, not filled.
    t.push_back(Make(LinkTexts::kOpenError, 0, false, QStringLiteral("%1")));
    t.push_back(Make(LinkTexts::kLineLost, 0b1, false, {}, QStringLiteral("%1")));
    // db/exchange: why a channel list or an export was refused. What a place takes is a
    // text of its own; the specific templates come before the ones they hold.
    {
      namespace I = ImportTexts;
      t.push_back(Table(I::kCannotRead));
      t.push_back(Table(I::kNotRegular));
      t.push_back(Table(I::kTooLarge, 0b10));
      t.push_back(Table(I::kMoreThan, 0, true));
      t.push_back(Table(I::kAtLine, 0b10, false, 0b1));
      t.push_back(Table(I::kLineIs, 0b10, false, 0b1));
      t.push_back(Table(I::kNotCsv, 0b1));
      t.push_back(Table(I::kRecordTooLong));
      t.push_back(Table(I::kNoHeader));
      t.push_back(Table(I::kNoColumn));
      t.push_back(Table(I::kTooManyRows));
      t.push_back(Table(I::kColumnExpected, 0b10, false, 0b11));
      t.push_back(Table(I::kAtMostCharacters, 0, true));
      t.push_back(Table(I::kPositionsOrNothing, 0, true));
      t.push_back(Table(I::kAsManyAs, 0b1, true));
      t.push_back(Table(I::kGot, 0b11, true));
      t.push_back(Table(I::kLongString, 0, true));
      t.push_back(Table(I::kExpectedRecords, 0, true));
      t.push_back(Table(I::kExpectedSlots, 0, true));
      t.push_back(Table(I::kExpectedAtMostSlots, 0, true));
      t.push_back(Table(I::kExpectedInteger, 0, true));
      t.push_back(Table(I::kExpectedAtMostCharacters, 0, true));
      t.push_back(Table(I::kExpectedHexBytes, 0, true));
      t.push_back(Table(I::kExpectedTail, 0, true));
      t.push_back(Table(I::kExpectedSection, 0, true));
      t.push_back(Table(I::kNotCp1252, 0, true));
      t.push_back(Table(I::kTextWithControl, 0, true));
      t.push_back(Table(I::kUnknownField, 0, true));
      t.push_back(Table(I::kTrailerMoved, 0, true));
      t.push_back(Table(I::kNotJsonBecause, 0, true));
      t.push_back(Table(I::kCannotBeRead, 0, true));
      t.push_back(Table(I::kStringTooLong, 0, true));
      t.push_back(Table(I::kTokenTooLong, 0, true));
      t.push_back(Table(I::kKeyTooLong, 0, true));
      t.push_back(Table(I::kTooManyMembers, 0, true));
      t.push_back(Table(I::kTooMuchText, 0, true));
      t.push_back(Table(I::kTooManyValues, 0, true));
      t.push_back(Table(I::kArrayTooLong, 0, true));
      t.push_back(Table(I::kTooDeep, 0, true));
      t.push_back(Table(I::kExpectedValue, 0, true));
      // "TV or RADIO": last, as " or " stands in other reasons too.
      t.push_back(Table(I::kOneOfTwoOrNothing, 0, true));
      t.push_back(Table(I::kOneOfTwo, 0, true));
      // "$.programs[3].name: <reason>": the path stays as the file has it.
      t.push_back(Make(": ", 0b10, false, QStringLiteral("$%1"), QStringLiteral("%2"), 0b1));
    }
    // "<path>: <reason>" as a place of another text: last of all, as ": " stands in many.
    t.push_back(Table(DbTexts::kPathReason, 0, true));
    // db/exchange: the lines of a comparison. Last, as they say little beyond their
    // places; a value is translated only when it is "(none)". By program first: their
    // lines are the more particular ("No. 5"), and where they place a list or group it is
    // translated as the window names it.
    t.push_back(Table(ProgramDiffTexts::kProgram, 0, true));
    t.push_back(Table(ProgramDiffTexts::kEntered, 0b1));
    t.push_back(Table(ProgramDiffTexts::kLeft, 0b1));
    t.push_back(Table(ProgramDiffTexts::kMoved, 0b1));
    t.push_back(Table(ProgramDiffTexts::kPidChanged, 0b10));
    t.push_back(Table(ProgramDiffTexts::kRenamed));
    t.push_back(Table(ProgramDiffTexts::kLocked));
    t.push_back(Table(ProgramDiffTexts::kUnlocked));
    t.push_back(Table(DatabaseDiffTexts::kInserted));
    t.push_back(Table(DatabaseDiffTexts::kLeft));
    t.push_back(Table(DatabaseDiffTexts::kMoved));
    t.push_back(Table(DatabaseDiffTexts::kChanged, 0b1100, false, 0b0110));
    t.push_back(Table(DatabaseDiffTexts::kAdded));
    t.push_back(Table(DatabaseDiffTexts::kRemoved));
    t.push_back(Table(ProgramDiffTexts::kGroupRenamed, 0b1));
    t.push_back(Table(ProgramDiffTexts::kGroupAdded, 0b1));
    t.push_back(Table(ProgramDiffTexts::kGroupRemoved, 0b1));
    return t;
  }();
  return all;
}

QString Translate(const QString& english, bool asArgument, int depth);

QString Fill(const Template& t, const QRegularExpressionMatch& m, int depth) {
  // Looked up at each use: the language may be loaded after the first message.
  const QString translated = t.before + Texts::U(t.text) + t.after;
  QString out;
  static const QRegularExpression place(QStringLiteral("%([1-9])"));
  qsizetype at = 0;
  for (auto it = place.globalMatch(translated); it.hasNext();) {
    const auto p = it.next();
    out += translated.mid(at, p.capturedStart() - at);
    const int n = p.captured(1).toInt();
    QString value;
    for (std::size_t g = 0; g < t.order.size(); ++g)
      if (t.order[g] == n) value = m.captured(int(g) + 1);
    if (t.textArgs & (1u << (n - 1))) value = Translate(value, true, depth + 1);
    out += value;
    at = p.capturedEnd();
  }
  return out + translated.mid(at);
}

QString Translate(const QString& english, bool asArgument, int depth) {
  if (english.isEmpty() || depth > 4) return english;
  const QByteArray utf8 = english.toUtf8();
  const QString whole = Texts::Translated(utf8.constData());
  if (!whole.isNull()) return whole;
  for (const Template& t : All()) {
    if (t.argumentOnly && !asArgument) continue;
    if (!t.source.contains(QLatin1Char('\n')) && english.contains(QLatin1Char('\n'))) continue;
    const auto m = t.match.match(english);
    if (m.hasMatch()) return Fill(t, m, depth);
  }
  // Lines put together (a message and the advice below it): each line on its own.
  const qsizetype nl = english.indexOf(QLatin1Char('\n'));
  if (nl >= 0) {
    return Translate(english.left(nl), asArgument, depth + 1) + QLatin1Char('\n') +
           Translate(english.mid(nl + 1), asArgument, depth + 1);
  }
  return english;
}

}  // namespace

QString Said(const QString& english) { return Translate(english, false, 0); }

QString Said(const std::string& english) { return Said(QString::fromStdString(english)); }

QStringList Templates() {
  QStringList list;
  for (const Template& t : All()) list << t.source;
  return list;
}

}  // namespace CoreMessages
