// Driving a running player from an end-to-end test: waiting for its page windows and message boxes
// by title, finding the platform controls on a page by their text, clicking and typing into them.
// Messages are posted, so the player's own modal loops (forms, sub pages, boxes) never block the
// test.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace plexara::testing_support {

// The visible page window of the process with that title, or null once the timeout has passed.
HWND WaitForPage(DWORD processId, const std::string& title, std::chrono::milliseconds timeout);
// A message box of the process with that caption, or null once the timeout has passed.
HWND WaitForBox(DWORD processId, const std::string& caption, std::chrono::milliseconds timeout);
// Whether the process has a visible page window with that title right now.
bool HasPage(DWORD processId, const std::string& title);
// The control below a window whose text is exactly that, or null.
HWND ControlWithText(HWND window, const std::string& text);
// The first control below a window of that window class (compared without regard to case), or null.
HWND ControlOfClass(HWND window, const std::string& className);
// Clicks a button, radio button or check box of another process.
void ClickControl(HWND control);
// Types the text into an edit control, character by character.
void TypeInto(HWND edit, const std::string& text);
// Closes a message box with its OK button.
void AnswerBoxOk(HWND box);
// Waits until the window no longer exists.
bool WaitForGone(HWND window, std::chrono::milliseconds timeout);

}  // namespace plexara::testing_support
