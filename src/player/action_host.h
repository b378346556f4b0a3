// What running an action needs from the page window that runs it, as a portable interface: the
// executor decides, the host carries out. The player's page window is the real host
// (action_executor_win32.h); tests use a recording one. Also the operations that object controls
// of particular kinds offer to actions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/shell_seam.h"
#include "player/action_copy.h"
#include "storage/page_file.h"

namespace plexara {

// The media actions "Play" .. "Last/Step" in kind order. A MediaPlayer reads the last two as Back
// and Step, a SlideShow as First and Last.
enum class ObjectPlayerCommand : std::uint8_t {
  Play,
  Stop,
  Pause,
  Previous,
  Next,
  FirstBack,
  LastStep
};

// Implemented by the controls of the MediaPlayer and SlideShow kinds.
class PlayerCommandTarget {
 public:
  virtual ~PlayerCommandTarget() = default;
  virtual void PerformPlayerCommand(ObjectPlayerCommand command) = 0;
};

// Implemented by the controls that take a file from "Load File with Object" beyond pictures and
// text: an AVI clip, a web location, a media file, a slide folder, a Flash movie. The control
// loads and starts it.
class FileLoadTarget {
 public:
  virtual ~FileLoadTarget() = default;
  virtual void LoadFileFromAction(const std::string& path) = 0;
};

class ActionHost {
 public:
  virtual ~ActionHost() = default;

  // In the editor (its working page and its preview) pages are never opened by actions.
  virtual bool DesignTime() const = 0;
  virtual std::string ProjectRoot() const = 0;
  virtual std::string ApplicationTitle() const = 0;
  // The page window, owner of what the shell and the boxes show.
  virtual NativeWindow Window() const = 0;

  // Closes the page window once the running action is over (later entries of a group still run).
  virtual void CloseWindow() = 0;
  virtual void SetExitRequested(bool requested) = 0;
  virtual void MinimizeApplication() = 0;

  // A full path; a missing file shows its box. True when the sound started.
  virtual bool PlayActionSound(const std::string& path) = 0;
  virtual void StopActionSound() = 0;
  // Every channel of this window and of the Screen Background, with the start-sound loop off.
  virtual void StopAllSounds() = 0;

  // Shows a Sub Page modally (a page name not in the project does nothing).
  virtual void ShowSubPage(const std::string& pageName) = 0;
  // Switches this window to the page in place, once the running action is over.
  virtual void GotoPage(const std::string& pageName) = 0;

  // Starts a program and waits for it to end behind the modal wait window.
  virtual WaitingRunResult RunBehindWaitWindow(const ShellRequest& request) = 0;

  // The page's objects in list order, and what the actions do to their controls.
  virtual std::size_t ObjectCount() const = 0;
  virtual ObjectData& Object(std::size_t index) = 0;
  // Visible or Enabled of the object's record changed: apply it to its control now.
  virtual void ApplyObjectState(std::size_t index) = 0;
  // A full path: an Image takes it as its picture, a text object as its text, and the kinds with
  // a FileLoadTarget as their file; other kinds ignore it.
  virtual void LoadFileIntoObject(std::size_t index, const std::string& path) = 0;
  // Only MediaPlayer and SlideShow objects react.
  virtual void PerformPlayerCommand(std::size_t index, ObjectPlayerCommand command) = 0;

  virtual CopyFileSystem& Files() = 0;
};

}  // namespace plexara
