// The form-input objects on a page: TAuSecurityEdit (Edit, a one-line text input), and the
// choices TAuAgreementRadio (RadioButton) and TAuAgreementCheck (CheckBox). Each is a platform
// control, a child window of the object surface, showing the values of its kind record. What the
// user types or checks is written back into the record at once, so the page's form submission
// reads the live values from the page data. They report click, press, release, enter and leave to
// the page.
//
// All RadioButtons of a page share the object surface as parent and form one group: checking one
// unchecks every other. An Edit with a maximum length moves the focus on by itself once it is full
// and the next control in tab order is another Edit (EditAutoAdvance), so an entry split over
// several boxes can be typed in one go.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "objects/object_control_win32.h"
#include "platform/gdi_objects_win32.h"

namespace plexara {

// What the three kinds share: the child window with its font and colours, and the pointer events.
class FormInputControl : public ObjectControl {
 public:
  explicit FormInputControl(ObjectData& data) : ObjectControl(data) {}
  ~FormInputControl() override;

  bool CreateChild(HWND surface) override;
  HWND Child() const override { return child_; }
  bool HandleChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  // The child window a kind asks for.
  struct ChildSpec {
    const char* className;
    std::string text;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;
    const FontData* font;
    ColorRef color;
  };

 protected:
  virtual ChildSpec Spec() const = 0;
  // After the child window exists: the kind's own settings.
  virtual void ChildCreated() {}
  // A notification code of the child's WM_COMMAND.
  virtual void ChildNotified(WORD code) { (void)code; }
  // Whether a release over the control reports a click (the buttons report theirs through
  // BN_CLICKED instead).
  virtual bool ClickOnRelease() const { return false; }

 private:
  static LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  static LRESULT CALLBACK SurfaceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);

  GdiObject<HFONT> font_;    // declared before the window, so they outlive it
  GdiObject<HBRUSH> brush_;  // the background colour
  COLORREF textColor_ = 0;
  COLORREF backColor_ = 0;
  HWND child_ = nullptr;
  HWND surface_ = nullptr;
  bool trackingLeave_ = false;
  // Expires with the control: the page may drop its controls while an event is reported from
  // inside the control's own message handling.
  std::shared_ptr<char> lifetime_ = std::make_shared<char>();
};

class TAuSecurityEdit final : public FormInputControl {
 public:
  explicit TAuSecurityEdit(ObjectData& data) : FormInputControl(data) {}

  // Wrong entries since the page was loaded; the form submission counts them.
  int& failureCount() { return failureCount_; }

 protected:
  ChildSpec Spec() const override;
  void ChildCreated() override;
  void ChildNotified(WORD code) override;
  bool ClickOnRelease() const override { return true; }

 private:
  int failureCount_ = 0;
};

class TAuAgreementRadio final : public FormInputControl {
 public:
  explicit TAuAgreementRadio(ObjectData& data) : FormInputControl(data) {}
  // Checks or unchecks it, in the record and on screen, without reporting a click.
  void SetCheckedState(bool checked);

 protected:
  ChildSpec Spec() const override;
  void ChildCreated() override;
  void ChildNotified(WORD code) override;
};

class TAuAgreementCheck final : public FormInputControl {
 public:
  explicit TAuAgreementCheck(ObjectData& data) : FormInputControl(data) {}

 protected:
  ChildSpec Spec() const override;
  void ChildCreated() override;
  void ChildNotified(WORD code) override;
};

// The change handler of every Edit: when the Edit has a maximum length, its text has just reached
// it, and the control after it in tab order is an Edit, the focus moves to the next control in tab
// order.
void EditAutoAdvance(TAuSecurityEdit& edit);

// Puts the windowed controls of a page into the page's tab order (the order of the surface's child
// windows): form inputs at their stored tab positions, the boxes, media and list kinds last.
void ApplyTabOrder(std::span<ObjectControl* const> controls);

}  // namespace plexara
