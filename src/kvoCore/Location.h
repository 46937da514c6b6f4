#pragma once

#include <QString>

namespace KvoCore {

// "file::function line: N", the prefix of every error text thrown by the program.
QString location(const char* file, const char* function, int line);

} // namespace KvoCore

// Location string of the call site; `function` is the qualified function name.
#define KVO_LOCATION(function) ::KvoCore::location(__FILE__, function, __LINE__)
