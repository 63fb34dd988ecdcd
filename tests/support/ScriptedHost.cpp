#include "tests/support/ScriptedHost.h"

#include "app/logic/SectionCode.h"

namespace nx::test {

void ScriptedHost::Show(SectionCode code) {
  current = code;
  rows = BuildRows(code, results);
}

void ScriptedHost::SetIdle(bool value) {
  idle = value;
  states.push_back(value ? "idle" : "busy");
}

void ScriptedHost::SetStopEnabled(bool enabled) {
  states.push_back(enabled ? "stop on" : "stop off");
}

void ScriptedHost::SetStatus(int panel, const std::string& text) {
  status[panel].push_back(text);
}

void ScriptedHost::ProcessMessages() {
  if (++pumps == stopAtPump) stop = true;
}

void ScriptedHost::ShowSection(SectionCode code) {
  rows = BuildRows(code, results);
  states.push_back("shown " + std::string(CodeText(code)));
}

void ScriptedHost::ShowSummary(int kind) {
  states.push_back("summary " + std::to_string(kind));
}

int ScriptedHost::ShowMsg(const std::string& caption, const std::string& text, const std::string&, const std::string&,
                          bool, bool) {
  messages.push_back(caption + ": " + text);
  if (messageAnswers.empty()) return 1;
  int next = messageAnswers.front();
  messageAnswers.pop_front();
  return next;
}

ReadOnlyAnswer ScriptedHost::AskReadOnly(const std::string& message) {
  readOnlyQuestions.push_back(message);
  answer = ReadOnlyAnswer::No;
  if (!readOnlyAnswers.empty()) {
    answer = readOnlyAnswers.front();
    readOnlyAnswers.pop_front();
  }
  return answer;
}

}  // namespace nx::test
