#pragma once
// What a section operation may ask of the window it runs in. The main window
// implements it with real windows; tests script the answers and record the
// status bar.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/logic/ResultRows.h"
#include "app/logic/SectionCode.h"
#include "app/logic/SectionResults.h"
#include "services/AppSettings.h"

namespace nx {

// The answers of the read-only question; None until the first question of a
// Delete action.
enum class ReadOnlyAnswer { None = 0, Yes = 1, No = 2, YesToAll = 3, NoToAll = 4 };

class SectionHost {
public:
  virtual ~SectionHost() = default;

  // Busy (false) or idle (true): hourglass, Stop enabled only while busy.
  virtual void SetIdle(bool idle) = 0;
  // A deletion cannot be stopped, so it disables Stop within the busy state.
  virtual void SetStopEnabled(bool enabled) = 0;
  virtual bool StopFlag() const = 0;
  virtual void SetStopFlag(bool stop) = 0;
  virtual bool FullScanRunning() const = 0;
  // Panel 0: the running operation's message; panel 1: the item at hand.
  virtual void SetStatus(int panel, const std::string& text) = 0;
  // Lets the window repaint and Stop be pressed during a long loop.
  virtual void ProcessMessages() = 0;

  virtual AppSettings& Settings() = 0;
  // One line of the event log; the caller decides whether logging is on.
  virtual void WriteLog(std::string_view text) = 0;

  // The findings of every section, and the rows the list shows now.
  virtual SectionResults& Results() = 0;
  virtual std::optional<SectionCode> CurrentSection() const = 0;
  virtual ResultRows Rows() const = 0;
  // Columns and rows rebuilt from the section's lists, then its summary.
  virtual void ShowSection(SectionCode code) = 0;
  virtual void ShowSummary(int kind) = 0;

  // 1 left button, 2 right button, 0 closed otherwise.
  virtual int ShowMsg(const std::string& caption, const std::string& text, const std::string& leftCaption,
                      const std::string& rightCaption, bool showLeft, bool showRight) = 0;
  // The edited text, or the initial one when cancelled.
  virtual std::string InputValue(const std::string& initial) = 0;
  // True when the user agrees that the items must go before folderOrKey.
  virtual bool ConfirmDeletion(const std::string& folderOrKey, const std::vector<std::string>& items,
                               bool registryTexts) = 0;

  // The read-only question keeps its answer from one question to the next
  // until a Delete action resets it.
  virtual void ResetReadOnlyAnswer() = 0;
  virtual ReadOnlyAnswer LastReadOnlyAnswer() const = 0;
  virtual ReadOnlyAnswer AskReadOnly(const std::string& message) = 0;
};

// What a section does behind its four action buttons; an empty function does
// nothing. Select all / Select none are the window's own.
struct SectionOperations {
  std::array<std::function<void(SectionHost&)>, 4> actions;
};

}  // namespace nx
