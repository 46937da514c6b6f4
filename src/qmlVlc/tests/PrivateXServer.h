#pragma once

#include <QProcess>
#include <QString>

// An X server of the test's own (Xvfb on the display number it picks itself), stopped with the object.
class PrivateXServer {
public:
    explicit PrivateXServer(const QString& screen = QStringLiteral("1280x800x24"));
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":N", or empty when Xvfb did not start.
    const QString& display() const { return m_display; }

private:
    QProcess m_process;
    QString m_display;
};
