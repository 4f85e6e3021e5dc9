#pragma once
// The window's file commands: New (Ctrl+N), Open, Open Received, Save, Save As, Close
// and the recent-file list, and the title: the name of the file the document belongs to
// ("Untitled" until it has one). The file itself is the document's; nothing here keeps a
// path of its own. Asks to save changes before the document is replaced.
#include <QByteArray>
#include <QObject>
#include <QString>

#include "app/MainActions.h"

class CQuelmarDoc;
class CQuelmarView;
class CRecentFileList;
class EditSteps;
class VariantOffer;
class QWidget;

class FileCommands : public QObject {
  Q_OBJECT
 public:
  struct Parts {
    CQuelmarDoc& doc;
    CRecentFileList& recent;
    CQuelmarView& view;
    EditSteps& steps;
    VariantOffer& variants;
  };
  // `window` owns the commands and the dialogs.
  FileCommands(const Parts& parts, QWidget& window);

  const FileActions& Actions() const { return actions_; }

  // Opens a file as Open does after its file dialog; false when it could not be
  // opened (the reason has been shown) or the user declined it when asked about it.
  bool OpenDocumentFile(const QString& path);
  // The same for a name as the file system holds it (command-line bytes, which need not
  // be UTF-8 and would not survive a trip through QString).
  bool OpenNativeFile(const QByteArray& nativePath);

  QString Title() const { return title_; }
  // The document's file, shown; empty when it belongs to none.
  QString Path() const;

  // Asks "Save changes to %1?" when the document is modified; false when the user
  // cancelled or the save failed, and the command that asked must stop.
  bool SaveModified();

  // The document keeps its database and variant but belongs to no file: titled
  // "Untitled", so Save asks for a name.
  void DocumentWithoutFile();

  // A recovery journal was restored: titled by the file the document belongs to again
  // (Save writes it), or "Untitled"; modified either way, with its steps.
  void DocumentRestored();

  // Shows the recent files as the last load or save left them.
  void UpdateRecentFileMenu();

 signals:
  void TitleChanged();
  // A message for the status bar that needs no answer.
  void Notice(const QString& text);

 private:
  void OnFileNew();
  void OnFileOpen();
  void OnOpenReceived();
  bool OnFileSave(bool askName);
  void OnFileClose();
  void OnRecentFile(int index);
  void DocumentNowAt();
  // Titles the window after the document's file.
  void ShowIdentity();

  Parts parts_;
  QWidget& window_;
  FileActions actions_;
  // After Close the title stays, though the document belongs to no file.
  QString title_;
};
