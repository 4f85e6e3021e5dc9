#pragma once
// What the page tests share: a page on a real document with a recording host, built the
// way the sheet builds it; controls found by object name; list rows read as text; and
// modal dialogs answered in advance.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "db/document/CQuelmarDoc.h"
#include "db/operations/SampleDatabase.h"
#include "db/records/DbType.h"
#include "support/RecordingPageHost.h"
#include "ui/channels/GroupChListView.h"
#include "widgets/CInputName.h"
#include "widgets/Prompt.h"

namespace testkit {

// The child of `parent` with this object name; a test failure when there is none.
template <typename W>
W* Child(QObject& parent, const char* name) {
  W* w = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

inline void SetField(QWidget& parent, const char* name, const QString& text) {
  Child<QLineEdit>(parent, name)->setText(text);
}

// Answers the next modal dialog, which must be a `Dlg`: `fill` sets its controls, then
// OK is pressed.
template <typename Dlg, typename Fill>
void AnswerDialog(Fill fill) {
  Prompt::QueueDialog([fill](QDialog& d) {
    auto& dlg = static_cast<Dlg&>(d);
    fill(dlg);
    Child<QPushButton>(dlg, "ok")->click();
    return dlg.result();
  });
}

// Answers the next "Name" dialog with `text`; `seen` receives the text it opened with.
inline void AnswerName(const QString& text, QString* seen = nullptr) {
  AnswerDialog<CInputName>([text, seen](CInputName& dlg) {
    if (seen) *seen = dlg.Edit()->text();
    dlg.Edit()->setText(text);
  });
}

inline QStringList Rows(GroupChListView* list) {
  QStringList out;
  for (int i = 0; i < list->RowCount(); ++i) out << list->RowText(i);
  return out;
}

inline QStringList Rows(QTreeWidget* list, int column = 0) {
  QStringList out;
  for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(column);
  return out;
}

inline QStringList ComboRows(QComboBox* combo) {
  QStringList out;
  for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
  return out;
}

template <typename Page>
class PageTest : public ::testing::Test {
 protected:
  void SetUp() override { Prompt::Reset(); }
  void TearDown() override {
    page.reset();
    Prompt::Reset();
  }

  // Loads `db` into the document and builds a page on it as the sheet does; the page
  // still has to be filled.
  void Build(const ChannelDatabase& db, int dbType = dbtype::kDefault) {
    host.dbType = dbType;
    doc.SetDbType(dbType);
    doc.LoadDatabase(sample::MakeHeader(dbType), db);
    page = std::make_unique<Page>(doc, host);
    for (QAction* action : page->template findChildren<QAction*>())
      QObject::connect(action, &QAction::triggered, [this, action] { triggered << action->objectName(); });
    page->Activate();
  }

  template <typename W>
  W* Control(const char* name) {
    return Child<W>(*page, name);
  }

  CQuelmarDoc doc;
  RecordingPageHost host;
  std::unique_ptr<Page> page;
  // The page's commands (the names of their actions), as they were triggered.
  QStringList triggered;
};

}  // namespace testkit
