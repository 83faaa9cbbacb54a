#pragma once
// The lines the host stand-in prints about what the user sees: the measure window, its fields,
// labels and result, the message boxes and the settings file.

#include <windows.h>

#include <ostream>
#include <string>

#include "host/session.h"

namespace host {

// A text of the plug-in (single-byte, Windows ANSI code page) as UTF-8 for the terminal.
std::string AnsiToUtf8(const std::string& text);

// "window: ..." and the lines of its controls, or "window: none".
void ReportWindow(std::ostream& out);
// Each child window: class, rectangle in client coordinates, text.
void ReportLayout(std::ostream& out);
// "result: <the result label's text>".
void ReportResult(std::ostream& out);
void ReportBox(std::ostream& out, const ErrorBox& box, HWND mainWindow);
// The settings file's lines, or that there is none.
void ReportSettings(std::ostream& out);

// The whole file, byte for byte; `exists` tells whether it could be opened.
std::string ReadFileText(const std::string& path, bool& exists);

}  // namespace host
