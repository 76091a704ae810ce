// What edit, drop-down and combo boxes share: the box's text and list
// settings and OnChange. Bound to a host box (the host's combo box
// interface) it owns the sink of the box's Change event; the list reaches
// the host once per design revision, and again whenever Items changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/commandbars/ControlEventLink.h"
#include "framework/commandbars/TkvxCommandBarControl.h"
#include "framework/design/Events.h"

namespace corvane::framework {

class TkvxCustomCommandBarComboBox : public TkvxCommandBarControl {
 public:
  explicit TkvxCustomCommandBarComboBox(TkvxCommandBarControls& Collection);
  ~TkvxCustomCommandBarComboBox() override;

  std::string_view ClassName() const override { return "TkvxCustomCommandBarComboBox"; }
  // Raises OnChange with this box as Sender, unless its change is already
  // being handled.
  void DoClick() override;

  int32_t DropdownLines() const {
    return ReadThroughOn(HostBox().get(), dropdownLines_, Office::CommandBarComboBox::DropDownLines);
  }
  void SetDropdownLines(int32_t v) { StoreOnBox(dropdownLines_, v, Office::CommandBarComboBox::DropDownLines); }
  int32_t DropdownWidth() const {
    return ReadThroughOn(HostBox().get(), dropdownWidth_, Office::CommandBarComboBox::DropDownWidth);
  }
  void SetDropdownWidth(int32_t v) { StoreOnBox(dropdownWidth_, v, Office::CommandBarComboBox::DropDownWidth); }
  int32_t ListHeaderCount() const {
    return ReadThroughOn(HostBox().get(), listHeaderCount_, Office::CommandBarComboBox::ListHeaderCount);
  }
  void SetListHeaderCount(int32_t v) { StoreOnBox(listHeaderCount_, v, Office::CommandBarComboBox::ListHeaderCount); }
  int32_t ListIndex() const {
    return ReadThroughOn(HostBox().get(), listIndex_, Office::CommandBarComboBox::ListIndex);
  }
  void SetListIndex(int32_t v) { StoreOnBox(listIndex_, v, Office::CommandBarComboBox::ListIndex); }
  TkvxMsoComboStyle Style() const { return ReadThroughOn(HostBox().get(), style_, Office::CommandBarComboBox::Style); }
  void SetStyle(TkvxMsoComboStyle v) { StoreOnBox(style_, v, Office::CommandBarComboBox::Style); }
  std::u16string Text() const { return ReadThroughOn(HostBox().get(), text_, Office::CommandBarComboBox::Text); }
  void SetText(std::u16string_view v) { StoreOnBox(text_, std::u16string(v), Office::CommandBarComboBox::Text); }
  // The designed list. Setting it refills a bound host box's list; when the
  // box's Clear fails (a stale reference), the box is looked up again by
  // its tag, re-bound and cleared once more.
  const std::vector<std::u16string>& Items() const { return items_; }
  void SetItems(std::vector<std::u16string> Items);

  // Drops the sink of the box bound before, binds; a host box gets a new
  // sink of its Change event.
  void AttachHostControl(com::ComPtr<IDispatch> Control) override;
  // The host box (the control as a combo box), or null.
  const com::ComPtr<IDispatch>& HostBox() const { return link_.Host(); }
  TkvxEventSink* Sink() const { return link_.Sink(); }
  // The base update, then the box's own settings, its list, and the
  // revision record (not for a temporary box).
  bool UpdateControl() override;
  // The shared properties, then the box's own.
  void Assign(const TkvxCommandBarControl& Source) override;

  TNotifyEvent OnChange;

 protected:
  // An edit box has no list: its list settings are neither kept nor sent.
  virtual bool HasList() const { return true; }

 private:
  template <class Field, class Value>
  void StoreOnBox(Field& field, Value value, DISPID member) {
    field = Field(value);
    PushStoredOn(HostBox().get(), field, member);
  }
  // The host list's steps; a failing host call is thrown.
  void ClearHostList();
  void AddHostItems();
  void RefillHostList();
  // Runs a step, its failure going to HandleError.
  void Guarded(void (TkvxCustomCommandBarComboBox::*step)());

  ControlEventLink link_;
  int32_t dropdownLines_ = 0;
  int32_t dropdownWidth_ = 0;
  int32_t listHeaderCount_ = -1;
  int32_t listIndex_ = 0;
  TkvxMsoComboStyle style_ = kvxMsoComboNormal;
  std::u16string text_;
  std::vector<std::u16string> items_;
};

}  // namespace corvane::framework
