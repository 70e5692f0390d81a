// Reconversion of text the editor already holds through the input method.
//
// No interface on this platform hands a string to the input method for
// reconversion. What an input method can do is read the focused window's
// selection and surrounding text through its input-method queries and
// reconvert that on its own reconversion key; so the editor's part is to
// have it read them again.
#pragma once

class QWidget;

// Asks the input method to query Window again (its selection, surrounding
// text and cursor rectangle); nothing unless Window has the focus, since
// the input method serves only the focused window.
void SetReconvertString(QWidget* Window);
