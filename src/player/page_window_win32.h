// TAutoRunForm: the window of one page. It builds the object controls from its PageData, paints
// the background and the drawn objects on its object surface, fades in and out with its shadow
// window when the system has layered windows, runs the start, fade and seconds timers (stay time,
// click-to-continue, start sound), and carries out the object events: clicks, the page-wide hover
// rule, check groups and comment viewers. The same class serves every page kind.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "objects/object_control_win32.h"
#include "platform/sound_seam.h"
#include "platform/window_win32.h"
#include "player/object_surface_win32.h"
#include "player/page_hints_win32.h"
#include "player/page_menus_win32.h"
#include "storage/page_file.h"
#include "storage/startup_context.h"

namespace plexara {

inline constexpr char kPageWindowClass[] = "TAutoRunForm";

class TAuImage;

// How a page window runs an action record; the action executor plugs in here.
using ActionRunner = std::function<void(class TAutoRunForm& window, const TCommand& command)>;

// Asked before the player's main window closes (the exit form); false keeps it open.
using CloseQuery = std::function<bool(class TAutoRunForm& window)>;

// Sleeps between fade steps; tests replace it to count steps without waiting.
using FadePause = std::function<void(int milliseconds)>;

class TAutoRunForm final : public win32::Window, private ObjectEvents, private SurfaceEvents {
 public:
  explicit TAutoRunForm(StartupContext& context);
  ~TAutoRunForm() override;

  // Loads the page an entry names (full load). Reports its own failure.
  bool LoadPage(const TAutoFormInfo& entry);
  // Takes a page already read.
  void SetPage(PageData page);
  // Creates the window (hidden) for the loaded page; the main window ends the message loop when it
  // is destroyed.
  bool CreatePageWindow(HWND owner, bool mainWindow);
  // Shows the window: the fade-in preparations, the timers, and the window itself.
  void ShowPage();

  const PageData& page() const { return page_; }
  PageData& page() { return page_; }
  StartupContext& context() const { return context_; }
  std::vector<ObjectControl*> Controls() const;
  ObjectControl* FindObject(std::string_view name) const;
  ObjectSurface& surface() { return surface_; }

  std::uint8_t result() const { return result_; }
  void SetResult(std::uint8_t result) { result_ = result; }
  std::uint8_t exitRequested() const { return exitRequested_; }
  void SetExitRequested(std::uint8_t value) { exitRequested_ = value; }
  int secondsCounter() const { return seconds_; }
  bool shown() const { return shown_; }

  void SetActionRunner(ActionRunner runner) { actionRunner_ = std::move(runner); }
  void SetFadePause(FadePause pause) { fadePause_ = std::move(pause); }
  // Runs an action record through the window's action runner (clicks, the start action, menu
  // items, web-page commands). A page switch asked for meanwhile waits until it is over.
  void RunAction(const TCommand& command);
  void SetCloseQuery(CloseQuery query) { closeQuery_ = std::move(query); }
  // The menu bar, the page's right-click menu and the objects' right-click menus.
  PageMenus& menus() { return menus_; }
  // Every opacity the window has been given, in order (what fade tests read back).
  const std::vector<std::uint8_t>& opacityLog() const { return opacityLog_; }

  // Sounds, each on its own channel; paths are full paths. A missing start sound shows an error
  // box naming the file, a missing action sound a shorter one, a missing object sound nothing.
  bool PlayActionSound(const std::string& path);
  bool PlayObjectSound(const std::string& path);
  bool PlayStartSound();
  void StopSounds();
  // "Stop Sound": the action channel only.
  void StopActionSound();
  // "Stop All Sound": every channel, and the start sound no longer loops.
  void StopAllSounds();
  // The Screen Background window created last, while it exists; null when there is none.
  static TAutoRunForm* ScreenBackground();
  // Every Screen Background window that exists, in creation order.
  static std::vector<TAutoRunForm*> ScreenBackgrounds();
  // "Minimize": the window that owns this one (and with it every window it owns) and every
  // Screen Background go to the task bar; the backgrounds come back behind it when it is restored.
  void MinimizeApplication();

  // Adds a new object of `kind` at (x, y) of the object surface, as the editor's palette drops it:
  // every other object loses its selection, the new one gets the next free default name, its
  // kind's size and new text, and a live control. Returns the new control.
  ObjectControl* AddObject(std::uint8_t kind, int x, int y);
  // ---- the editor's working page ----
  // Design mode (set before the page is loaded): the page stands behind the design surface. It is
  // never shown; every object is shown and enabled whatever its record says (the design surface
  // may hide some, ObjectControl::SetDesignShown), check groups are not applied, and the design
  // grid may be painted into the background.
  void SetDesignMode(bool on) { designMode_ = on; }
  bool designMode() const { return designMode_; }
  // The design grid's dots in the background, design mode only; the background is rendered again.
  void SetDesignGrid(bool on, int gridX, int gridY);
  // The object list changed as a whole (reordered, pasted into, deleted from): every control is
  // made again from it.
  void ObjectsChanged();
  // An object's record changed in a way that alters how it looks (font, caption, effect, pictures,
  // outline...): its control is made again from the record, as the player makes it, in place. The
  // new control keeps whether the design surface shows it and which events it reports.
  void ObjectRecordChanged(std::size_t index);
  // The menu bar or a right-click menu of the page or of an object changed: they are built again.
  void MenusChanged();
  // An object's bounds changed in its record: a windowed control's child follows, the surface
  // repaints.
  void ObjectBoundsChanged(ObjectControl& control);
  // The page's left, top, width and height changed: the window takes them, and with it the object
  // surface its new client size.
  void ApplyPageBounds();
  // The editor changed the page's frame, caption or icon: the window wears them again, at the
  // page's size, and renders its background for the client that results.
  void ApplyPageFrame();
  // The page content as the player shows it: the surface (background and drawn objects) and every
  // shown child window over it, into dc with the surface's top-left corner at (0, 0). The window
  // may be hidden. False when there is nothing to paint yet.
  bool RenderContent(HDC dc);
  // The pictures of the windowed controls that RenderContent keeps between calls (printing a
  // child costs far more than copying it, and a drag only moves them). They are made again when
  // the object list or the background changes, when a control's size or state changes, and after
  // this call; whoever changes how a control looks in another way calls it.
  void InvalidateContentPictures() { childPictures_.clear(); }
  // The surface's client size (the page content).
  SIZE ContentSize() const;

  // The hint window of the page (tests read it back).
  const PageHints& hints() const { return hints_; }

  // The icon of the application (the disc's autorun.ico); pages without an icon of their own and
  // the tabbed notebook use it. Not owned.
  static void SetApplicationIcon(HICON icon);
  // The tabbed notebook of the main window: one tab per tabbed page with its caption (and icon),
  // in the project's tab font; selecting a tab switches this window to that page. The strip stops
  // at the first page whose caption cannot be read.
  bool BuildTabStrip();
  HWND tabStrip() const { return tabStrip_; }

  void RedrawBackground();
  void PrepareFadeIn();
  void FadeOutAndHideShadow();
  void RunStartAction();
  // Switches this window to another page of the project in place (the start timer reloads it).
  void BeginGotoPage(const std::string& pageName);
  bool pagePending() const { return pending_; }
  // The pointer shape an object shows (after the start action ran); null for the default.
  HCURSOR ObjectCursor(const ObjectControl& control) const;
  HWND shadowWindow() const { return shadow_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;

  // ObjectEvents
  void ObjectClick(ObjectControl& control) override;
  void ObjectMouseDown(ObjectControl& control, POINT screen) override;
  void ObjectMouseUp(ObjectControl& control, POINT screen) override;
  void ObjectMouseMove(ObjectControl& control, bool leftButtonDown, POINT screen) override;
  void ObjectMouseEnter(ObjectControl& control) override;
  void ObjectMouseLeave(ObjectControl& control) override;
  void InvalidateObject(ObjectControl& control) override;
  // SurfaceEvents
  void BackgroundClick() override;
  void BackgroundMouseMove() override;
  HCURSOR CursorFor(const ObjectControl* control) override;
  bool SurfaceNotify(const NMHDR& header, LRESULT& result) override;

  void BuildControls();
  // Gives the controls the page's events and, when the surface exists, their windows, tab order,
  // right-click menus and hints.
  void AttachControls();
  // A right click (WM_CONTEXTMENU) on the page or one of its controls.
  void ShowRightClickMenu(HWND from, POINT screen);
  // The Image an object names as the viewer of its graphic comment, if the page has one.
  TAuImage* GraphicCommentViewer(const ObjectControl& control) const;
  void ApplyCheckGroup(ObjectControl& clicked);
  bool ClosesOnClick() const;
  void SetOpacity(std::uint8_t opacity);
  void PlaceShadow();
  void OnFadeTimer();
  void OnStartTimer();
  void OnSecondsTimer();
  void Pause(int milliseconds);
  void LayOutChildren(int width, int height);
  void PlayObjectSoundFor(const std::string& stored);

  StartupContext& context_;
  PageData page_;
  std::vector<std::unique_ptr<ObjectControl>> controls_;
  ObjectSurface surface_;
  HWND shadow_ = nullptr;
  HICON icon_ = nullptr;
  bool mainWindow_ = false;
  bool shown_ = false;
  bool minimized_ = false;
  bool layered_ = false;
  std::uint8_t shadowOpacity_ = 80;
  int seconds_ = 0;
  std::uint8_t result_ = 0;
  std::uint8_t exitRequested_ = 0;
  POINT mouseDownAt_{};
  ActionRunner actionRunner_;
  CloseQuery closeQuery_;
  bool askingToClose_ = false;
  int actionDepth_ = 0;  // actions running now (a sub page an action opened runs inside one)
  PageMenus menus_;
  FadePause fadePause_;
  std::vector<std::uint8_t> opacityLog_;
  std::unique_ptr<SoundChannel> actionSound_;
  std::unique_ptr<SoundChannel> startSound_;
  std::unique_ptr<SoundChannel> objectSound_;
  HWND tabStrip_ = nullptr;
  HFONT tabFont_ = nullptr;
  void* tabImages_ = nullptr;  // HIMAGELIST
  int tabHeight_ = 0;
  std::vector<std::string> tabPages_;
  std::string pendingPage_;
  bool pending_ = false;
  bool switchedInPlace_ = false;  // the fade tick after an in-place switch leaves the window as it is
  HCURSOR pageCursor_ = nullptr;
  std::vector<HCURSOR> objectCursors_;  // by control index
  PageHints hints_;
  bool startSoundStarted_ = false;
  bool startSoundPlayed_ = false;
  bool designMode_ = false;
  bool designGrid_ = false;
  std::unordered_map<HWND, std::unique_ptr<MemoryCanvas>> childPictures_;  // RenderContent's
  int gridX_ = 8;
  int gridY_ = 8;
};

// Window style bits for a page's border style and border icons.
struct PageFrameStyle {
  DWORD style = 0;
  DWORD exStyle = 0;
};
PageFrameStyle FrameStyleOf(const PageData& page);

}  // namespace plexara
