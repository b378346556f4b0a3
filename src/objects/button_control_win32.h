// TAuButton, the Button kind on a page: a platform push button, a child window of the object
// surface, showing its caption in its font. It reports click, press, release, enter and leave to
// the page. Buttons of one button group stay down like radio buttons: the control keeps the down
// state itself (a push-like check box that never toggles on its own), so the group does not depend
// on the z-order of the windows and focusing a button never clicks it.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "objects/object_control_win32.h"
#include "platform/gdi_objects_win32.h"

namespace plexara {

class TAuButton;

// The Buttons sharing one group name on a page.
struct ButtonGroup {
  std::string name;
  int index = 0;  // numbered from 1 in order of first appearance on the page
  std::vector<TAuButton*> members;
};

class TAuButton final : public ObjectControl {
 public:
  // `data` holds a ButtonRecord.
  explicit TAuButton(ObjectData& data);
  ~TAuButton() override;

  bool CreateChild(HWND surface) override;
  HWND Child() const override { return child_; }
  bool HandleChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  // 0 outside any group.
  int GroupIndex() const { return group_ ? group_->index : 0; }
  // Shown pressed: the down member of its group.
  bool Down() const { return down_; }

 private:
  friend void JoinButtonGroups(std::span<ObjectControl* const> controls);
  void JoinGroup(std::shared_ptr<ButtonGroup> group);
  void LeaveGroup();
  void SetDown(bool down);
  void ApplyGroupStyle();
  static LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);

  GdiObject<HFONT> font_;  // declared before the window, so it outlives it
  HWND child_ = nullptr;
  std::shared_ptr<ButtonGroup> group_;
  bool down_ = false;
  bool trackingLeave_ = false;
  // Expires with the control: the page may drop its controls while a click is reported from inside
  // the button's own message handling, and the press or release must not be reported after that.
  std::shared_ptr<char> lifetime_ = std::make_shared<char>();
};

// Called when a page starts: every Button whose common record has CheckStyleInGroup and a group
// name joins the group of that name (groups numbered from 1 in order of first appearance), and is
// shown pressed when its record is checked. Controls of other kinds are passed over.
void JoinButtonGroups(std::span<ObjectControl* const> controls);

}  // namespace plexara
