#pragma once
// The window's Tools > "Update Transponders From List…": a transponder list
// (satellites.xml) chosen, read and shown with the satellites' matches, then applied as
// one undo step. The work itself is db/'s (tpupdate); this is the shell around it.
#include <QObject>
#include <QString>

#include "app/MainActions.h"

class CQuelmarDoc;
class QWidget;

class TransponderListCommands : public QObject {
  Q_OBJECT
 public:
  // `window` owns the command and the dialogs.
  TransponderListCommands(CQuelmarDoc& doc, QWidget& window);

  const TransponderListActions& Actions() const { return actions_; }

 signals:
  // A message for the status bar that needs no answer.
  void Notice(const QString& text);

 private:
  void OnUpdateTransponders();

  CQuelmarDoc& doc_;
  QWidget& window_;
  TransponderListActions actions_;
};
