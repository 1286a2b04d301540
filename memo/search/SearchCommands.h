// SearchCommands: the memo window's commands over all memos: search them, and list the
// memos that link to this one. Both open their results in a new memo window.
#pragma once

#include "CmdTarget.h"

class SearchCommands : public CCmdTarget {
 public:
  static SearchCommands& Instance();
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CCmdUI* ui) override;

 private:
  void OnFindInAllMemos();
  void OnLinksToThisMemo();
  bool HasFile();
  static const CommandEntry<SearchCommands> kCommands[];
};
