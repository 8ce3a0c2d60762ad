// The main menu and the edit pane's pop-up menu: every command of the editor
// enters here. Commands whose feature is not built yet stay disabled.
#include "EditPane.h"
#include "MainUnit.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QAction* TMainWindow::AddMenuItem(QMenu* menu, const QString& caption, const QKeySequence& key,
                                  void (TMainWindow::*handler)()) {
  auto* action = new QAction(caption, this);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  if (handler)
    connect(action, &QAction::triggered, this, handler);
  else
    action->setEnabled(false);
  if (menu)
    menu->addAction(action);
  else
    menuBar()->addAction(action);
  addAction(action);  // shortcuts work while the menu is closed
  return action;
}

void TMainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  AddMenuItem(file, QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), &TMainWindow::OpenMenuItemClick);
  AddMenuItem(file, QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &TMainWindow::SaveMenuItemClick);
  AddMenuItem(file, QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P), nullptr);

  QMenu* search = menuBar()->addMenu(QStringLiteral("&Search"));
  AddMenuItem(search, QStringLiteral("&Find Text"), QKeySequence(Qt::CTRL | Qt::Key_F), &TMainWindow::Find1Click);
  AddMenuItem(search, QStringLiteral("&Replace Text"), QKeySequence(Qt::CTRL | Qt::Key_R),
              &TMainWindow::ReplaceText1Click);
  AddMenuItem(search, QStringLiteral("Find/Replace &next instance"), QKeySequence(Qt::Key_F3),
              &TMainWindow::FindReplacenextinstance1Click);

  clipboardMenu_ = menuBar()->addMenu(QStringLiteral("&Clipboard"));
  CutMenuItem = AddMenuItem(clipboardMenu_, QStringLiteral("&Cut"), QKeySequence(Qt::CTRL | Qt::Key_X),
                            &TMainWindow::CutMenuItemClick);
  CopyMenuItem = AddMenuItem(clipboardMenu_, QStringLiteral("C&opy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                             &TMainWindow::CopyMenuItemClick);
  PasteMenuItem = AddMenuItem(clipboardMenu_, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                              &TMainWindow::PasteMenuItemClick);
  QAction* selectAll = AddMenuItem(clipboardMenu_, QStringLiteral("&Select All"), QKeySequence(Qt::CTRL | Qt::Key_A),
                                   &TMainWindow::SelectAllMenuItemClick);
  PasteAllMenuItem = AddMenuItem(clipboardMenu_, QStringLiteral("Paste &All"), QKeySequence(Qt::Key_F4),
                                 &TMainWindow::PasteAllMenuItemClick);
  QAction* copyAll = AddMenuItem(clipboardMenu_, QStringLiteral("Cop&y All"), QKeySequence(Qt::Key_F5),
                                 &TMainWindow::CopyAllMenuItemClick);
  connect(clipboardMenu_, &QMenu::aboutToShow, this, &TMainWindow::Clipboard1Click);

  // Ctrl+Z too, since users reach for it by habit.
  UndoMenuItem = AddMenuItem(nullptr, QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                             &TMainWindow::UndoMenuItemClick);
  AddMenuItem(nullptr, QStringLiteral("&Font"), QKeySequence(), &TMainWindow::Font1Click);

  QMenu* program = menuBar()->addMenu(QStringLiteral("&Program"));
  AddMenuItem(program, QStringLiteral("&Information"), QKeySequence(), nullptr);
  AddMenuItem(program, QStringLiteral("&Make Install Program"), QKeySequence(), nullptr);
  AddMenuItem(program, QStringLiteral("&Make Shortcut(s)"), QKeySequence(), nullptr);
  AddMenuItem(nullptr, QStringLiteral("&Help"), QKeySequence(Qt::Key_F1), nullptr);

  // The pop-up shares the clipboard commands (one action, one shortcut each).
  popupMenu_ = new QMenu(this);
  popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
  popupMenu_->addActions({CutMenuItem, CopyMenuItem, PasteMenuItem, selectAll, PasteAllMenuItem, copyAll});
  connect(popupMenu_, &QMenu::aboutToShow, this, &TMainWindow::PopupMenu1Popup);
  popupMenu_->addSeparator();
  UndoPopUpMenuItem = AddMenuItem(popupMenu_, QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_U),
                                  &TMainWindow::UndoMenuItemClick);
  UpdateUndoItems();
  AddMenuItem(popupMenu_, QStringLiteral("&Insert Paragraph"), QKeySequence(Qt::CTRL | Qt::Key_G),
              &TMainWindow::InsertParagraphPopUpMenuItemClick);
}
