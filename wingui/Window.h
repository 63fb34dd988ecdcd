#pragma once
// Windows of our own class: forms and panels. Their window procedure routes
// child notifications and never lets an exception cross into user32.
#include <exception>
#include <optional>

#include "wingui/Control.h"

namespace nx::gui {

class Window : public Control {
public:
  void SetColor(COLORREF color);
  COLORREF Color() const { return color_; }
  HBRUSH BackgroundBrush() const override { return brush_; }
  ~Window() override;

protected:
  Window() = default;
  void CreateWindowOfClass(DWORD style, DWORD exStyle, HWND parent, Bounds bounds, const std::string& text = {});
  // Return a result to stop default processing.
  virtual std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
  static const wchar_t* RegisteredClass();
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  COLORREF color_ = GetSysColor(COLOR_BTNFACE);
  HFONT font_ = nullptr;
  HBRUSH brush_ = nullptr;
};

class Panel : public Window {
public:
  Panel(HWND parent, Bounds bounds, COLORREF color);
  std::function<void()> onClick;

protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Shows what escaped an event handler, as the platform's default error report
// does, and returns to the message loop.
void ReportError(const char* what);

// Runs a message handler so that no exception crosses into user32: what
// escapes is reported and the message counts as handled.
template <typename Handler>
std::optional<LRESULT> Guarded(Handler&& handler) {
  try {
    return handler();
  } catch (const std::exception& error) {
    ReportError(error.what());
  } catch (...) {
    ReportError("Unknown error");
  }
  return 0;
}

}  // namespace nx::gui
