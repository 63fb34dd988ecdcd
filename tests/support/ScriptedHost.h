#pragma once
// A section host without windows: answers come from queues, and what the
// section showed is recorded for the test to read.
#include <deque>
#include <string>
#include <vector>

#include "app/logic/SectionHost.h"

namespace nx::test {

class ScriptedHost : public SectionHost {
public:
  AppSettings settings;
  SectionResults results;
  std::optional<SectionCode> current;
  ResultRows rows;  // the list in view

  // Answers to ShowMsg, in order; 1 (the left button) once they run out.
  std::deque<int> messageAnswers;
  std::deque<ReadOnlyAnswer> readOnlyAnswers;  // No once they run out
  // Stop is pressed during the n-th message pump (1 = the first); 0 never.
  int stopAtPump = 0;

  std::vector<std::string> messages;           // "caption: text"
  std::vector<std::string> readOnlyQuestions;  // the texts asked
  std::vector<std::string> log;
  std::vector<std::string> status[2];  // every text each panel showed
  std::vector<std::string> states;     // "busy", "idle", "stop off", "stop on", "shown TF", "summary 2"
  int pumps = 0;
  bool idle = true, stop = false;
  ReadOnlyAnswer answer = ReadOnlyAnswer::None;

  // Rows rebuilt from the findings with these check marks, as a user leaves
  // them.
  void Show(SectionCode code);

  void SetIdle(bool value) override;
  void SetStopEnabled(bool enabled) override;
  bool StopFlag() const override { return stop; }
  void SetStopFlag(bool value) override { stop = value; }
  bool FullScanRunning() const override { return false; }
  void SetStatus(int panel, const std::string& text) override;
  void ProcessMessages() override;
  AppSettings& Settings() override { return settings; }
  void WriteLog(std::string_view text) override { log.emplace_back(text); }
  SectionResults& Results() override { return results; }
  std::optional<SectionCode> CurrentSection() const override { return current; }
  ResultRows Rows() const override { return rows; }
  void ShowSection(SectionCode code) override;
  void ShowSummary(int kind) override;
  int ShowMsg(const std::string& caption, const std::string& text, const std::string& leftCaption,
              const std::string& rightCaption, bool showLeft, bool showRight) override;
  std::string InputValue(const std::string& initial) override { return initial; }
  bool ConfirmDeletion(const std::string&, const std::vector<std::string>&, bool) override { return false; }
  void ResetReadOnlyAnswer() override { answer = ReadOnlyAnswer::None; }
  ReadOnlyAnswer LastReadOnlyAnswer() const override { return answer; }
  ReadOnlyAnswer AskReadOnly(const std::string& message) override;
};

}  // namespace nx::test
