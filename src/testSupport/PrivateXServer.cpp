#include "PrivateXServer.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

PrivateXServer::~PrivateXServer() {
    stop();
}

bool PrivateXServer::start(const QString& screen) {
    int fds[2];
    if (pipe(fds) != 0) {
        _error = QStringLiteral("pipe failed");
        return false;
    }
    const std::string fd = std::to_string(fds[1]);
    const std::string screenArg = screen.toStdString();
    _pid = fork();
    if (_pid == 0) {
        close(fds[0]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screenArg.c_str(), "-nolisten",
               "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (_pid < 0) {
        close(fds[0]);
        _error = QStringLiteral("fork failed");
        return false;
    }
    // Xvfb writes the display number and a newline once it accepts connections.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (number.find('\n') == std::string::npos) {
        if (poll(&p, 1, 60000) <= 0) { // Xvfb starts slowly on a loaded machine
            break;
        }
        char buf[16];
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n <= 0) {
            break;
        }
        number.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        _error = QStringLiteral("Xvfb did not report a display (is it installed?)");
        stop();
        return false;
    }
    _display = QStringLiteral(":") + QString::fromStdString(number).trimmed();
    setenv("DISPLAY", _display.toLocal8Bit().constData(), 1);
    return true;
}

void PrivateXServer::stop() {
    if (_pid > 0) {
        kill(_pid, SIGTERM);
        int status = 0;
        while (waitpid(_pid, &status, 0) < 0 && errno == EINTR) {
        }
        _pid = -1;
    }
}
