#pragma once
// A document host for tests: fixed-metrics fonts, timers that fire only when a test says
// so, a clock the test sets, and a record of everything the engine asks of its host.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "html/document_host.h"
#include "platform/fixed_canvas.h"

namespace tavra::testing {

// A timer that counts every change of its interval or state: a paint must make none.
class CountingTimer : public Timer {
 public:
  int Changes = 0;

 protected:
  void changed() override { ++Changes; }
};

class RecordingHost : public DocumentHost {
 public:
  // --- what the test sets
  std::int64_t Now = 1000;
  FormWidgetFactory* Widgets = nullptr;
  std::function<void(const std::string& source, std::string*& stream)> OnImageRequest;
  std::function<void(const FormSubmission&)> OnSubmit;
  std::function<void(TFormControlObj& control, const std::string& onClickText)> OnControlClick;
  std::function<void(const std::string& httpEquiv, const std::string& name, const std::string& content)> OnMeta;
  std::function<void(const std::string& source, int loop, bool terminate)> OnSound;
  std::function<void(const std::string& language, const std::string& script)> OnScript;
  std::function<void(const std::string& command, std::vector<std::string>& params, const char*& buffer, int& size)>
      OnInclude;

  // --- what the engine did
  std::vector<Rect> Invalidated;
  std::vector<std::string> Problems;
  std::vector<std::string> Clicks;  // ONCLICK texts
  std::vector<InlineControl*> Focused;
  std::vector<const TSectionBase*> Dropped;  // gone once layout ends: compare, never follow
  std::function<void(const TSectionBase& block)> OnBlockDropped;
  std::vector<CountingTimer*> Timers;
  int BackgroundChanges = 0;

  FontEngine& Fonts() override { return fixedFontEngine(); }
  std::unique_ptr<Timer> CreateTimer() override {
    auto timer = std::make_unique<CountingTimer>();
    Timers.push_back(timer.get());
    return timer;
  }
  std::int64_t ClockMs() override { return Now; }
  void InvalidateDocumentRect(const Rect& rect) override { Invalidated.push_back(rect); }
  bool DeliversImages() override { return static_cast<bool>(OnImageRequest); }
  void RequestImage(const std::string& source, std::string*& stream) override {
    if (OnImageRequest) OnImageRequest(source, stream);
  }
  std::string ExpandImageName(const std::string& name) override { return name; }
  void ReportProblem(const std::string& text) override { Problems.push_back(text); }
  FormWidgetFactory* FormWidgets() override { return Widgets; }
  bool TakesSubmissions() override { return static_cast<bool>(OnSubmit); }
  void SubmitForm(FormSubmission submission) override {
    if (OnSubmit) OnSubmit(submission);
  }
  void ControlClicked(TFormControlObj& control, const std::string& onClickText) override {
    Clicks.push_back(onClickText);
    if (OnControlClick) OnControlClick(control, onClickText);
  }
  void ControlFocused(InlineControl& control) override { Focused.push_back(&control); }
  void BackgroundChanged() override { ++BackgroundChanges; }
  void BlockDropped(const TSectionBase& block) override {
    Dropped.push_back(&block);
    if (OnBlockDropped) OnBlockDropped(block);
  }
  void Meta(const std::string& httpEquiv, const std::string& name, const std::string& content) override {
    if (OnMeta) OnMeta(httpEquiv, name, content);
  }
  void Sound(const std::string& source, int loop, bool terminate) override {
    if (OnSound) OnSound(source, loop, terminate);
  }
  bool TakesScripts() override { return static_cast<bool>(OnScript); }
  void Script(const std::string& language, std::string script) override {
    if (OnScript) OnScript(language, script);
  }
  bool TakesIncludes() override { return static_cast<bool>(OnInclude); }
  void Include(const std::string& command, std::vector<std::string>& params, const char*& buffer,
               int& size) override {
    if (OnInclude) OnInclude(command, params, buffer, size);
  }
};

}  // namespace tavra::testing
