#include "FeatureTestSupport.h"

#include "kvoClientController/controller/SessionGate.h"
#include "rirOVA/client/controllers/DesktopLayoutController.h"

#include <QSignalSpy>

using namespace ClientController;
using namespace FeatureTest;

namespace {

// The gate as the program uses it, put back as it was after the test.
class GateInUse {
public:
    GateInUse() : _wasEnabled(gate().isEnabled()), _wasLoggedIn(gate().isLoggedIn()) {
        gate().setEnabled(true);
    }
    ~GateInUse() {
        gate().setEnabled(_wasEnabled);
        if (_wasLoggedIn) {
            gate().logIn();
        }
    }
    static SessionGate& gate() { return SessionGate::instance(); }

private:
    bool _wasEnabled;
    bool _wasLoggedIn;
};

QStringList names(const DesktopLayoutController& controller) {
    QStringList result;
    for (const QVariant& layout : controller.layouts()) {
        result << layout.toMap().value(QStringLiteral("name")).toString();
    }
    return result;
}

QStringList actions(const QList<QJsonObject>& messages) {
    QStringList result;
    for (const QJsonObject& message : messages) {
        const QString fn = message.value(QStringLiteral("FN")).toString();
        if (fn != QLatin1String("desktopLayout_trGetList")) {
            result << fn.section('_', 1) + QLatin1Char(' ') +
                          message.value(QStringLiteral("id")).toVariant().toString();
        }
    }
    return result;
}

void answer(const DesktopLayoutController& controller, const QString& action, bool ok) {
    deliver({{"FN", "desktopLayout_" + action}, {"_receiver", controller.objectNumber()}, {"RES", ok}});
}

} // namespace

// Saves, renames, removals and switches made while logged out show at once, survive a restart in
// the cache file, go out in their order at the next log-in, go again after a log-in that came
// before their answers, and are done once answered.
TEST(DesktopLayoutControllerTest, EditsWhileLoggedOutGoOutAfterTheLogIn) {
    ScopedWorkDir work;
    GateInUse use;
    const QString cache = work.path() + QStringLiteral("/layouts/admin.json");
    use.gate().logOut();
    use.gate().logIn();
    auto controller = std::make_unique<DesktopLayoutController>();
    controller->setCacheFile(cache);
    deliver({{"FN", "desktopLayout_saGetList"},
             {"_receiver", controller->objectNumber()},
             {"RES", true},
             {"entries", QJsonArray{QJsonObject{{"id", 5},
                                                {"name", "Night"},
                                                {"gridSize", "S3_3"},
                                                {"tiles", "[]"},
                                                {"position", 0},
                                                {"lastShown", 0}},
                                    QJsonObject{{"id", 6},
                                                {"name", "Day"},
                                                {"gridSize", "S2_2"},
                                                {"tiles", "[]"},
                                                {"position", 1},
                                                {"lastShown", 0}}}}});
    ASSERT_EQ(names(*controller), (QStringList{"Night", "Day"}));
    EXPECT_FALSE(controller->fromCache());

    use.gate().logOut();
    clearSent();
    QSignalSpy changed(controller.get(), &DesktopLayoutController::layoutsChanged);
    EXPECT_GT(controller->markShown(QStringLiteral("6")), 0);
    EXPECT_GT(controller->markShown(QStringLiteral("5")), 0);
    EXPECT_EQ(controller->pendingEdits(), 1) << "only the last switch waits";
    ASSERT_TRUE(controller->saveLayout(QStringLiteral("Away"), QStringLiteral("S2_2"),
                                       QVariantList{QVariantMap{{"slot", 0}, {"deviceId", "2"}}}));
    ASSERT_EQ(names(*controller), (QStringList{"Night", "Day", "Away"}));
    const QString localId = controller->layouts().at(2).toMap().value(QStringLiteral("id")).toString();
    EXPECT_TRUE(localId.startsWith(QLatin1String("new-"))) << localId.toStdString();
    EXPECT_TRUE(controller->renameLayout(localId, QStringLiteral("Away view")));
    EXPECT_GT(controller->markShown(localId), 0);
    EXPECT_TRUE(controller->renameLayout(QStringLiteral("6"), QStringLiteral("Evening")));
    EXPECT_EQ(names(*controller), (QStringList{"Night", "Evening", "Away view"}));
    EXPECT_EQ(controller->pendingEdits(), 3) << "the rename of the waiting layout goes with it";
    controller->removeLayout(QStringLiteral("6"));
    EXPECT_EQ(names(*controller), (QStringList{"Night", "Away view"}));
    EXPECT_EQ(controller->pendingEdits(), 3) << "the rename of the removed layout is dropped";
    EXPECT_GE(changed.count(), 5);
    EXPECT_TRUE(sent().isEmpty()) << "nothing goes out while logged out";

    // Another start of the client while the server is away.
    controller.reset();
    controller = std::make_unique<DesktopLayoutController>();
    controller->setCacheFile(cache);
    EXPECT_TRUE(controller->fromCache());
    EXPECT_EQ(names(*controller), (QStringList{"Night", "Away view"}));
    ASSERT_EQ(controller->pendingEdits(), 3);

    use.gate().logIn();
    EXPECT_EQ(actions(sent()), (QStringList{"trUpdate 5", "trCreate ", "trRemove 6"}));
    const QJsonObject create = sentWith("desktopLayout_trCreate").value(0);
    EXPECT_EQ(create.value("name").toString(), "Away view");
    EXPECT_EQ(create.value("gridSize").toString(), "S2_2");
    EXPECT_GT(create.value("lastShown").toDouble(), 0) << "it was switched to while waiting";
    EXPECT_GT(sentWith("desktopLayout_trUpdate").value(0).value("lastShown").toVariant().toLongLong(), 0);
    EXPECT_EQ(controller->pendingEdits(), 3) << "kept until answered";

    // The link broke before the answers: the next log-in sends them again.
    use.gate().logOut();
    clearSent();
    use.gate().logIn();
    EXPECT_EQ(actions(sent()), (QStringList{"trUpdate 5", "trCreate ", "trRemove 6"}));

    QSignalSpy failed(controller.get(), &DesktopLayoutController::layoutActionFailed);
    answer(*controller, "saUpdate", true);
    answer(*controller, "saCreate", true);
    EXPECT_EQ(controller->pendingEdits(), 1);
    answer(*controller, "saRemove", false);
    EXPECT_EQ(controller->pendingEdits(), 0);
    EXPECT_EQ(failed.count(), 1) << "a refusal is reported";
    EXPECT_FALSE(sentWith("desktopLayout_trGetList").isEmpty()) << "the list is asked for again";
}
