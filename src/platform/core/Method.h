// A notify handler that can be compared, so that a list of handlers can
// remove one again: the pair (object, member function), like a method
// pointer. std::function cannot be compared; this can.
//
//   TMethod handler = MakeMethod<&TEditor::ViewChanged>(editor);
#pragma once

#include "Classes.h"

struct TMethod {
    void* Data = nullptr;
    void (*Code)(void* Data, TObject* Sender) = nullptr;

    explicit operator bool() const { return Code != nullptr; }
    void operator()(TObject* Sender) const { Code(Data, Sender); }
    bool operator==(const TMethod&) const = default;
};

template <auto Member, class C>
TMethod MakeMethod(C* Object)
{
    return TMethod{Object, [](void* Data, TObject* Sender) { (static_cast<C*>(Data)->*Member)(Sender); }};
}
