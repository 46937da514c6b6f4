#pragma once

#include "ForwardingConfig.h"
#include "RecordGroupHandler.h"

#include <QHash>
#include <functional>

namespace DevServer {

// "telegramSettings": the ordinary record actions plus the account linking flow. Saving a phone
// number (or asking again with "requestCode") asks for a confirmation code ("srCode"); saving the
// code back links the account ("srLinked" with "isLink" true) when it is the accepted code and
// still valid. Asking for codes too often, or too many wrong codes, is refused for a while
// ("retryAfter" seconds, status "try later"). The state flags of the record ("isLink",
// "isLinking", "isNeedToConfirmCode", "isCodeChecking", "status") are the server's.
class TelegramSettingsHandler : public RecordGroupHandler {
public:
    using Clock = std::function<qint64()>; // milliseconds since the epoch

    TelegramSettingsHandler(RecordStore& store, const QString& acceptedCode, const ForwardingConfig& config,
                            Clock clock = {});

protected:
    Outcome create(const Request& request) override;
    Outcome update(const Request& request) override;

private:
    // Where the linking of one record stands (kept while the server runs).
    struct Linking {
        qint64 codeRequestedMs = 0;
        int wrongCodes = 0;
        qint64 lockedUntilMs = 0;
    };
    // The notice a change leads to, with its parameters beyond "id" and "RES".
    struct Flow {
        QString notice;
        QJsonObject params;
    };

    // Turns the client's fields into the fields to store, given the stored record (empty for a new
    // one) and its linking state.
    QJsonObject applyFlow(const QJsonObject& stored, QJsonObject fields, Linking& linking, Flow* flow) const;
    Outcome finish(const Request& request, Outcome outcome, const Flow& flow);
    Outcome run(const Request& request, const QJsonObject& stored, qint64 id, bool isNew);
    static int secondsLeft(qint64 untilMs, qint64 nowMs);

    QString _acceptedCode;
    ForwardingConfig _config;
    Clock _clock;
    QHash<qint64, Linking> _linking;
};

} // namespace DevServer
