// The read-only text pane of a window that only shows lines: the error list, the clipboard.
#pragma once

class QPlainTextEdit;
class QWidget;

namespace kolvar {

// Fills the window with an unwrapped, read-only pane named "Inhalt" and returns it.
QPlainTextEdit* TextFlaecheAnlegen(QWidget* fenster);

}  // namespace kolvar
