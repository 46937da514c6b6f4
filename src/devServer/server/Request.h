#pragma once

#include "kvoCore/DTO.h"

#include <QString>

namespace DevServer {

// One request of a client, split at the "FN" underscore, with who asked.
struct Request {
    QString group;
    QString action;
    KvoCore::DTO dto;
    qint64 userId = 0; // 0 until the session has logged in
    QString sign;
};

} // namespace DevServer
