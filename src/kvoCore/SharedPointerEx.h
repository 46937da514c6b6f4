#pragma once

#include <QSharedPointer>
#include <QString>
#include <stdexcept>

// A QSharedPointer whose data() and -> throw instead of handing out null.
template <class T>
class SharedPointerEx : public QSharedPointer<T> {
public:
    using QSharedPointer<T>::QSharedPointer;
    SharedPointerEx() = default;
    SharedPointerEx(const QSharedPointer<T>& other) : QSharedPointer<T>(other) {}

    T* data() const {
        T* ptr = QSharedPointer<T>::data();
        if (!ptr) {
            throw std::runtime_error(nullError("SharedPointerEx: inline T * data() const", __LINE__));
        }
        return ptr;
    }

    T* operator->() const {
        T* ptr = QSharedPointer<T>::data();
        if (!ptr) {
            throw std::runtime_error(
                nullError("SharedPointerEx: inline T *QSharedPointer::operator->() const", __LINE__));
        }
        return ptr;
    }

private:
    static std::string nullError(const char* where, int line) {
        return QStringLiteral("'%1', line: '%2' descriptions: '%3'.")
            .arg(QString::fromLatin1(where))
            .arg(line)
            .arg(QStringLiteral("Pointer is null!"))
            .toStdString();
    }
};
