// Two-step construction. C++ calls no override from a constructor, so a
// class whose descendants fill in steps of its setup (factories, lists)
// runs those steps in a virtual AfterConstruction, and its objects are made
// only through Construction::Create, which runs that step once the object is
// whole. A class whose AfterConstruction is not public declares
// `friend struct Construction;`.
#pragma once

#include <memory>
#include <utility>

struct Construction {
    // Makes a T (Base or a descendant) from Arguments and runs Base's
    // AfterConstruction; the object is freed when that step throws.
    template <class Base, class T = Base, class... Args>
    static std::unique_ptr<T> Create(Args&&... Arguments)
    {
        std::unique_ptr<T> object(new T(std::forward<Args>(Arguments)...));
        static_cast<Base&>(*object).AfterConstruction();
        return object;
    }
};
