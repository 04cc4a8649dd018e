#pragma once
#include "tools/skedit/view/EditorState.h"
#include "tools/skedit/view/FileBrowser.h"

namespace sk::edit {

// The dialogs the menus and keys open, and what they hold while open.
struct TDialogs {
  TFileBrowser Browser;
  bool NewMap = false;
  std::string NewDescription, NewBackground, NewMask;
};

// The menu bar: File (New, Open, Save, Save As, recent files, test-play, quit), Edit, View.
void DrawMenuBar(TEditorState& s, TDialogs& d);
// The keys that work everywhere but in a text field.
void HandleShortcuts(TEditorState& s, TDialogs& d);
// The modal questions: a new map's files, unsaved changes, recovered work, a running game.
void DrawDialogs(TEditorState& s, TDialogs& d);

void UndoEdit(TEditorState& s);
void RedoEdit(TEditorState& s);
void StartNewMap(TEditorState& s, const std::string& description, const std::string& background,
                 const std::string& mask);
void TestPlayMap(TEditorState& s);
void RequestQuit(TEditorState& s);

}  // namespace sk::edit
