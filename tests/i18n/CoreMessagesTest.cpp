// Messages the core builds in English reach the window in German: the template is
// recognised, translated and filled again; names and paths stay as they came.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "GermanTest.h"
#include "db/document/DbTexts.h"
#include "db/document/JournalTexts.h"
#include "db/exchange/CheckKinds.h"
#include "db/exchange/DatabaseDiff.h"
#include "db/exchange/ImportTexts.h"
#include "db/exchange/JsonRefusal.h"
#include "db/exchange/ReferenceListTexts.h"
#include "db/exchange/TransponderListTexts.h"
#include "db/operations/OperationTexts.h"
#include "db/records/TextArgs.h"
#include "db/records/TextFill.h"
#include "link/LinkAdvice.h"
#include "link/LinkTexts.h"
#include "widgets/CoreMessages.h"
#include "widgets/Texts.h"

namespace {

dbdiff::Change Moved() {
  dbdiff::Change c;
  c.table = "tvList", c.kind = dbdiff::ChangeKind::Moved;
  c.program = 7, c.programName = "Kino: Film", c.from = 147, c.to = 0;
  return c;
}

// A value one side lacks; the other keeps its spaces and quotes.
dbdiff::Change Renamed() {
  dbdiff::Change c;
  c.table = "programs", c.slot = 40, c.label = "ZDF", c.kind = dbdiff::ChangeKind::Changed;
  c.field = "name", c.oldValue = nullptr, c.newValue = "ZDF -> HD";
  return c;
}

struct Case {
  const char* what;
  std::string english;
  const char* german;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"a plain text", OperationTexts::kNameExists, "Name existiert bereits"},
      {"a reason that is a text of its own",
       FillArgs(DbTexts::kCannotOpen, "/home/u/box.qdb", DbTexts::kOutOfMemory),
       "/home/u/box.qdb kann nicht geöffnet werden: nicht genügend Arbeitsspeicher"},
      {"a reason from the system stays", FillArgs(DbTexts::kCannotSave, "a: b.qdb", "Permission denied"),
       "a: b.qdb kann nicht gespeichert werden: Permission denied"},
      // The record's name reads like a table text; only the record kind is translated.
      {"a step the document named", FillArgs(DbTexts::kEditRecordStep, DbTexts::kProgramNoun, "Satellite"),
       "Programm bearbeiten [Satellite]"},
      {"a step of the journal", FillArgs(JournalTexts::kUndoneStep, FillArgs(DbTexts::kEditStep, DbTexts::kTvListNoun)),
       "Rückgängig: TV-Liste bearbeiten"},
      {"a report line", text::Fill(ReferenceListTexts::kRowUnmatched, {"12", "Kino 1"}),
       "Zeile 12: kein Programm passt zu „Kino 1“"},
      {"a problem the check found", text::Fill(InfoOf(CheckKind::ProgramNotListed).message, {"Kino"}),
       "Programm „Kino“ steht weder in der TV- noch in der Radioliste, daher zeigt der Receiver es nie"},
      {"a check's words around a name",
       text::Fill(InfoOf(CheckKind::ProgramTransponderNotUsed).message,
                  {text::Fill(CheckWords::kTvNamed, {"12", "Kino: Film"}), "40", CheckWords::kDeleted}),
       "TV Nr. 12 „Kino: Film“ verweist auf Transponderplatz 40, der gelöscht ist"},
      {"a check's record without a name", text::Fill(InfoOf(CheckKind::EmptyName).message,
                                                     {text::Fill(CheckWords::kProgramAtRadio, {"3"})}),
       "das Programm bei Radio Nr. 3 hat einen leeren Namen, daher zeigt seine Zeile nichts"},
      {"a refused channel list: the column and the cell stay",
       text::Fill(ImportTexts::kAtLine,
                  {"7", text::Fill(ImportTexts::kColumnExpected,
                                   {"polarization", text::Fill(ImportTexts::kOneOfTwoOrNothing, {"Hor", "Ver"}),
                                    "links, got \"x\""})}),
       "Zeile 7: Spalte polarization: erwartet: Hor oder Ver oder nichts, gefunden: „links, got \"x\"“"},
      {"a refused export: the path stays, what was found is said in words",
       JsonRefusal{"$.favoriteGroups[2].members",
                   text::Fill(ImportTexts::kAsManyAs,
                              {text::Fill(ImportTexts::kGot, {text::Fill(ImportTexts::kExpectedSlots, {"4"}),
                                                              ImportTexts::kNull}),
                               "memberCount"})}
           .Message(),
       "$.favoriteGroups[2].members: erwartet wird ein Array aus 4 Platznummern, gefunden: null (so viele, wie "
       "memberCount angibt)"},
      {"a file too large", text::Fill(ImportTexts::kTooLarge, {"a.csv", text::Fill(ImportTexts::kMoreThan, {"64"}), "64"}),
       "a.csv: mehr als 64 MiB sind größer als jeder Datenbankexport und jede Senderliste (höchstens 64 MiB)"},
      {"a refused transponder list: element, attribute and value stay",
       text::Fill(ImportTexts::kAtLine,
                  {"9", text::Fill(TransponderListTexts::kBadAttribute,
                                   {"transponder", "symbol_rate", "0", "65535499", "22M"})}),
       "Zeile 9: <transponder> Attribut symbol_rate: erwartet: eine ganze Zahl von 0 bis 65535499, gefunden: „22M“"},
      {"a satellite updated from a list, its name with a colon",
       text::Fill(TransponderListTexts::kUpdatedLeftOut, {"Sat: 19.2E", "2", "40", "1", "3"}),
       "Sat: 19.2E: 2 hinzugefügt, 40 vorhanden, 1 zirkulare übersprungen, 3 ausgelassen: die Transpondertabelle ist "
       "voll"},
      {"a transfer status", LinkTexts::kRxStatus[4], "Warte auf Kopfdaten"},
      {"joined with its reason", std::string(LinkTexts::kLineLost) + LinkTexts::kHungUp,
       "Verbindung verloren: die Gegenseite hat aufgelegt"},
      {"a port that did not open, over lines",
       std::string("COM5") + LinkTexts::kOpenError + "\n" + FillArgs(LinkTexts::kPermissionDenied, "/dev/ttyS4", "dialout"),
       "COM5: Fehler beim Öffnen!\nZugriff verweigert: /dev/ttyS4 gehört der Gruppe dialout, und Ihr Konto ist kein "
       "Mitglied.\nFügen Sie es hinzu mit\n    sudo usermod -aG dialout $USER\nund melden Sie sich dann ab und wieder an."},
      {"a process in a busy device", FillArgs(LinkTexts::kDeviceBusyBy, "/dev/ttyUSB0", FillArgs(LinkTexts::kProcess, "minicom", "42")),
       "Gerät belegt: /dev/ttyUSB0 wird von minicom (Prozess 42) benutzt."},
      {"a message with its advice", linkadvice::WithAdvice(LinkTexts::kNoResponse),
       "Keine Antwort vom Receiver: Übertragung wiederholen.\nPrüfen Sie, ob das Kabel zum Receiver an beiden Enden "
       "eingesteckt ist, ob der gewählte Anschluss der ist, an dem das Kabel steckt, und ob der Receiver im "
       "Download-Modus wartet."},
      {"a comparison's line", dbdiff::Describe(Moved()),
       "tvList: Programm 7 \"Kino: Film\" von 148 nach 1 verschoben"},
      {"a comparison's value one side lacks", dbdiff::Describe(Renamed()),
       "programs 40 \"ZDF\": name (kein Wert) -> \"ZDF -> HD\""},
      {"a line no template made", "the disk: is full.", "the disk: is full."},
  };
  return cases;
}

class CoreMessagesGerman : public i18ntest::GermanTest {};

TEST_F(CoreMessagesGerman, TemplatesAreTranslatedAndFilledAgain) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CoreMessages::Said(c.english), QString::fromUtf8(c.german));
  }
}

TEST(CoreMessagesEnglish, WithoutATranslationEveryLineStaysAsItCame) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CoreMessages::Said(c.english), QString::fromStdString(c.english));
  }
}

// The catalogue, read as lupdate wrote it: (context, source) pairs.
std::multimap<QString, QString> Catalogue() {
  std::multimap<QString, QString> out;
  QFile file(QStringLiteral(QUELMAR_SOURCE_DIR "/translations/quelmar_de.ts"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("source")) out.emplace(context, xml.readElementText());
  }
  return out;
}

// A text is looked up under the contexts the window knows; a table or dialog that marks
// its texts under a new one must be added to them.
TEST(TranslationCatalogue, EveryContextIsOneTheWindowLooksIn) {
  const QStringList known = Texts::Contexts();
  std::set<QString> contexts;
  for (const auto& [context, source] : Catalogue()) contexts.insert(context);
  EXPECT_GT(contexts.size(), 10u);
  for (const QString& c : contexts) EXPECT_TRUE(known.contains(c)) << c.toStdString();
}

// Each text of the core tables with places to fill is one the window recognises in a
// finished line.
TEST(TranslationCatalogue, EveryCoreTemplateIsRecognised) {
  const QStringList templates = CoreMessages::Templates();
  const QRegularExpression place(QStringLiteral("%[1-9]"));
  int checked = 0;
  for (const auto& [context, source] : Catalogue()) {
    if (!QStringList{"DbTexts", "JournalTexts", "OperationTexts", "ReferenceListTexts", "ReferenceOrderTexts",
                     "LinkTexts", "CheckKinds", "DatabaseDiffTexts", "ImportTexts", "ProgramDiffTexts"}
             .contains(context) ||
        !source.contains(place))
      continue;
    ++checked;
    EXPECT_TRUE(templates.contains(source)) << context.toStdString() << ": " << source.toStdString();
  }
  EXPECT_GT(checked, 30);
}

}  // namespace
