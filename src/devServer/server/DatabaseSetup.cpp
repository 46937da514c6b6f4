#include "DatabaseSetup.h"

#include "GroupModels.h"
#include "ServerLog.h"
#include "kvoModel/dao/ModelTableCreator.h"

namespace DevServer {

const QString DatabaseSetup::ownerTable = QStringLiteral("users");
const QString DatabaseSetup::groupTable = QStringLiteral("userGroup");
const QString DatabaseSetup::sessionsTable = QStringLiteral("sessions");

SharedPointerEx<KvoCore::DBSimple> DatabaseSetup::open(const QString& sqliteDir) {
    KvoModel::ModelBase::init(ownerTable, groupTable, sessionsTable, stDevServer);
    auto db = KvoCore::DBSimple::initSpDB(QStringLiteral("devServer"), sqliteDir, true);
    serverLog()->info("Database opened ({})", db->getDriverName().toStdString());
    checkTables(db.data());
    return db;
}

void DatabaseSetup::checkTables(KvoCore::DBSimple* db) {
    KvoModel::ModelTableCreator creator;
    creator.checkTables(GroupModels::tables(), db, true);
}

} // namespace DevServer
