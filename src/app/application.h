#pragma once
// The application object: its title, the message loop, and the boundary at
// which a failure ends the command and shows the general error box.

#include <windows.h>

#include <exception>
#include <string>

#include "app/app_error.h"

namespace Application {

// The executable's file name up to its first ".", the rest in lower case.
const std::string& Title();

void SetMainWindow(HWND window, HACCEL shortcuts);

// Sent to the main window once it has been shown, so that its first
// activation does not hang on when the platform gets round to activating it.
inline constexpr UINT kMainWindowShown = WM_APP + 1;

// Runs the message loop until the end is requested; shows the main window
// first, as the shell asked.
void Run(int showCommand);

// Asks for the end of the program: the message loop ends when it takes the
// request up, after whatever runs before it.
void Terminate();

// Handles every waiting message (shortcuts included), so the window repaints
// and answers during long work; a command chosen meanwhile runs to its end.
void ProcessMessages();

// The general error box: the text ("." appended when its last byte sorts
// after "."), the title as caption, a stop icon and OK.
void ShowErrorBox(const std::string& message);

template <class Work>
void RunGuarded(Work&& work) {
  try {
    work();
  } catch (const std::exception& error) {
    ShowErrorBox(MessageOf(error));
  }
}

}  // namespace Application
