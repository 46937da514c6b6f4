#pragma once

#include "kvoClientController/controller/ControllerBase.h"
#include "kvoClientController/controller/OriginalModel.h"
#include "kvoClientController/controller/ProxyModel.h"

#include <QJsonObject>
#include <QQuickItem>
#include <QVariant>

namespace ClientController {

// A QML item that owns a list: it requests the list with "trGetList", hands every "saGetList" of its
// group to the view (signal saGetList, whose handler adds the "entries" rows), then sorts the rows and
// marks the list loaded when the answer is its own (or the list is shared by the whole process).
//
// A concrete list controller keeps its OriginalModel and ProxyModel as members and, in its
// constructor: sets the controller name, creates its entity model and hands it to entityModel and to
// the OriginalModel, calls setListModel and setViewModel, and connects its message handler signal
// with connectMessageHandler("<group>Message").
class ControllerItemBase : public QQuickItem, public ControllerBase {
    Q_OBJECT
    Q_PROPERTY(OriginalModel* originalModel READ originalModel CONSTANT)
    Q_PROPERTY(ProxyModel* proxyModel READ proxyModel CONSTANT)
    Q_PROPERTY(QString objectNumber READ objectNumber CONSTANT)
    Q_PROPERTY(QString controllerName READ controllerName CONSTANT)
    Q_PROPERTY(bool isStaticModel READ isStaticModel CONSTANT)
    Q_PROPERTY(bool useTrGetList READ useTrGetList WRITE setUseTrGetList)
    Q_PROPERTY(bool ignoreSrUpdated READ ignoreSrUpdated WRITE setIgnoreSrUpdated)
    Q_PROPERTY(bool ignoreSrInserted READ ignoreSrInserted WRITE setIgnoreSrInserted)

public:
    explicit ControllerItemBase(QQuickItem* parent = nullptr);
    ~ControllerItemBase() override;

    OriginalModel* originalModel() const { return _listModel; }
    ProxyModel* proxyModel() const { return _viewModel; }
    bool isStaticModel() const { return _isStaticModel; }
    bool ignoreSrUpdated() const { return _ignoreSrUpdated; }
    void setIgnoreSrUpdated(bool value) { _ignoreSrUpdated = value; }
    bool ignoreSrInserted() const { return _ignoreSrInserted; }
    void setIgnoreSrInserted(bool value) { _ignoreSrInserted = value; }

    Q_INVOKABLE void clearParam4trGetList();
    Q_INVOKABLE void trInfo(const QJsonObject& mapParams = QJsonObject());
    // Sends only while useTrGetList is set; with saveParams the parameters become the saved ones.
    // Before the log-in of the connection has been answered the request waits (SessionGate); the
    // list is asked again with its saved parameters after every log-in.
    Q_INVOKABLE virtual void trGetList(const QJsonObject& mapParams = QJsonObject(), bool saveParams = true);
    Q_INVOKABLE void removeParamFromTrGetListParams(const QString& key);
    Q_INVOKABLE void sendBufferCmd(bool block4write = false);
    Q_INVOKABLE void onBufferCmd();
    Q_INVOKABLE void offBufferCmd();
    // The default of that entity field; invalid without entity model or for an unknown field.
    Q_INVOKABLE QVariant defaultFieldValue(const QString& field_name) const;

Q_SIGNALS:
    void saInfo(QJsonObject mapParams);
    void saGetList(QJsonObject mapParams);
    void srSetFieldValue(QJsonObject mapParams);
    void dataAtLeastLoadedChanged(bool dataAtLeastLoaded);

protected Q_SLOTS:
    void onMessageReceived(const QString& actionName, SpDto mapParams);

private Q_SLOTS:
    // Sends the wanted list again when this session has not had it yet.
    void resendList();

protected:
    virtual void processSaInfo(const SpDto& mapParams);
    virtual void processSaGetList(const SpDto& mapParams);
    // Runs before handleMessage for every message of the group; may rewrite the message.
    virtual void preprocessMessage(const SpDto& mapParams);

    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;

    // Stores the list model and forwards its dataAtLeastLoadedChanged.
    void setListModel(OriginalModel* model);
    // Stores the view model and puts it over the list model (which sorts by "id" descending).
    void setViewModel(ProxyModel* model);
    void setIsStaticModel(bool value) { _isStaticModel = value; }
    // Connects the message handler's signal of this controller's group, e.g. "deviceMessage"; false
    // (and a warning) when the link kind does not route that group.
    bool connectMessageHandler(const char* signalName);

    // True when the message answers a request of this controller.
    bool isMine(const SpDto& mapParams) const;
    // Removes the record whose id is the message's "id" from the list, when it is there.
    void removeRecordOf(const SpDto& mapParams);
    // The message's "id" as text ("12" for the number 12); empty when absent.
    static QString recordId(const SpDto& mapParams);
    // An id value (number or text) as text; numbers without exponent or fraction.
    static QString idText(const QJsonValue& value);
    // Failed with "ERRCODE" 110: the record no longer exists on the server.
    static bool isRecordGone(const SpDto& mapParams);

private:
    OriginalModel* _listModel = nullptr;
    ProxyModel* _viewModel = nullptr;
    bool _isStaticModel = false;
    bool _ignoreSrUpdated = true;
    bool _ignoreSrInserted = true;
    // The list has been asked for; its parameters are sent again after each log-in.
    bool _listWanted = false;
    QJsonObject _listParams;
    // The gate's session in which the list was last sent; 0: never.
    quint64 _listSentSession = 0;
};

} // namespace ClientController
