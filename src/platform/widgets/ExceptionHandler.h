// The one place an exception that nothing else handled ends: its message
// is shown in an error box through the dialog hook and the program goes on.
//
// The program's event handlers run their bodies in CatchExceptions, so an
// exception ends here before it reaches Qt's own code. TApplication's
// notify is the net under everything else: an exception it catches has
// unwound through Qt's event delivery, which is built without exception
// support and so skips its clean-up on the way (a few bytes leak, and
// state Qt keeps for the event may not be reset).
#pragma once

#include <utility>

// Shows the message of the exception being handled; call it inside a
// catch block (outside one it does nothing). An Exception or a standard
// exception shows its own message; anything else a general one. While the
// box for one exception is open, another (say, from every repaint behind
// it) is only written to the standard error stream, so that boxes never
// pile up.
void HandleException() noexcept;

// Runs Handler; an exception it throws goes to HandleException. Returns
// whether Handler finished without one.
//   void TEditor::keyPressEvent(QKeyEvent* Event) { CatchExceptions([&] { KeyDown(*Event); }); }
template <typename THandler>
bool CatchExceptions(THandler&& Handler) noexcept
{
    try {
        std::forward<THandler>(Handler)();
        return true;
    } catch (...) {
        HandleException();
        return false;
    }
}
