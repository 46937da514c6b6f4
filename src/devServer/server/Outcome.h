#pragma once

#include "kvoCore/DTO.h"

#include <QList>
#include <QString>
#include <optional>

namespace DevServer {

// What handling one request produced; the server delivers it.
struct Outcome {
    QList<KvoCore::DTO> replies;    // to the asking client only, in order
    QList<KvoCore::DTO> broadcasts; // to every logged-in client, after the replies
    // Set by a successful log-in or sign-up: the session becomes this user.
    std::optional<qint64> loggedInUserId;
    QString loggedInSign;
    QString loggedInRole;
    bool shutdown = false; // stop the server once the replies are written
};

} // namespace DevServer
