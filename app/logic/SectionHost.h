#pragma once
// What a section operation may ask of the window it runs in. The main window
// implements it with real windows; tests script the answers and record the
// status bar.
#include <string>
#include <vector>

namespace nx {

class SectionHost {
public:
  virtual ~SectionHost() = default;

  // Busy (false) or idle (true): hourglass, Stop enabled only while busy.
  virtual void SetIdle(bool idle) = 0;
  virtual bool StopFlag() const = 0;
  virtual void SetStopFlag(bool stop) = 0;
  virtual bool FullScanRunning() const = 0;
  // Panel 0: the running operation's message; panel 1: the item at hand.
  virtual void SetStatus(int panel, const std::string& text) = 0;
  // Lets the window repaint and Stop be pressed during a long loop.
  virtual void ProcessMessages() = 0;

  // 1 left button, 2 right button, 0 closed otherwise.
  virtual int ShowMsg(const std::string& caption, const std::string& text, const std::string& leftCaption,
                      const std::string& rightCaption, bool showLeft, bool showRight) = 0;
  // The edited text, or the initial one when cancelled.
  virtual std::string InputValue(const std::string& initial) = 0;
  // True when the user agrees that the items must go before folderOrKey.
  virtual bool ConfirmDeletion(const std::string& folderOrKey, const std::vector<std::string>& items,
                               bool registryTexts) = 0;
};

}  // namespace nx
