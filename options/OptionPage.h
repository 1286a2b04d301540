// COptionPage: a page of the options sheet. It loads its keys when first shown, marks
// itself modified on any change, and stores every key of the page on OK or Apply.
#pragma once

#include <string>

#include "PropertyPage.h"
#include "SettingsWriter.h"

class COptionPage : public CPropertyPage {
 public:
  explicit COptionPage(UINT templateId) : CPropertyPage(templateId) {}

 protected:
  // Puts every key of the page into its control.
  virtual void Load() = 0;
  // False, after telling the user why, when a control holds a value that cannot be stored.
  virtual bool Validate() { return true; }
  // Writes every key of the page.
  virtual void Store(SettingsWriter& out) = 0;
  // Controls whose state depends on others.
  virtual void UpdateEnabling() {}
  // A control's notification after the page has marked itself modified.
  virtual bool OnControl(int id, int code) {
    (void)id;
    (void)code;
    return false;
  }
  bool Loading() const { return m_bLoading; }

  // Fills a drop-down list and selects the item at index (none when out of range).
  void FillList(int id, const char* const* items, int count, UINT index);
  int ListIndex(int id) const;
  void SetNumber(int id, UINT value);
  int GetNumber(int id) const;
  // False, with a message and the field focused, when the field holds no number.
  bool HasNumber(int id);

 private:
  BOOL OnInitDialog() final;
  bool OnCommand(int id, int code) final;
  bool OnKillActive() final { return Validate(); }
  bool OnApply() final;
  bool m_bLoading = false;
};
