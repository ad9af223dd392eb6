#pragma once
// Everything the engine takes from whoever shows a document: fonts, time, repainting,
// pictures, reports for the user, form widgets and submissions, and the events of a
// parse. A document names its host when it is made and reaches the world through it
// alone; every service is pure virtual, so a host that forgets one does not compile.
// The shared picture cache is process-wide by nature and reached through ImageCache().

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/timer.h"

namespace tavra {

class FormWidgetFactory;
class InlineControl;
class TFormControlObj;
class TSectionBase;

// A form's submission: the form's attributes and its name=value entries, the entries in
// the document's character set as a server of the page expects them.
struct FormSubmission {
  std::string Action;
  std::string Target;
  std::string EncType;
  std::string Method;
  std::vector<std::string> Results;
};

class DocumentHost {
 public:
  virtual ~DocumentHost() = default;

  // --- fonts and measuring: every font of the document's text is made here.
  virtual FontEngine& Fonts() = 0;

  // --- time
  // A repeating timer of the user-interface thread (the document's animation timer).
  virtual std::unique_ptr<Timer> CreateTimer() = 0;
  // Milliseconds of a steady clock, for animation timing.
  virtual std::int64_t ClockMs() = 0;

  // --- repainting
  // What lies in `rect` has changed: document coordinates, x from the document's left
  // edge, y from its top, as layout placed it. The host repaints what of it is visible.
  virtual void InvalidateDocumentRect(const Rect& rect) = 0;

  // --- pictures
  // True when the host delivers pictures itself through RequestImage; otherwise a
  // picture's source is a file name, made whole by ExpandImageName.
  virtual bool DeliversImages() = 0;
  // Sets `stream` to the picture's bytes (the host keeps them), to &PendingImageStream()
  // when they come later, or leaves it null.
  virtual void RequestImage(const std::string& source, std::string*& stream) = 0;
  virtual std::string ExpandImageName(const std::string& name) = 0;

  // --- the user
  // A problem the user should hear of, such as a block that could not be laid out.
  virtual void ReportProblem(const std::string& text) = 0;

  // --- form controls
  // Where controls get their windows; null: controls get none and take no room.
  virtual FormWidgetFactory* FormWidgets() = 0;
  // Whether anybody receives submissions: without a receiver none is composed.
  virtual bool TakesSubmissions() = 0;
  virtual void SubmitForm(FormSubmission submission) = 0;
  // A button, check box or radio button was clicked; its ONCLICK text.
  virtual void ControlClicked(TFormControlObj& control, const std::string& onClickText) = 0;
  // A control's window took the keyboard focus.
  virtual void ControlFocused(InlineControl& control) = 0;

  // --- the document
  virtual void BackgroundChanged() = 0;
  // A block whose layout failed is about to leave the document.
  virtual void BlockDropped(const TSectionBase& block) = 0;

  // --- events of a parse
  virtual void Meta(const std::string& httpEquiv, const std::string& name, const std::string& content) = 0;
  virtual void Sound(const std::string& source, int loop, bool terminate) = 0;
  // Whether the host takes script texts; otherwise SCRIPT contents are passed over.
  virtual bool TakesScripts() = 0;
  virtual void Script(const std::string& language, std::string script) = 0;
  // Whether the host reads include directives; otherwise they are plain comments.
  virtual bool TakesIncludes() = 0;
  // An include directive `<!--#command name="value" ... -->`; `params` holds one line
  // per attribute, NAME="value". To insert text in its place the host points `buffer`
  // at it and sets `size`; the text is copied at once, so the buffer stays the host's.
  virtual void Include(const std::string& command, std::vector<std::string>& params, const char*& buffer,
                       int& size) = 0;
};

}  // namespace tavra
