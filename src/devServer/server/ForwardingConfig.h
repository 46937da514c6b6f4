#pragma once

#include <QString>

namespace KvoCore {
class SettingsSimple;
}

namespace DevServer {

// Where and how the server reaches the outside services: YouTube (uploads, token renewal, live
// streaming) and Telegram (linking an account by code, video messages). Read from the settings;
// tests point the addresses at local servers.
struct ForwardingConfig {
    // Writes the defaults of missing keys into `settings`, then reads them.
    static ForwardingConfig fromSettings(KvoCore::SettingsSimple& settings);

    QString youtubeUploadBase = QStringLiteral("https://www.googleapis.com/upload/youtube/v3");
    QString youtubeOauthBase = QStringLiteral("https://www.googleapis.com/oauth2/v4");
    QString youtubeClientId =
        QStringLiteral("418306725914-k3v9q2m7x1c8p5n0r6t4w2y7z9b3d1fh.apps.googleusercontent.com");
    QString youtubeClientSecret = QStringLiteral("Q7_hTr2pLx9-WmKc4ZdE8vNa");
    QString telegramBase = QStringLiteral("https://api.telegram.org");
    QString telegramBotToken;
    // Deliveries of one clip: attempts in all, and the wait before the second one (doubled after
    // every further failure, at most maxRetryDelayMs).
    int maxAttempts = 5;
    int retryDelayMs = 5000;
    int maxRetryDelayMs = 10 * 60 * 1000;
    int requestTimeoutMs = 60000;
    // Telegram linking: how long a code is valid, how soon a new one may be asked for, how many
    // wrong codes are taken before linking is locked, and for how long.
    int codeLifetimeSec = 60;
    int codeRequestIntervalSec = 60;
    int maxWrongCodes = 3;
    int lockSec = 3600;
    // The program that pushes a camera to a live channel over RTMP.
    QString ffmpeg = QStringLiteral("ffmpeg");
};

} // namespace DevServer
