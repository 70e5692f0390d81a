#include "ExceptionHandler.h"

#include "Dialogs.h"
#include "SysUtils.h"

#include <exception>
#include <iostream>

namespace {

std::string MessageOf(const std::exception_ptr& Error)
{
    try {
        std::rethrow_exception(Error);
    } catch (const Exception& E) {
        return E.Message();
    } catch (const std::exception& E) {
        return E.what();
    } catch (...) {
        return "予期しないエラーが発生しました。";
    }
}

// Whether the box for an exception is open.
bool Showing = false;

class TShowing {
public:
    TShowing() { Showing = true; }
    ~TShowing() { Showing = false; }
    TShowing(const TShowing&) = delete;
    TShowing& operator=(const TShowing&) = delete;
};

} // namespace

void HandleException() noexcept
{
    const std::exception_ptr error = std::current_exception();
    if (!error)
        return;
    try {
        const std::string message = MessageOf(error);
        if (Showing) {
            std::cerr << "velk: " << message << std::endl;
            return;
        }
        const TShowing showing;
        MessageDlg(message, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    } catch (...) {
        std::cerr << "velk: an error occurred while reporting an error" << std::endl;
    }
}
