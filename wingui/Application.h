#pragma once
// The application object: title, main form, message loop.
#include <windows.h>

#include <string>

namespace nx::gui {

class Form;

void SetApplicationTitle(const std::string& title);
std::string ApplicationTitle();

// Closing the main form ends the message loop.
void SetMainForm(Form* form);
Form* MainForm();

// Runs the message loop until Terminate; returns at once when already terminated.
int RunMessageLoop();
void Terminate();
bool Terminated();
// Handles the pending messages so that a long operation repaints and Stop can
// be pressed.
void ProcessMessages();
// The hourglass over every window of the program while busy.
void SetBusyCursor(bool busy);
bool BusyCursor();

// Translates and dispatches one message, with dialog keys (Tab, arrows,
// Escape, Enter) going to the form it belongs to.
void DispatchMessageTo(MSG& msg);

}  // namespace nx::gui
