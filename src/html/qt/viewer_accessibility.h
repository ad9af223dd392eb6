#pragma once
// The viewer as assistive technology sees it: a document with a name (its title), a text
// interface over the document's reading text, its links as children with a press action
// and its form controls as they are; and the events that tell of changes.

#include <QString>

namespace tavra {

class ThtmlViewer;

// Lets Qt make the viewer's interface; the first viewer installs it.
void installViewerAccessibility();

// A new document (or none) now shows; `oldText` is the reading text before it.
void announceDocumentChanged(ThtmlViewer* viewer, const QString& oldText);
// The keyboard reached a link of the document (its focus stop).
void announceFocusStop(ThtmlViewer* viewer);
// The caret or the selection moved (offsets in the reading text).
void announceSelection(ThtmlViewer* viewer, int caret, int selectionStart, int selectionEnd);

}  // namespace tavra
