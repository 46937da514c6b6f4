#pragma once

#include <QString>
#include <sys/types.h>

// A private X server for tests that draw: Xvfb picks a free display number itself (-displayfd), so
// tests never collide with each other or with a display other programs hold.
class PrivateXServer {
public:
    PrivateXServer() = default;
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;
    ~PrivateXServer();

    // Starts Xvfb and sets DISPLAY of this process to it; false with `error()` set when it fails.
    bool start(const QString& screen = QStringLiteral("1920x1080x24"));
    void stop();
    QString display() const { return _display; }
    QString error() const { return _error; }

private:
    pid_t _pid = -1;
    QString _display;
    QString _error;
};
