#include "FeatureListController.h"

#include "ClassWideOriginalModel.h"
#include "kvoModel/model/ModelBase.h"

namespace ClientController {

FeatureListController::FeatureListController(QQuickItem* parent) : ControllerDesktopBase(parent) {}

// The view goes first: it watches the list.
FeatureListController::~FeatureListController() {
    _view.reset();
    _ownList.reset();
}

void FeatureListController::initList(const QString& name, const EntityFactory& makeEntity, bool isStatic,
                                     const char* handlerSignal) {
    setControllerName(name);
    setIsStaticModel(isStatic);
    OriginalModel* list = nullptr;
    if (isStatic) {
        list = ClassWideOriginalModel::get(name, makeEntity);
        setEntityModel(list->entityModel());
    } else {
        setEntityModel(makeEntity());
        _ownList = std::make_unique<OriginalModel>();
        _ownList->setEntityModel(entityModel());
        list = _ownList.get();
    }
    _view = std::make_unique<ProxyModel>();
    setListModel(list);
    setViewModel(_view.get());
    if (handlerSignal) {
        connectMessageHandler(handlerSignal);
    }
}

void FeatureListController::initGroup(const QString& name, const char* handlerSignal) {
    setControllerName(name);
    if (handlerSignal) {
        connectMessageHandler(handlerSignal);
    }
}

QString FeatureListController::receiverText(const SpDto& mapParams) {
    return idText(mapParams->params.value(QStringLiteral("_receiver")));
}

} // namespace ClientController
