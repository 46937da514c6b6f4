#include "FakeOAuthProvider.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUrlQuery>

namespace {

QUrlQuery queryOf(const HttpRequest& request) {
    return QUrlQuery(QUrl(QString::fromLatin1(request.target)));
}

QByteArray json(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

FakeOAuthProvider::FakeOAuthProvider(QObject* parent) : QObject(parent) {
    _http.listen();
    _http.route("/auth", [this](const HttpRequest& r) { return consentPage(r); });
    _http.route("/approve", [this](const HttpRequest& r) { return approve(r); });
    _http.route("/oauth2/v4/token", [this](const HttpRequest& r) { return token(r); });
    _http.route("/yt/channels", [this](const HttpRequest& r) { return channels(r); });
}

HttpReply FakeOAuthProvider::consentPage(const HttpRequest& request) {
    const QUrlQuery query = queryOf(request);
    _state = query.queryItemValue("state", QUrl::FullyDecoded);
    _challenge = query.queryItemValue("code_challenge", QUrl::FullyDecoded);
    _redirect = query.queryItemValue("redirect_uri", QUrl::FullyDecoded);
    const bool complete = query.queryItemValue("response_type") == "code" && !_challenge.isEmpty() &&
                          query.queryItemValue("code_challenge_method") == "S256" &&
                          query.queryItemValue("access_type") == "offline" &&
                          query.queryItemValue("scope", QUrl::FullyDecoded).contains("youtube.upload") &&
                          _redirect.startsWith("http://127.0.0.1:");
    emit changed();
    if (!complete) {
        return HttpReply{400, "incomplete authorisation request", false, {{"Content-Type", "text/plain"}}};
    }
    const QByteArray page =
        "<!DOCTYPE html><html><head><title>Okulon test provider: allow access</title></head>"
        "<body style=\"font-family:sans-serif;background:#f4f4f4\"><h2>Okulon wants to use your YouTube "
        "account</h2><p>Upload videos and read the channel.</p><a id=\"allow\" href=\"/approve\" "
        "style=\"padding:8px "
        "24px;background:#1a73e8;color:white;text-decoration:none\">Allow</a></body></html>";
    return HttpReply{200, page, false, {{"Content-Type", "text/html; charset=utf-8"}}};
}

HttpReply FakeOAuthProvider::approve(const HttpRequest&) {
    QUrl target(_redirect);
    QUrlQuery query;
    query.addQueryItem("code", QString::fromLatin1(kCode));
    query.addQueryItem("state", _state);
    target.setQuery(query);
    return HttpReply{
        302, QByteArray(), false, {{"Location", target.toEncoded()}, {"Content-Type", "text/plain"}}};
}

HttpReply FakeOAuthProvider::token(const HttpRequest& request) {
    ++_tokenRequests;
    const QUrlQuery form(QString::fromUtf8(request.body));
    const QString verifier = form.queryItemValue("code_verifier", QUrl::FullyDecoded);
    const QByteArray challenge =
        QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    _verifierMatched = !verifier.isEmpty() && QString::fromLatin1(challenge) == _challenge;
    emit changed();
    if (_refuseTokens) {
        return HttpReply{403, json({{"error", "access_denied"}})};
    }
    if (form.queryItemValue("grant_type") != "authorization_code" ||
        form.queryItemValue("code", QUrl::FullyDecoded) != QString::fromLatin1(kCode) || !_verifierMatched ||
        form.queryItemValue("redirect_uri", QUrl::FullyDecoded) != _redirect) {
        return HttpReply{400, json({{"error", "invalid_grant"}})};
    }
    return HttpReply{200, json({{"access_token", kAccessToken},
                                {"refresh_token", kRefreshToken},
                                {"expires_in", 3599},
                                {"token_type", "Bearer"}})};
}

HttpReply FakeOAuthProvider::channels(const HttpRequest& request) const {
    if (queryOf(request).queryItemValue("access_token", QUrl::FullyDecoded) !=
        QString::fromLatin1(kAccessToken)) {
        return HttpReply{401,
                         json({{"error", QJsonObject{{"code", 401}, {"message", "Invalid Credentials"}}}})};
    }
    return HttpReply{
        200, json({{"items",
                    QJsonArray{QJsonObject{
                        {"snippet", QJsonObject{{"title", _channelTitle},
                                                {"localized", QJsonObject{{"title", _channelTitle}}}}}}}}})};
}
