// The live control of one object on a page window. Drawn kinds (ImageButton, Image, Shape and the
// text kinds) have no window of their own: the page's object surface paints them in list order and
// routes the pointer to the topmost one under it. Windowed kinds (Button, the boxes, the lists, the
// media players) create a child window of the surface and get its notifications.
//
// A control keeps a back-reference to its ObjectData (the common record and the kind record) and
// reports its pointer events to the page through ObjectEvents. Controls react to the pointer first
// and then call the base class, which reports to the page.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "objects/object_bounds.h"
#include "storage/kind_table.h"
#include "storage/page_file.h"

namespace plexara {

class ObjectControl;

// What the page window offers its controls. Points are in screen coordinates.
class ObjectEvents {
 public:
  virtual ~ObjectEvents() = default;
  virtual void ObjectClick(ObjectControl& control) = 0;
  virtual void ObjectMouseDown(ObjectControl& control, POINT screen) = 0;
  virtual void ObjectMouseUp(ObjectControl& control, POINT screen) = 0;
  virtual void ObjectMouseMove(ObjectControl& control, bool leftButtonDown, POINT screen) = 0;
  virtual void ObjectMouseEnter(ObjectControl& control) = 0;
  virtual void ObjectMouseLeave(ObjectControl& control) = 0;
  // A drawn control's look changed: repaint its rectangle of the surface.
  virtual void InvalidateObject(ObjectControl& control) = 0;
};

class ObjectControl {
 public:
  explicit ObjectControl(ObjectData& data);
  virtual ~ObjectControl() = default;
  ObjectControl(const ObjectControl&) = delete;
  ObjectControl& operator=(const ObjectControl&) = delete;

  // Points the control at its object again after the page's object list moved in memory.
  void Rebind(ObjectData& data) { data_ = &data; }
  ObjectData& data() { return *data_; }
  const ObjectData& data() const { return *data_; }
  std::uint8_t kind() const { return data_->kind(); }
  ObjectBounds Bounds() const { return BoundsOf(data_->record); }
  bool Visible() const { return designShown_.value_or(data_->command.visible); }
  bool Enabled() const { return designShown_.has_value() || data_->command.enabled; }
  // The editor's working page does not apply the record's Visible and Enabled fields: every object
  // is shown, enabled, unless the design surface hides it (the group list). Once set, Visible()
  // answers this and Enabled() is true; the record keeps what it stores.
  void SetDesignShown(bool shown);
  void SetEvents(ObjectEvents* events) { events_ = events; }

  // Whether the kind has a window of its own (the kind table says); the surface draws the others.
  bool Windowed() const;
  // Whether the control reports an event of KindEventBit to its page. Each kind reports the events
  // the kind table gives it; an object the editor has just added may have its click left out.
  bool Reports(std::uint8_t event) const { return (reportedEvents_ & event) != 0; }
  std::uint8_t reportedEvents() const { return reportedEvents_; }
  void SetReportedEvents(std::uint8_t events) { reportedEvents_ = events; }

  // ---- drawn kinds ----
  // Paints the control with the origin at its top-left corner, clipped to its width × height. The
  // page background is already there, so anything not painted shows the page through.
  virtual void Paint(HDC dc, int width, int height);
  // Whether a point (relative to the top-left corner) is on the control; the whole rectangle by
  // default.
  virtual bool HitTest(POINT local) const;

  // Pointer input of drawn kinds, relative to the top-left corner. The surface captures the pointer
  // from a left-button press to its release, so a release outside is still seen; Click follows a
  // release over the control that the press started.
  virtual void MouseDown(POINT local, POINT screen);
  virtual void MouseUp(POINT local, POINT screen);
  virtual void MouseMove(POINT local, bool leftButtonDown, POINT screen);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Click();

  // ---- windowed kinds ----
  // Creates the child window on the surface; false when it cannot be created (the object stays in
  // the list, shown as nothing).
  virtual bool CreateChild(HWND surface) { (void)surface; return true; }
  virtual HWND Child() const { return nullptr; }
  // WM_COMMAND or WM_NOTIFY from the child window, forwarded by the surface; true when handled.
  virtual bool HandleChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Visibility or enabling changed (actions that show, hide, enable or disable objects).
  virtual void StateChanged();

  // ---- page operations on particular kinds ----
  virtual void ClearHover() {}
  virtual void SetChecked(bool checked) { (void)checked; }

  // ---- the object's text (comment viewers, loading a file into an object) ----
  // The text the page saves and replaces: a label's caption, all lines of a multi-line text.
  // Empty, and replacing does nothing, for kinds without one.
  virtual std::string ObjectText() const { return {}; }
  virtual void SetObjectText(const std::string& text) { (void)text; }
  // Loads a text file (a full path) into the object: lines for multi-line texts, the whole text as
  // a SimpleText's caption. False when the kind takes no text file or the file cannot be read.
  virtual bool LoadTextFile(const std::string& path) {
    (void)path;
    return false;
  }

 protected:
  void Repaint();
  ObjectEvents* events() const { return events_; }

 private:
  ObjectData* data_;
  ObjectEvents* events_ = nullptr;
  std::uint8_t reportedEvents_;
  std::optional<bool> designShown_;
};

// The control for an object of any kind. Kinds whose controls are not built yet get a control that
// keeps their data, takes part in name lookups, visibility and enabling, and paints nothing.
std::unique_ptr<ObjectControl> CreateObjectControl(ObjectData& data);

}  // namespace plexara
