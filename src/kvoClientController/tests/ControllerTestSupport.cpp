#include "ControllerTestSupport.h"

#include <QHostAddress>
#include <QVariantMap>

namespace ControllerTest {

void TestHandler::handleMessage(const QString& group, const QString& action, const SpDto& dto) {
    if (group == QLatin1String("test")) {
        Q_EMIT testMessage(action, dto);
    } else if (group == QLatin1String("other")) {
        Q_EMIT otherMessage(action, dto);
    } else if (group == QLatin1String("auth")) {
        Q_EMIT authMessage(action, dto);
    }
}

Peer::Peer() {
    connect(&_server, &QTcpServer::newConnection, this, &Peer::onNewConnection);
    _server.listen(QHostAddress::LocalHost, 0);
}

void Peer::onNewConnection() {
    while (QTcpSocket* socket = _server.nextPendingConnection()) {
        if (_socket) {
            _socket->deleteLater();
        }
        _socket = socket;
        _framing.clear();
        connect(_socket, &QTcpSocket::readyRead, this, &Peer::onReadyRead);
    }
}

void Peer::onReadyRead() {
    _framing.append(_socket->readAll());
    QByteArray frame;
    while (_framing.next(&frame) == ClientBase::MessageFraming::Next::Frame) {
        QByteArray payload;
        if (ClientBase::MessageFraming::inflate(frame, &payload) != ClientBase::MessageFraming::Inflate::Ok) {
            ADD_FAILURE() << "the link wrote a frame that does not inflate";
            continue;
        }
        const ClientBase::MessageFraming::Parsed parsed = ClientBase::MessageFraming::parse(payload);
        EXPECT_EQ(parsed.error, ClientBase::MessageFraming::Parsed::Error::None) << payload.toStdString();
        EXPECT_EQ(parsed.nonObjects, 0) << payload.toStdString();
        _frames.append(parsed.records);
    }
}

void Peer::drop() {
    if (_socket) {
        _socket->abort();
    }
}

bool Peer::waitForFrames(int count, int timeoutMs) {
    return QTest::qWaitFor([&]() { return _frames.size() >= count; }, timeoutMs);
}

QList<QJsonObject> Peer::takeFrame(int timeoutMs) {
    if (!waitForFrames(1, timeoutMs)) {
        return {};
    }
    return _frames.takeFirst();
}

void Peer::send(const QList<QJsonObject>& records) {
    QJsonArray array;
    for (const QJsonObject& record : records) {
        array.append(record);
    }
    ASSERT_TRUE(isConnected());
    _socket->write(ClientBase::MessageFraming::frame(QJsonDocument(array).toJson(QJsonDocument::Compact)));
    _socket->flush();
}

LinkEnvironment* environment = nullptr;

LinkEnvironment& LinkEnvironment::instance() {
    return *environment;
}

void LinkEnvironment::SetUp() {
    environment = this;
    qRegisterMetaType<SpDto>("SpDto");
    _peer = std::make_unique<Peer>();
    ASSERT_TRUE(_peer->port() != 0);
    _link = SharedPointerEx<ClientBase::ClientNetworkSimple>(new TestLink());
    _handler = std::make_shared<TestHandler>();
    _link->setHandleReceivedMessages(_handler);
    // The tests log in themselves.
    _link->setDefaultActionAfterConnected(QString());
    _link->setParam(QStringLiteral("host"), QStringLiteral("127.0.0.1"));
    _link->setParam(QStringLiteral("port"), _peer->port());
    ClientBase::SharedLink::set(_link);
    _link->start();
    ASSERT_TRUE(QTest::qWaitFor([&]() { return _link->isInitFinished(); }, 5000));
    Q_EMIT _link->makeConnection();
    ASSERT_TRUE(QTest::qWaitFor([&]() { return _peer->isConnected() && _link->isConnected(); }, 5000));
}

void LinkEnvironment::TearDown() {
    ClientBase::SharedLink::set(SharedPointerEx<ClientBase::ClientNetworkSimple>());
    _link.reset();
    _handler.reset();
    _peer.reset();
    environment = nullptr;
}

TestEntity::TestEntity() : ModelBase(QStringLiteral("test")) {
    FieldDescr name(fpNormal, QString(), QString());
    name.setSimpleSqlDescr(sftText, false, QStringLiteral("unnamed")).setName(QStringLiteral("Name"));
    fields[QStringLiteral("name")] = name;

    FieldDescr locked(fpReference, QStringLiteral("users"), QString());
    locked.setRefSqlDescr(srtSetDefault, srtCascade, sftBigInt, true, 1);
    fields[QStringLiteral("rst_id_user_locked")] = locked;
}

TestController::TestController(bool isStatic, const char* handlerSignal) {
    setControllerName(QStringLiteral("test"));
    setIsStaticModel(isStatic);
    setEntityModel(SharedPointerEx<KvoModel::ModelBase>(new TestEntity()));
    listModel.setEntityModel(entityModel());
    setListModel(&listModel);
    setViewModel(&viewModel);
    connectMessageHandler(handlerSignal);
    connect(this, &ControllerItemBase::saGetList, this, &TestController::addEntries);
}

void TestController::addEntries(const QJsonObject& answer) {
    if (!isStaticModel() && answer.value(QStringLiteral("_receiver")) != QJsonValue(objectNumber())) {
        return;
    }
    const QJsonArray entries = answer.value(QStringLiteral("entries")).toArray();
    for (const QJsonValue& entry : entries) {
        listModel.addRow(entry.toObject().toVariantMap());
    }
}

ModelCheck::ModelCheck(ClientController::ControllerItemBase& controller)
    : _original(controller.originalModel(), QAbstractItemModelTester::FailureReportingMode::Fatal),
      _proxy(controller.proxyModel(), QAbstractItemModelTester::FailureReportingMode::Fatal) {}

Peer& peer() {
    return LinkEnvironment::instance().peer();
}

QJsonObject message(const QString& action, const QJsonObject& extra) {
    QJsonObject record = extra;
    record.insert(QStringLiteral("FN"), QStringLiteral("test_") + action);
    return record;
}

QList<QList<QJsonObject>> framesBeforeMarker(ClientController::ControllerItemBase& controller) {
    static int markerCount = 0;
    const int marker = ++markerCount;
    controller.trInfo(QJsonObject{{QStringLiteral("_marker"), marker}});
    const auto markerIndex = [&]() {
        const QList<QList<QJsonObject>>& frames = peer().frames();
        for (int i = 0; i < frames.size(); ++i) {
            for (const QJsonObject& record : frames.at(i)) {
                if (record.value(QStringLiteral("_marker")).toInt() == marker) {
                    return i;
                }
            }
        }
        return -1;
    };
    const bool arrived = QTest::qWaitFor([&]() { return markerIndex() >= 0; }, 5000);
    EXPECT_TRUE(arrived) << "the marker request did not reach the peer";
    QList<QList<QJsonObject>> before;
    const int index = markerIndex();
    for (int i = 0; i < index; ++i) {
        before.append(peer().frames().at(i));
    }
    peer().clear();
    return before;
}

QList<qint64> proxyIds(const ProxyModel& model) {
    QList<qint64> ids;
    for (int row = 0; row < model.rowCount(); ++row) {
        ids.append(model.proxyData(row, QStringLiteral("id")).toLongLong());
    }
    return ids;
}

} // namespace ControllerTest
