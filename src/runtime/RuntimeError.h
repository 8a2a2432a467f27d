#pragma once

#include <stdexcept>

// The two runtime errors that services may raise to their callers. Every
// window procedure and callback catches them (see Boundary.h).
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const char* description) : std::runtime_error(description), number_(number) {}
    [[nodiscard]] int Number() const noexcept { return number_; }

private:
    int number_;
};

class OverflowError : public RuntimeError {
public:
    OverflowError() : RuntimeError(6, "Overflow") {}
};

class TypeMismatchError : public RuntimeError {
public:
    TypeMismatchError() : RuntimeError(13, "Type mismatch") {}
};
