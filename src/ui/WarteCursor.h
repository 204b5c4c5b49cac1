#pragma once
// The wait cursor for the length of a scope, also when it ends with an
// exception.
#include <QGuiApplication>

namespace zeva {

class WarteCursor {
public:
    WarteCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WarteCursor() { QGuiApplication::restoreOverrideCursor(); }
    WarteCursor(const WarteCursor&) = delete;
    WarteCursor& operator=(const WarteCursor&) = delete;
};

} // namespace zeva
