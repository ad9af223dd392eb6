#pragma once
// Shows the program's message boxes with the toolkit's dialog.

namespace tavra {

// Installs the dialog as the message box handler; call once a QApplication exists.
void installMessageBoxDialog();

}  // namespace tavra
