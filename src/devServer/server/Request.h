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
    QString role;              // "admin" or "operator" once logged in
    quint64 sessionNumber = 0; // who to answer later (pushes, streams bound to the session)
    QString peerHost;          // the client's address, where its RTP streams go
};

} // namespace DevServer
