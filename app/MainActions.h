#pragma once
// The main window's commands, each made by the part that carries it out; the menus and
// the toolbar are built from them (MainMenus).
#include <QList>

class QAction;

// File: made by FileCommands.
struct FileActions {
  QAction* fileNew = nullptr;  // no menu item: Ctrl+N
  QAction* open = nullptr;
  QAction* openReceived = nullptr;
  QAction* save = nullptr;
  QAction* saveAs = nullptr;
  QAction* close = nullptr;
  QAction* recentPlace = nullptr;  // "Recent File", greyed, shown while the list is empty
  QList<QAction*> recent;          // "&1 <path>" ..., hidden past the list's end
};

// Receive/Send and Config Setting: made by TransferCommands.
struct TransferActions {
  QAction* receive = nullptr;
  QAction* send = nullptr;
  QAction* config = nullptr;
};

// Check, compare and exchange: made by CExchangeCommands.
struct ExchangeActions {
  QAction* checkDatabase = nullptr;
  QAction* findDuplicates = nullptr;
  QAction* compareWith = nullptr;
  QAction* exportFile = nullptr;
  QAction* importFile = nullptr;
  QAction* applyOrder = nullptr;
};

// Transponders from a published list: made by TransponderListCommands.
struct TransponderListActions {
  QAction* updateTransponders = nullptr;
};

// The channel lists printed or written as a PDF: made by PrintCommands.
struct PrintActions {
  QAction* printList = nullptr;
  QAction* exportPdf = nullptr;
};

// The window's own: made by CMainFrame.
struct WindowActions {
  QAction* undo = nullptr;
  QAction* redo = nullptr;
  QAction* toolbar = nullptr;
  QAction* statusBar = nullptr;
  // View > Language: System, English, Deutsch (one ticked).
  QList<QAction*> languages;
  QAction* exit = nullptr;
  QAction* about = nullptr;
};

struct MainActions {
  FileActions file;
  TransferActions transfer;
  ExchangeActions exchange;
  TransponderListActions transponderList;
  PrintActions print;
  WindowActions window;
};
