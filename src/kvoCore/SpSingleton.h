#pragma once

#include "Location.h"
#include "SharedPointerEx.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <typeinfo>

// One lazily created, never replaced, process-wide object per type. The first call creates it with
// the given arguments; later calls ignore theirs. Not locked: first use happens on the GUI thread
// during start-up.
template <class T>
class SpSingleton {
public:
    template <class... Args>
    static T* instance(Args&&... args) {
        SharedPointerEx<T>& held = storage();
        if (held.isNull()) {
            if constexpr (std::is_constructible_v<T, Args&&...>) {
                held = SharedPointerEx<T>(new T(std::forward<Args>(args)...));
            }
        }
        if (held.isNull()) {
            throw std::runtime_error(
                QStringLiteral("'%1', descriptions: '%2'.")
                    .arg(::KvoCore::location(__FILE__, functionName().toUtf8().constData(), __LINE__),
                         QStringLiteral("ERROR_DESCRIPTIONS"))
                    .toStdString());
        }
        return held.data();
    }

    static SharedPointerEx<T> sharedInstance() { return storage(); }

private:
    static SharedPointerEx<T>& storage() {
        static SharedPointerEx<T> held;
        return held;
    }

    static QString functionName() {
        int status = 0;
        char* demangled = abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status);
        const QString name = QString::fromUtf8(status == 0 && demangled ? demangled : typeid(T).name());
        std::free(demangled);
        return QStringLiteral("SpSingleton<class %1>::instance").arg(name);
    }
};
