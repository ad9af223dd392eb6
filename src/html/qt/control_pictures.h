#pragma once
// The viewer's own pictures of form controls that have no widget yet: drawn with the
// style the widgets use (frames, bevels, check marks, arrows, scroll bars) and the
// control's text, so that a picture and the widget it stands for look alike.

class QPainter;
class QWidget;

namespace tavra {

struct ControlState;

// Draws the control at its bounds; `surface` lends its style, palette and font.
void paintControlPicture(QPainter& painter, const ControlState& state, const QWidget& surface);

}  // namespace tavra
