#pragma once

#include "kvoClientController/controller/ControllerDesktopBase.h"
#include "kvoCore/SharedPointerEx.h"

#include <QJsonObject>
#include <functional>
#include <memory>

namespace KvoModel {
class ModelBase;
}

namespace ClientController {

// Common wiring of the feature controllers: the list (own or class-wide), the view over it, the
// entity model and the message group.
class FeatureListController : public ControllerDesktopBase {
    Q_OBJECT
public:
    explicit FeatureListController(QQuickItem* parent = nullptr);
    ~FeatureListController() override;

protected:
    using EntityFactory = std::function<SharedPointerEx<KvoModel::ModelBase>()>;

    // A list controller of group `name`. With `isStatic` every instance uses the one list of the
    // group and takes over its entity model. `handlerSignal` may be null: no group signal.
    void initList(const QString& name, const EntityFactory& makeEntity, bool isStatic,
                  const char* handlerSignal);
    // A controller without list: only the group.
    void initGroup(const QString& name, const char* handlerSignal);

    // The "_receiver" of a message as text (the server may echo it as a number).
    static QString receiverText(const SpDto& mapParams);
    bool isAddressedToMe(const SpDto& mapParams) const { return receiverText(mapParams) == objectNumber(); }

private:
    std::unique_ptr<OriginalModel> _ownList;
    std::unique_ptr<ProxyModel> _view;
};

} // namespace ClientController
