// Exceptions and small formatting helpers shared by every layer.
#pragma once

#include <stdexcept>
#include <string>
#include <typeinfo>

// The base of every exception the program raises. The message is the text
// the user sees: Japanese messages are UTF-8 literals, as are captions.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& Message) : std::runtime_error(Message) {}
    std::string Message() const { return what(); }
};

// An index outside a list ("List index out of bounds (5)").
class EListError : public Exception {
public:
    using Exception::Exception;
};

// Assign between objects that cannot take each other's values.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// A file that could not be opened, read or written.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

class EFCreateError : public Exception {
public:
    using Exception::Exception;
};

// printf-style formatting into a std::string.
std::string Format(const char* Fmt, ...) __attribute__((format(printf, 1, 2)));

// The value of a hexadecimal digit, or -1 for any other byte.
constexpr int HexDigitValue(unsigned char C)
{
    if (C >= '0' && C <= '9')
        return C - '0';
    if (C >= 'a' && C <= 'f')
        return C - 'a' + 10;
    if (C >= 'A' && C <= 'F')
        return C - 'A' + 10;
    return -1;
}

// Raises EListError for Index, in the wording every list uses.
[[noreturn]] void RaiseListIndexError(int Index);

// The unqualified, demangled class name of an object, for messages.
std::string ClassNameOf(const std::type_info& Type);
