#pragma once
// The stand-in for the platform's class library: one small wrapper per
// control. A control owns its HWND; its parent window routes notifications to
// it through the pointer kept in GWLP_USERDATA.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace nx::gui {

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
};

class Control {
public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Handle() const { return hwnd_; }
  void SetBounds(Bounds bounds);
  Bounds GetBounds() const;  // in the parent's client coordinates
  void SetVisible(bool visible);
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetText(const std::string& text);
  std::string GetText() const;
  void SetFont(HFONT font);
  HFONT Font() const;
  // The pixel width of a text in this control's font.
  int TextWidth(const std::string& text) const;

  // Text colour for labels and check or radio buttons; nullopt = the system's.
  void SetTextColor(std::optional<COLORREF> color);
  std::optional<COLORREF> TextColor() const { return textColor_; }

  // Tool-tip text; whether it shows is the form's decision.
  std::string hint;
  bool showHint = false;

  // A notification (WM_COMMAND code) routed from the parent.
  virtual void OnCommand(WORD /*code*/) {}
  // Owner drawing routed from the parent (WM_DRAWITEM).
  virtual std::optional<LRESULT> OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return std::nullopt; }
  // A notification (WM_NOTIFY) routed from the parent; nullopt = not handled.
  virtual std::optional<LRESULT> OnNotify(NMHDR* /*header*/) { return std::nullopt; }
  // Background brush for a static child drawn on this control; nullptr = default.
  virtual HBRUSH BackgroundBrush() const { return nullptr; }

protected:
  Control() = default;
  // Creates the window and links it to this object.
  void Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, Bounds bounds,
              const std::string& text = {});
  HWND hwnd_ = nullptr;

private:
  std::optional<COLORREF> textColor_;
};

Control* ControlFromHandle(HWND hwnd);

class Label : public Control {
public:
  Label(HWND parent, Bounds bounds, const std::string& text, DWORD align = SS_LEFT);
  std::function<void()> onClick;
  void OnCommand(WORD code) override;
};

class Button : public Control {
public:
  Button(HWND parent, Bounds bounds, const std::string& caption);
  std::function<void()> onClick;
  void OnCommand(WORD code) override;
};

}  // namespace nx::gui
