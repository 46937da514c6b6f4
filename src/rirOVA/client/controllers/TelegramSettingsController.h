#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The Telegram notification settings (group "telegramSettings"), one list for the whole process;
// the server reports the linking of an account with "srCode" and "srLinked".
class TelegramSettingsController : public FeatureListController {
    Q_OBJECT
public:
    explicit TelegramSettingsController(QQuickItem* parent = nullptr);
    ~TelegramSettingsController() override;

Q_SIGNALS:
    void srCode(QJsonObject mapParams);
    void srLinked(QJsonObject mapParams);

protected:
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;
};

} // namespace ClientController
