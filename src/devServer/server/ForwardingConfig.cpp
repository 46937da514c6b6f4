#include "ForwardingConfig.h"

#include "kvoCore/SettingsSimple.h"

namespace DevServer {

ForwardingConfig ForwardingConfig::fromSettings(KvoCore::SettingsSimple& settings) {
    ForwardingConfig config;
    settings.initSettingParams({
        {QStringLiteral("forwarding/youtubeUploadBase"), config.youtubeUploadBase},
        {QStringLiteral("forwarding/youtubeOauthBase"), config.youtubeOauthBase},
        {QStringLiteral("forwarding/youtubeClientId"), config.youtubeClientId},
        {QStringLiteral("forwarding/youtubeClientSecret"), config.youtubeClientSecret},
        {QStringLiteral("forwarding/telegramBase"), config.telegramBase},
        {QStringLiteral("forwarding/telegramBotToken"), config.telegramBotToken},
        {QStringLiteral("forwarding/maxAttempts"), config.maxAttempts},
        {QStringLiteral("forwarding/retryDelayMs"), config.retryDelayMs},
        {QStringLiteral("forwarding/maxRetryDelayMs"), config.maxRetryDelayMs},
        {QStringLiteral("forwarding/requestTimeoutMs"), config.requestTimeoutMs},
        {QStringLiteral("forwarding/ffmpeg"), config.ffmpeg},
        {QStringLiteral("telegram/codeLifetimeSec"), config.codeLifetimeSec},
        {QStringLiteral("telegram/codeRequestIntervalSec"), config.codeRequestIntervalSec},
        {QStringLiteral("telegram/maxWrongCodes"), config.maxWrongCodes},
        {QStringLiteral("telegram/lockSec"), config.lockSec},
    });
    const auto text = [&settings](const char* key) {
        QString value = settings.value(QLatin1String(key)).toString().trimmed();
        return value.endsWith(QLatin1Char('/')) ? value.chopped(1) : value;
    };
    const auto number = [&settings](const char* key, int fallback, int minimum) {
        bool ok = false;
        const int value = settings.value(QLatin1String(key)).toInt(&ok);
        return ok && value >= minimum ? value : fallback;
    };
    config.youtubeUploadBase = text("forwarding/youtubeUploadBase");
    config.youtubeOauthBase = text("forwarding/youtubeOauthBase");
    config.youtubeClientId = text("forwarding/youtubeClientId");
    config.youtubeClientSecret = text("forwarding/youtubeClientSecret");
    config.telegramBase = text("forwarding/telegramBase");
    config.telegramBotToken = text("forwarding/telegramBotToken");
    config.ffmpeg = text("forwarding/ffmpeg");
    config.maxAttempts = number("forwarding/maxAttempts", config.maxAttempts, 1);
    config.retryDelayMs = number("forwarding/retryDelayMs", config.retryDelayMs, 0);
    config.maxRetryDelayMs = number("forwarding/maxRetryDelayMs", config.maxRetryDelayMs, 0);
    config.requestTimeoutMs = number("forwarding/requestTimeoutMs", config.requestTimeoutMs, 100);
    config.codeLifetimeSec = number("telegram/codeLifetimeSec", config.codeLifetimeSec, 1);
    config.codeRequestIntervalSec =
        number("telegram/codeRequestIntervalSec", config.codeRequestIntervalSec, 0);
    config.maxWrongCodes = number("telegram/maxWrongCodes", config.maxWrongCodes, 1);
    config.lockSec = number("telegram/lockSec", config.lockSec, 0);
    return config;
}

} // namespace DevServer
