#include "SysUtils.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

std::string Format(const char* Fmt, ...)
{
    va_list args;
    va_start(args, Fmt);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, Fmt, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        result.resize(static_cast<size_t>(length));
        std::vsnprintf(result.data(), result.size() + 1, Fmt, args);
    }
    va_end(args);
    return result;
}

void RaiseListIndexError(int Index) { throw EListError(Format("List index out of bounds (%d)", Index)); }

std::string ClassNameOf(const std::type_info& Type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(Type.name(), nullptr, nullptr, &status),
                                                     std::free);
    std::string name = status == 0 && demangled ? demangled.get() : Type.name();
    const size_t scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}
