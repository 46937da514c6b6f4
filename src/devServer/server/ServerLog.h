#pragma once

#include <memory>
#include <spdlog/spdlog.h>

namespace DevServer {

// The "main" log of the program, or spdlog's default one before it exists.
inline std::shared_ptr<spdlog::logger> serverLog() {
    auto logger = spdlog::get("main");
    return logger ? logger : spdlog::default_logger();
}

} // namespace DevServer
