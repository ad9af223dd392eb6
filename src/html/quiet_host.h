#pragma once
// A host for documents nobody looks at: measuring, layout and painting in batch work
// (benchmarks, fuzzing). Its fonts are the ones given; its timers never fire; pictures
// come from files; every event and report is dropped.

#include <chrono>

#include "html/document_host.h"
#include "platform/fixed_canvas.h"

namespace tavra {

class QuietHost : public DocumentHost {
 public:
  explicit QuietHost(FontEngine& fonts = fixedFontEngine()) : fonts_(fonts) {}

  FontEngine& Fonts() override { return fonts_; }
  std::unique_ptr<Timer> CreateTimer() override { return std::make_unique<Timer>(); }
  std::int64_t ClockMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
  void InvalidateDocumentRect(const Rect&) override {}
  bool DeliversImages() override { return false; }
  void RequestImage(const std::string&, std::string*&) override {}
  std::string ExpandImageName(const std::string& name) override { return name; }
  void ReportProblem(const std::string&) override {}
  FormWidgetFactory* FormWidgets() override { return nullptr; }
  bool TakesSubmissions() override { return false; }
  void SubmitForm(FormSubmission) override {}
  void ControlClicked(TFormControlObj&, const std::string&) override {}
  void ControlFocused(InlineControl&) override {}
  void BackgroundChanged() override {}
  void BlockDropped(const TSectionBase&) override {}
  void Meta(const std::string&, const std::string&, const std::string&) override {}
  void Sound(const std::string&, int, bool) override {}
  bool TakesScripts() override { return false; }
  void Script(const std::string&, std::string) override {}
  bool TakesIncludes() override { return false; }
  void Include(const std::string&, std::vector<std::string>&, const char*&, int&) override {}

 private:
  FontEngine& fonts_;
};

}  // namespace tavra
