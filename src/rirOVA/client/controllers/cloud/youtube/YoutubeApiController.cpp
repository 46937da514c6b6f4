#include "YoutubeApiController.h"

#include "kvoCore/Location.h"
#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"
#include "kvoCore/Utils.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>
#include <spdlog/spdlog.h>

namespace ClientController {

const QString YoutubeApiController::kDefaultApiBase = QStringLiteral("https://www.googleapis.com/youtube/v3");
const QString YoutubeApiController::kDefaultOauthBase =
    QStringLiteral("https://www.googleapis.com/oauth2/v4");
const QString YoutubeApiController::kClientId =
    QStringLiteral("418306725914-k3v9q2m7x1c8p5n0r6t4w2y7z9b3d1fh.apps.googleusercontent.com");
const QString YoutubeApiController::kClientSecret = QStringLiteral("Q7_hTr2pLx9-WmKc4ZdE8vNa");

namespace {

const QString kStatus = QStringLiteral("status");
const QString kResult = QStringLiteral("result");
const QString kErrorMessage = QStringLiteral("errorMessage");
const QString kAccessToken = QStringLiteral("access_token");
const QString kRefreshToken = QStringLiteral("refresh_token");
const QString kPart = QStringLiteral("part");

std::shared_ptr<spdlog::logger> mainLogger() {
    auto found = spdlog::get("main");
    return found ? found : spdlog::default_logger();
}

// An override from the settings when it is an http(s) address; the default otherwise.
QString baseAddress(const char* key, const QString& fallback) {
    const SharedPointerEx<KvoCore::SettingsSimple> settings =
        SpSingleton<KvoCore::SettingsSimple>::sharedInstance();
    if (settings.isNull()) {
        return fallback;
    }
    const QString value = settings->value(QString::fromLatin1(key)).toString().trimmed();
    if (value.isEmpty()) {
        return fallback;
    }
    const QUrl url(value, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")) ||
        url.host().isEmpty()) {
        mainLogger()->warn("{}, setting '{}' = '{}' is no http(s) address; '{}' is used",
                           KVO_LOCATION("ClientController::YoutubeApiController").toStdString(), key,
                           value.toStdString(), fallback.toStdString());
        return fallback;
    }
    // The paths begin with "/".
    return value.endsWith(QLatin1Char('/')) ? value.chopped(1) : value;
}

// A value placed in a query or a form body: "&", "=", "+", "#" and the like must not change its
// meaning. The characters of real tokens and client ids ([A-Za-z0-9._~/-]) stay as they are.
QString queryValue(const QJsonValue& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value.toString(), QByteArrayLiteral("/")));
}

} // namespace

QString YoutubeApiController::addressSetting(const char* key, const QString& fallback) {
    return baseAddress(key, fallback);
}

YoutubeApiController::YoutubeApiController(QQuickItem* parent)
    : ControllerDesktopBase(parent), _manager(std::make_unique<QNetworkAccessManager>()),
      _apiBase(baseAddress("youtube/apiBase", kDefaultApiBase)),
      _oauthBase(baseAddress("youtube/oauthBase", kDefaultOauthBase)) {}

YoutubeApiController::~YoutubeApiController() = default;

QJsonObject YoutubeApiController::channelListRequest(const QJsonObject& mapParams, int amountTry) {
    QJsonObject result;
    try {
        const QPointer<YoutubeApiController> self(this);
        for (int n = amountTry;; --n) {
            result = channelListSimpleRequest(mapParams);
            if (result.value(kStatus).toBool() || n < 2 || !self) {
                return result;
            }
            const QJsonObject renewal =
                refreshAccessTokenRequest(QJsonObject{{kRefreshToken, mapParams.value(kRefreshToken)},
                                                      {QStringLiteral("client_id"), kClientId},
                                                      {QStringLiteral("client_secret"), kClientSecret}},
                                          1);
            if (!self) {
                return result;
            }
            if (!renewal.value(kStatus).toBool()) {
                continue;
            }
            // The renewed token serves this one request; the caller keeps its stored tokens.
            QJsonObject renewed{{kAccessToken, renewal.value(kResult).toObject().value(kAccessToken)},
                                {kPart, mapParams.value(kPart)}};
            KvoCore::Utils::attachInnerFileds(mapParams, renewed);
            const QJsonObject second = channelListSimpleRequest(renewed);
            if (second.value(kStatus).toBool() || !self) {
                return second;
            }
        }
    } catch (const std::exception& e) {
        logStdException(KVO_LOCATION("ClientController::YoutubeApiController::channelListRequest"), e);
    } catch (...) {
        logUnknownException(KVO_LOCATION("ClientController::YoutubeApiController::channelListRequest"));
    }
    return result;
}

QJsonObject YoutubeApiController::channelListSimpleRequest(const QJsonObject& mapParams) {
    QJsonObject result;
    try {
        KvoCore::Utils::attachInnerFileds(mapParams, result);
        const QString path = QStringLiteral("/channels?access_token=%1&part=%2&mine=%3")
                                 .arg(queryValue(mapParams.value(kAccessToken)),
                                      queryValue(mapParams.value(kPart)), QStringLiteral("true"));
        const Outcome outcome = waitFor(_manager->get(request(_apiBase, path)));
        if (outcome.controllerGone) {
            return controllerGoneResult(mapParams);
        }
        if (outcome.error != QNetworkReply::NoError) {
            return networkErrorResult(mapParams, outcome);
        }
        const QJsonDocument document = QJsonDocument::fromJson(outcome.body);
        if (document.isObject()) {
            const QJsonObject reply = document.object();
            result.insert(kResult, reply);
            if (reply.contains(QStringLiteral("error"))) {
                result.insert(kStatus, false);
                result.insert(kErrorMessage, tr("Youtube API response contains error"));
            } else {
                result.insert(kStatus, true);
            }
        } else {
            result.insert(kStatus, false);
            result.insert(kErrorMessage, tr("Youtube respond with failed format"));
        }
    } catch (const std::exception& e) {
        logStdException(KVO_LOCATION("ClientController::YoutubeApiController::channelListSimpleRequest"), e);
    } catch (...) {
        logUnknownException(KVO_LOCATION("ClientController::YoutubeApiController::channelListSimpleRequest"));
    }
    return result;
}

QJsonObject YoutubeApiController::refreshAccessTokenRequest(const QJsonObject& mapParams, int amountTry) {
    QJsonObject result;
    try {
        QNetworkRequest post = request(_oauthBase, QStringLiteral("/token"));
        post.setHeader(QNetworkRequest::ContentTypeHeader,
                       QStringLiteral("application/x-www-form-urlencoded"));
        const QByteArray body =
            QStringLiteral("client_id=%1&client_secret=%2&refresh_token=%3&grant_type=refresh_token")
                .arg(queryValue(mapParams.value(QStringLiteral("client_id"))),
                     queryValue(mapParams.value(QStringLiteral("client_secret"))),
                     queryValue(mapParams.value(kRefreshToken)))
                .toUtf8();
        for (int n = amountTry;; --n) {
            const Outcome outcome = waitFor(_manager->post(post, body));
            if (outcome.controllerGone) {
                return controllerGoneResult(mapParams);
            }
            if (outcome.error != QNetworkReply::NoError) {
                if (n < 2) {
                    return networkErrorResult(mapParams, outcome);
                }
                continue;
            }
            KvoCore::Utils::attachInnerFileds(mapParams, result);
            const QJsonDocument document = QJsonDocument::fromJson(outcome.body);
            if (!document.isObject()) {
                result.insert(kStatus, false);
                result.insert(kErrorMessage, tr("Youtube respond with failed format"));
                return result;
            }
            const QJsonObject reply = document.object();
            result.insert(kResult, reply);
            // A reply without a token (the provider's error object) is no renewal: reporting it as a
            // success would send the next request with an empty token.
            const QJsonValue token = reply.value(kAccessToken);
            if (reply.contains(QStringLiteral("error")) || !token.isString() || token.toString().isEmpty()) {
                result.insert(kStatus, false);
                result.insert(kErrorMessage, tr("Youtube API response contains error"));
            } else {
                result.insert(kStatus, true);
            }
            return result;
        }
    } catch (const std::exception& e) {
        logStdException(KVO_LOCATION("ClientController::YoutubeApiController::refreshAccessTokenRequest"), e);
    } catch (...) {
        logUnknownException(
            KVO_LOCATION("ClientController::YoutubeApiController::refreshAccessTokenRequest"));
    }
    return result;
}

QNetworkRequest YoutubeApiController::request(const QString& base, const QString& path) const {
    QNetworkRequest request(QUrl(QStringLiteral("%1%2").arg(base, path)));
    request.setTransferTimeout(_transferTimeoutMs);
    return request;
}

YoutubeApiController::Outcome YoutubeApiController::waitFor(QNetworkReply* reply) {
    Outcome outcome;
    const QPointer<YoutubeApiController> self(this);
    const QPointer<QNetworkReply> guard(reply);
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // Destroying the controller destroys the manager and with it the pending reply, which then never
    // finishes.
    connect(reply, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec();
    }
    if (!self || !guard) {
        outcome.controllerGone = true;
        return outcome;
    }
    outcome.error = int(reply->error());
    outcome.errorString = reply->errorString();
    outcome.body = reply->readAll();
    reply->deleteLater();
    return outcome;
}

QJsonObject YoutubeApiController::networkErrorResult(const QJsonObject& mapParams, const Outcome& outcome) {
    QJsonObject result{{kStatus, false}};
    KvoCore::Utils::attachInnerFileds(mapParams, result);
    result.insert(kErrorMessage, QStringLiteral("Netowrk error code '%1', description: '%2'")
                                     .arg(QString::number(outcome.error), outcome.errorString));
    result.insert(kResult, QJsonObject{{QStringLiteral("code"), outcome.error}});
    return result;
}

QJsonObject YoutubeApiController::controllerGoneResult(const QJsonObject& mapParams) {
    QJsonObject result{{kStatus, false}};
    KvoCore::Utils::attachInnerFileds(mapParams, result);
    result.insert(kErrorMessage, tr("Request cancelled"));
    return result;
}

void YoutubeApiController::logStdException(const QString& location, const std::exception& e) const {
    mainLogger()->error("{} exception, {}, description: '{}'.", location.toStdString(), "", e.what());
}

void YoutubeApiController::logUnknownException(const QString& location) const {
    mainLogger()->error("{} UNDEFINED exception, {}.", location.toStdString(), "");
}

} // namespace ClientController
