// ExecuteAction, the one place where actions run: object clicks, a page's start action, menu
// items, list items and the entries of action groups all end here. This is the portable core: it
// decides what each kind does and whether it succeeded, and asks its ActionHost (the page window)
// to carry out what touches windows. Shell starts, sounds and boxes go through their seams; the
// full-screen kinds through the viewer seam.
#pragma once

#include <string>
#include <string_view>

#include "player/action_host.h"
#include "storage/action_record.h"

namespace plexara {

// The box shown instead of opening a page in the editor.
inline constexpr std::string_view kDesignTimePageText = "The page can not be shown at design time";
inline constexpr std::string_view kDesignTimePageCaption = "Click action";
void ShowDesignTimePageBox(NativeWindow owner);

// Runs the action of a record on its page window: kind 0 and kinds above 28 do nothing. After an
// action that succeeded, the window closes when the record asks for it and the kind honours it.
// Errors are reported here; nothing is returned.
void ExecuteAction(ActionHost& host, const TCommand& command);

// Runs one file through the shell: with wait, through the extended execute behind the wait
// window until the program ends; without, through the plain execute with the page window as
// owner. A failure shows its error box and returns false.
bool RunShell(ActionHost& host, std::string_view operation, const std::string& file,
              int showCommand, bool wait, const std::string& folder, const std::string& parameters);

}  // namespace plexara
