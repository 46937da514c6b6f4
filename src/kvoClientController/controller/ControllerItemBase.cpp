#include "ControllerItemBase.h"

#include "kvoClientController/controller/SessionGate.h"
#include "kvoCore/Location.h"
#include "kvoModel/model/ModelBase.h"

#include <QJsonValue>

namespace ClientController {

namespace {

// "ERRCODE" of a failed answer whose record no longer exists on the server.
constexpr int kErrRecordGone = 110;

} // namespace

ControllerItemBase::ControllerItemBase(QQuickItem* parent) : QQuickItem(parent) {
    // Queued: a screen that asks for its list in its own log-in handler is not asked twice.
    connect(&SessionGate::instance(), &SessionGate::loggedIn, this, &ControllerItemBase::resendList,
            Qt::QueuedConnection);
}

ControllerItemBase::~ControllerItemBase() = default;

void ControllerItemBase::clearParam4trGetList() {
    setSavedListParams(QJsonObject());
}

void ControllerItemBase::trInfo(const QJsonObject& mapParams) {
    send(QStringLiteral("trInfo"), mapParams);
}

void ControllerItemBase::trGetList(const QJsonObject& mapParams, bool saveParams) {
    if (!useTrGetList()) {
        return;
    }
    if (saveParams) {
        setSavedListParams(mapParams);
    }
    if (saveParams || !_listWanted) {
        _listParams = mapParams;
    }
    _listWanted = true;
    const SessionGate& gate = SessionGate::instance();
    if (!gate.isOpen()) {
        // A refresh made while logged out is covered by the full request after the log-in.
        return;
    }
    _listSentSession = gate.session();
    send(QStringLiteral("trGetList"), mapParams);
}

void ControllerItemBase::resendList() {
    const SessionGate& gate = SessionGate::instance();
    if (!_listWanted || !useTrGetList() || !gate.isEnabled() || !gate.isOpen() ||
        _listSentSession == gate.session()) {
        return;
    }
    _listSentSession = gate.session();
    send(QStringLiteral("trGetList"), _listParams);
}

void ControllerItemBase::removeParamFromTrGetListParams(const QString& key) {
    QJsonObject params = savedListParams();
    params.remove(key);
    setSavedListParams(params);
}

void ControllerItemBase::sendBufferCmd(bool block4write) {
    try {
        sendBuffered(block4write);
    } catch (const std::exception& e) {
        logException(KVO_LOCATION("ClientController::ControllerItemBase::sendBufferCmd"), e);
    }
}

void ControllerItemBase::onBufferCmd() {
    startBuffering();
}

void ControllerItemBase::offBufferCmd() {
    stopBuffering();
}

QVariant ControllerItemBase::defaultFieldValue(const QString& field_name) const {
    if (entityModel().isNull()) {
        return QVariant();
    }
    const KvoModel::ModelBase::FieldMap& fields = entityModel()->fieldsList();
    const auto it = fields.constFind(field_name);
    return it == fields.constEnd() ? QVariant() : it->defaultValue;
}

void ControllerItemBase::onMessageReceived(const QString& actionName, SpDto mapParams) {
    if (!mapParams) {
        return;
    }
    // An exception must not unwind into the event loop; the message is dropped and logged.
    try {
        preprocessMessage(mapParams);
        handleMessage(actionName, mapParams);
    } catch (const std::exception& e) {
        logException(KVO_LOCATION("ClientController::ControllerItemBase::onMessageReceived"), e);
    }
}

void ControllerItemBase::preprocessMessage(const SpDto& mapParams) {
    Q_UNUSED(mapParams);
}

bool ControllerItemBase::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (actionName == QLatin1String("saGetList")) {
        processSaGetList(mapParams);
        return true;
    }
    if (actionName == QLatin1String("saInfo")) {
        if (isRecordGone(mapParams)) {
            removeRecordOf(mapParams);
        }
        processSaInfo(mapParams);
        return true;
    }
    if (actionName == QLatin1String("srSetFieldValue")) {
        Q_EMIT srSetFieldValue(mapParams->params);
        return true;
    }
    return false;
}

void ControllerItemBase::processSaInfo(const SpDto& mapParams) {
    Q_EMIT saInfo(mapParams->params);
}

void ControllerItemBase::processSaGetList(const SpDto& mapParams) {
    const bool mine = isMine(mapParams);
    if (_listModel && !_isStaticModel && mine &&
        !mapParams->params.contains(QStringLiteral("_doNotClearModel"))) {
        _listModel->clear();
    }
    // The view adds the "entries" rows inside this signal, so they are in place for the sorting below.
    Q_EMIT saGetList(mapParams->params);
    if (_isStaticModel || mine) {
        if (_viewModel) {
            _viewModel->sortRows();
        }
        if (_listModel) {
            _listModel->setDataAtLeastLoaded(true);
        }
    }
}

void ControllerItemBase::setListModel(OriginalModel* model) {
    if (_listModel) {
        disconnect(_listModel, &OriginalModel::dataAtLeastLoadedChanged, this,
                   &ControllerItemBase::dataAtLeastLoadedChanged);
    }
    _listModel = model;
    if (_listModel) {
        connect(_listModel, &OriginalModel::dataAtLeastLoadedChanged, this,
                &ControllerItemBase::dataAtLeastLoadedChanged);
    }
}

void ControllerItemBase::setViewModel(ProxyModel* model) {
    _viewModel = model;
    if (_viewModel) {
        _viewModel->setOriginalModel(_listModel);
    }
}

bool ControllerItemBase::connectMessageHandler(const char* signalName) {
    return connectToMessageHandler(signalName, this);
}

bool ControllerItemBase::isMine(const SpDto& mapParams) const {
    return mapParams->params.value(QStringLiteral("_receiver")) == QJsonValue(objectNumber());
}

void ControllerItemBase::removeRecordOf(const SpDto& mapParams) {
    if (!_listModel) {
        return;
    }
    const QString id = recordId(mapParams);
    if (id.isEmpty()) {
        return;
    }
    const int row = _listModel->checkValueByRole(QStringLiteral("id"), id);
    if (row >= 0) {
        _listModel->removeRow(row);
    }
}

QString ControllerItemBase::recordId(const SpDto& mapParams) {
    return idText(mapParams->params.value(QStringLiteral("id")));
}

QString ControllerItemBase::idText(const QJsonValue& value) {
    // Ids travel as numbers or as text; a number is written without exponent or fraction.
    if (value.isDouble()) {
        return QString::number(static_cast<qint64>(value.toDouble()));
    }
    return value.toVariant().toString();
}

bool ControllerItemBase::isRecordGone(const SpDto& mapParams) {
    const QJsonObject& params = mapParams->params;
    return !params.value(QStringLiteral("RES")).toBool() &&
           params.value(QStringLiteral("ERRCODE")).toVariant().toInt() == kErrRecordGone;
}

} // namespace ClientController
