#pragma once
// The main window's menu bar, toolbar and status bar, built from its commands.
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;
struct MainActions;

namespace MainMenus {

// File, Edit, View, Receive/Send, Tools and Help; returns the File menu.
QMenu* BuildMenuBar(QMainWindow& window, const MainActions& actions);

// Open, Save, Receive, Send and About, with texts and tips of their own.
QToolBar* BuildToolBar(QMainWindow& window, const MainActions& actions);

// The message pane ("Ready") and the key indicators; returns the pane.
QLabel* BuildStatusBar(QMainWindow& window, const MainActions& actions);

}  // namespace MainMenus
