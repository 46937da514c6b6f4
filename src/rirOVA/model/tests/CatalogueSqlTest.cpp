// The catalogue's tables and system records on SQLite and PostgreSQL.
#include "kvoCore/Utils.h"
#include "kvoCore/tests/SqlTestBackend.h"
#include "kvoModel/dao/DAO.h"
#include "kvoModel/dao/ModelTableCreator.h"
#include "kvoModel/model/OwnerGroupModel.h"
#include "rirOVA/model/ArchiveModel.h"
#include "rirOVA/model/DeviceModel.h"
#include "rirOVA/model/DevicePasswordModel.h"
#include "rirOVA/model/DeviceRecStateModel.h"
#include "rirOVA/model/DeviceTypeModel.h"
#include "rirOVA/model/OnlineAccessSettingsModel.h"
#include "rirOVA/model/PrivateYoutubeTypeModel.h"
#include "rirOVA/model/SearchDevicesModel.h"
#include "rirOVA/model/TelegramSettingsModel.h"
#include "rirOVA/model/UserModel.h"
#include "rirOVA/model/YoutubeSettingsModel.h"

#include <QSqlRecord>
#include <gmock/gmock.h>

using namespace SqlTest;
using namespace KvoModelDesktopMedia;
using KvoModel::DAO;
using KvoModel::ModelBase;
using KvoModel::ModelTableCreator;
using ::testing::HasSubstr;

namespace {

template <class M>
SharedPointerEx<ModelBase> make() {
    return SharedPointerEx<ModelBase>(new M());
}

// Every model with a table, owners and groups before the models that read them.
ModelTableCreator::Models catalogue() {
    ModelBase::init(QStringLiteral("users"), QStringLiteral("userGroup"), QStringLiteral("sessions"),
                    stDevServer);
    return {make<KvoModel::OwnerGroupModel>(), make<UserModel>(),
            make<DeviceTypeModel>(),           make<DeviceModel>(),
            make<SearchDevicesModel>(),        make<DevicePasswordModel>(),
            make<DeviceRecStateModel>(),       make<ArchiveModel>(),
            make<PrivateYoutubeTypeModel>(),   make<OnlineAccessSettingsModel>(),
            make<YoutubeSettingsModel>(),      make<TelegramSettingsModel>()};
}

} // namespace

class CatalogueSqlTest : public BackendTest {
protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        ModelTableCreator().checkTables(catalogue(), db.data());
    }

    QStringList rows(const QString& sql) {
        QStringList result;
        QSqlQuery q = db->exec(sql);
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < q.record().count(); ++i) {
                row << q.value(i).toString();
            }
            result << row.join(QLatin1Char('|'));
        }
        return result;
    }

    QStringList everything() {
        QStringList all;
        if (postgres()) {
            all << rows("SELECT table_name, column_name, data_type, is_nullable, coalesce(column_default, "
                        "'') FROM "
                        "information_schema.columns WHERE table_schema = 'public' ORDER BY 1, 2")
                << rows("SELECT indexdef FROM pg_indexes WHERE schemaname = 'public' ORDER BY 1")
                << rows("SELECT conname, pg_get_constraintdef(oid) FROM pg_constraint WHERE connamespace = "
                        "'public'::regnamespace ORDER BY 1");
        } else {
            all << rows("SELECT type, name, sql FROM sqlite_master ORDER BY name");
        }
        for (const auto& model : catalogue()) {
            all << rows(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(model->tableName()));
        }
        return all;
    }
};

TEST_P(CatalogueSqlTest, EveryTableTwiceChangesNothing) {
    const QStringList first = everything();
    ModelTableCreator().checkTables(catalogue(), db.data());
    EXPECT_EQ(everything(), first);
    for (const auto& model : catalogue()) {
        EXPECT_EQ(rows(QStringLiteral("SELECT id FROM %1 WHERE id = 1").arg(model->tableName())),
                  QStringList{"1"})
            << model->tableName().toStdString();
    }
}

TEST_P(CatalogueSqlTest, SystemRecords) {
    EXPECT_EQ(rows("SELECT id, code, name FROM deviceType ORDER BY id"),
              (QStringList{"1|1|", "2|2|IP Camera", "3|3|USB Camera", "4|4|File", "5|5|Screen"}));
    EXPECT_EQ(rows("SELECT id, name FROM userGroup ORDER BY id"), (QStringList{"1|", "2|Users"}));

    const QString emptyHash = KvoCore::Utils::getPwdHash(QString());
    const QStringList signs = UserModel::systemUserSigns();
    ASSERT_EQ(signs.size(), 5);
    EXPECT_EQ(signs.first(), QStringLiteral("admin"));
    QStringList expectedUsers;
    for (const QString& sign : signs) {
        expectedUsers << sign + QStringLiteral("|2|") + emptyHash + QStringLiteral("|n/a|n/a|false");
    }
    QStringList users;
    QSqlQuery q = db->exec(
        "SELECT sign, rstIdGroup, pwd, firstName, lastName, blocked FROM users WHERE id > 1 ORDER BY id");
    while (q.next()) {
        users << QStringList{q.value(0).toString(), q.value(1).toString(),
                             q.value(2).toString(), q.value(3).toString(),
                             q.value(4).toString(), q.value(5).toBool() ? "true" : "false"}
                     .join('|');
    }
    EXPECT_EQ(users, expectedUsers);

    // Both built-in credentials for every owner.
    QStringList expectedPasswords;
    for (const QString& id : rows("SELECT id FROM users WHERE id > 1 ORDER BY id")) {
        expectedPasswords << id + QStringLiteral("|admin|") << id + QStringLiteral("|admin|vemsk");
    }
    EXPECT_EQ(
        rows("SELECT rstIdOwner, login, password FROM devicePassword WHERE id > 1 ORDER BY rstIdOwner, id"),
        expectedPasswords);
    EXPECT_EQ(rows("SELECT id FROM device"), QStringList{"1"});
}

TEST_P(CatalogueSqlTest, DeviceColumnsOnSqlite) {
    if (postgres()) {
        GTEST_SKIP() << "SQLite table text";
    }
    const QStringList sql = rows("SELECT sql FROM sqlite_master WHERE name = 'device'");
    ASSERT_EQ(sql.size(), 1);
    const std::string device = sql.first().toStdString();
    EXPECT_THAT(device,
                HasSubstr(",rstIdDeviceType INTEGER NOT NULL DEFAULT 1  REFERENCES deviceType(id) ON DELETE "
                          "CASCADE ON UPDATE CASCADE,"));
    EXPECT_THAT(device, HasSubstr(",uid TEXT,"));
    EXPECT_THAT(device, ::testing::Not(HasSubstr("typeCode")));
    // SQLite keeps the statement without its IF NOT EXISTS.
    EXPECT_THAT(device,
                ::testing::StartsWith("CREATE TABLE device (id INTEGER PRIMARY KEY,dtUpdate "
                                      "INTEGER NOT NULL DEFAULT 0 ,dtInsert INTEGER NOT NULL DEFAULT 0 ,"
                                      "rstIdOwner INTEGER NOT NULL DEFAULT 1  REFERENCES users(id)"));
}

TEST_P(CatalogueSqlTest, DevicesJoinTheirTypeAndCascade) {
    auto device = make<DeviceModel>();
    device->populateDefault();
    device->setValue(QStringLiteral("rstIdDeviceType"), 2);
    device->setValue(QStringLiteral("deviceName"), QStringLiteral("Gate"));
    DAO(device, db.data()).insert();
    EXPECT_EQ(device->value(QStringLiteral("typeCode")).toLongLong(), 2);
    EXPECT_TRUE(device->value(QStringLiteral("uid")).toString().startsWith('{'));

    auto archive = make<ArchiveModel>();
    archive->populateDefault();
    archive->setValue(QStringLiteral("rstIDDevice"), device->idValue());
    DAO(archive, db.data()).insert();
    EXPECT_EQ(archive->value(QStringLiteral("deviceName")).toString(), QStringLiteral("n/a"));

    // Removing the device type removes its devices and, through them, their clips.
    auto type = make<DeviceTypeModel>();
    type->setIdValue(2);
    DAO(type, db.data()).deleteByID();
    EXPECT_EQ(rows("SELECT count(*) FROM device WHERE id > 1"), QStringList{"0"});
    EXPECT_EQ(rows("SELECT count(*) FROM archive WHERE id > 1"), QStringList{"0"});
}

TEST_P(CatalogueSqlTest, OwnersKeepPasswordsPrivateAndTakeTheirRecordsAlong) {
    auto admin = make<UserModel>();
    admin->setValue(QStringLiteral("sign"), QStringLiteral("admin"));
    DAO users(admin, db.data());
    ASSERT_TRUE(users.getByUnique(QStringLiteral("sign")));
    EXPECT_EQ(admin->value(QStringLiteral("groupName")).toString(), QStringLiteral("Users"));
    EXPECT_TRUE(admin->value(QStringLiteral("pwd")).isNull()); // private: never read into the model

    // A credential of the owner called "admin", found through the owner reference.
    auto credential = make<DevicePasswordModel>();
    credential->setValue(QStringLiteral("login"), QStringLiteral("admin"));
    DAO passwords(credential, db.data());
    ASSERT_TRUE(passwords.getByUniqueAndRefs(QStringLiteral("login"),
                                             {QStringLiteral("rstIdOwner"), "sign", "admin"}));
    EXPECT_EQ(credential->value(QStringLiteral("rstIdOwner")), admin->idValue());
    EXPECT_FALSE(passwords.getByUniqueAndRefs(QStringLiteral("login"),
                                              {QStringLiteral("rstIdOwner"), "sign", "nobody"}));

    users.deleteByID();
    EXPECT_EQ(rows(QStringLiteral("SELECT count(*) FROM devicePassword WHERE rstIdOwner = %1")
                       .arg(admin->idValue().toString())),
              QStringList{"0"});
    EXPECT_EQ(rows("SELECT count(*) FROM devicePassword WHERE id > 1"), QStringList{"8"});
}

TEST_P(CatalogueSqlTest, OneSettingsRecordPerOwner) {
    auto first = make<TelegramSettingsModel>();
    first->populateDefault();
    first->setValue(QStringLiteral("rstIdOwner"), 2);
    DAO(first, db.data()).insert();
    EXPECT_EQ(first->value(QStringLiteral("port")).toInt(), 0);
    auto second = make<TelegramSettingsModel>();
    second->populateDefault();
    second->setValue(QStringLiteral("rstIdOwner"), 2);
    EXPECT_THROW(DAO(second, db.data()).insert(), std::runtime_error);
}

INSTANTIATE_TEST_SUITE_P(Backends, CatalogueSqlTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         backendName);
