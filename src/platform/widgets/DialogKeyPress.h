// Esc and Enter as the keys that cancel and confirm a dialog wherever its
// focus is. A key pressed in a window of its own, such as an open
// drop-down list or menu, belongs to that window: Return picks the list's
// entry and Esc closes the list, leaving the dialog open.
#pragma once

class QDialog;
class QEvent;
class QObject;

enum class TDialogKey { None, Escape, Enter };

// Which of the two Event is for Dialog: a key press or shortcut override
// sent to Receiver, a widget of Dialog's own window.
TDialogKey DialogKeyOf(const QDialog& Dialog, const QObject* Receiver, const QEvent& Event);
