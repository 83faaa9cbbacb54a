#pragma once
// The scripted mode: a scene run end to end through the real plug-in, one command a line,
// printing what the user would see. Blank lines and lines starting with "#" are skipped.
//
//   load | unload                   LoadLibrary / FreeLibrary of the plug-in
//   initialize | activate | finalize  the entry points
//   pump                            the host's message loop dispatches what is waiting
//   wait MS                         the loop runs for MS milliseconds
//   type distance|fov [TEXT]        selects the field's text and types TEXT (WM_CHAR)
//   click                           clicks Calculate (BM_CLICK)
//   tab                             presses Tab in the control that has the focus
//   close                           the caption's close button (WM_CLOSE)
//   show | result | layout          prints the window, the result label, every child window
//   settings                        prints the settings file's lines
//   screenshot PATH                 saves the window as a 24-bit BMP file
//   points [X,Y ...] | image | no-image | width N | fail-point I | deliver-all
//                                   change what the host serves
//   echo TEXT                       prints TEXT
//   exit                            ends the process at once, without unloading the plug-in
//
// Every message box the plug-in shows is printed (its text, caption and owner, and the flags
// passed to MessageBoxA) and dismissed with its OK button.

#include <ostream>
#include <string>
#include <vector>

#include "host/scene.h"

namespace host {

// The scene the host runs without a script: the plug-in is loaded, initialised and activated,
// the distance and the field of view are typed in, Calculate is clicked, the window is closed
// and activated again, finalised, released by the loop and unloaded, and the settings file is
// shown. With a screenshot path, the window is saved after the calculation.
std::vector<std::string> DefaultScript(const std::string& screenshotPath);

// Runs the script; the result is the program's exit status (0, or 1 after a command that failed:
// the run stops there).
int RunScript(const std::vector<std::string>& lines, const std::string& pluginPath, Scene& scene,
              std::ostream& out);

// The lines of a script file; false when it cannot be read.
bool ReadScript(const std::string& path, std::vector<std::string>& lines);

}  // namespace host
