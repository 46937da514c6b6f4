// Prints how long a large archive list answer takes to load into OriginalModel with a ProxyModel
// attached (as QML uses them), and then to filter by text, filter by an integer role and sort by text.
//
//   listModelsBench [records] [rowByRowLimit]
//
// records: size of the answer (default 100000). rowByRowLimit: the largest size for which the
// row-by-row addRow path is measured as well (default 20000; it grows with the square of the size).

#include "kvoClientController/controller/OriginalModel.h"
#include "kvoClientController/controller/ProxyModel.h"
#include "kvoModel/model/ModelBase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QUuid>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <spdlog/spdlog.h>

namespace {

// The fields of a recorded clip, as the archive list carries them.
class ArchiveLikeModel : public KvoModel::ModelBase {
public:
    ArchiveLikeModel() : ModelBase(QStringLiteral("archive")) {
        const struct {
            const char* name;
            SqlFldType type;
        } own[] = {{"rstIdOwner", sftBigInt},
                   {"rstIDDevice", sftBigInt},
                   {"type", sftBigInt},
                   {"dtStart", sftBigInt},
                   {"dtEnd", sftBigInt},
                   {"duration", sftBigInt},
                   {"xOffset", sftBigInt},
                   {"filePath", sftText},
                   {"archiveUuid", sftVarchar},
                   {"final", sftBool},
                   {"detected", sftText},
                   {"deviceName", sftText},
                   {"youtubeUploadedStatus", sftText},
                   {"tgUploadedStatus", sftText},
                   {"youtubePrivacyType", sftBigInt},
                   {"dtStartYoutubeLoad", sftBigInt},
                   {"dtStartTgLoad", sftBigInt},
                   {"dtEndYoutubeLoad", sftBigInt},
                   {"dtEndTgLoad", sftBigInt},
                   {"youtubeLoadAttempts", sftInt},
                   {"tgLoadAttempts", sftInt}};
        for (const auto& field : own) {
            FieldDescr descr(fpNormal, QString(), QString());
            descr.setSimpleSqlDescr(field.type, false, QVariant());
            fields[QString::fromLatin1(field.name)] = descr;
        }
    }
};

// Records as the JSON answer delivers them: every number a double.
QVariantList makeAnswer(int count, bool descending, quint32 seed) {
    static const QStringList detected{"Unidentified object", "person", "car", "fire", "face",
                                      "licence plate"};
    static const QStringList statuses{"created", "uploading", "uploaded", "error"};
    QRandomGenerator random(seed);
    QVector<qint64> ids(count);
    for (int i = 0; i < count; ++i) {
        ids[i] = 2 + i;
    }
    if (descending) {
        std::reverse(ids.begin(), ids.end());
    } else {
        std::shuffle(ids.begin(), ids.end(), random);
    }
    const double base = 1.7e12;
    QVariantList entries;
    entries.reserve(count);
    for (qint64 id : ids) {
        const int device = 1 + random.bounded(50);
        const double start = base + static_cast<double>(id) * 60000.0;
        const double duration = 5000 + random.bounded(120000);
        entries.append(QVariantMap{
            {"id", static_cast<double>(id)},
            {"dtUpdate", start + duration + random.bounded(1000)},
            {"dtInsert", start},
            {"rstIdOwner", 1.0},
            {"rstIDDevice", static_cast<double>(device)},
            {"type", static_cast<double>(random.bounded(3))},
            {"dtStart", start},
            {"dtEnd", start + duration},
            {"duration", duration},
            {"xOffset", 0.0},
            {"filePath", QStringLiteral("/var/lib/vizEDA/archive/cam_%1/clip_%2.mp4").arg(device).arg(id)},
            {"archiveUuid", QUuid::createUuid().toString()},
            {"final", true},
            {"detected", detected.at(random.bounded(detected.size()))},
            {"deviceName", QStringLiteral("Camera %1 %2").arg(device).arg(device % 2 ? "north" : "south")},
            {"youtubeUploadedStatus", statuses.at(random.bounded(statuses.size()))},
            {"tgUploadedStatus", statuses.at(random.bounded(statuses.size()))},
            {"youtubePrivacyType", 1.0},
            {"dtStartYoutubeLoad", 0.0},
            {"dtStartTgLoad", 0.0},
            {"dtEndYoutubeLoad", 0.0},
            {"dtEndTgLoad", 0.0},
            {"youtubeLoadAttempts", 0.0},
            {"tgLoadAttempts", 0.0}});
    }
    return entries;
}

SharedPointerEx<KvoModel::ModelBase> archiveEntity() {
    return SharedPointerEx<KvoModel::ModelBase>(new ArchiveLikeModel);
}

// Wall-clock and CPU time of each step: the machine may be shared, and CPU time shows the work itself.
struct Lap {
    double wall = 0;
    double cpu = 0;
    Lap operator+(const Lap& o) const { return {wall + o.wall, cpu + o.cpu}; }
};

double cpuNow() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

class Stopwatch {
public:
    Stopwatch() : _cpu(cpuNow()) { _wall.start(); }
    Lap lap() {
        const double cpu = cpuNow();
        Lap result{static_cast<double>(_wall.nsecsElapsed()) / 1e6, cpu - _cpu};
        _wall.restart();
        _cpu = cpu;
        return result;
    }

private:
    QElapsedTimer _wall;
    double _cpu;
};

void print(const char* what, const Lap& lap, int rows = -1) {
    std::printf("  %-34s %8.1f ms wall %8.1f ms cpu", what, lap.wall, lap.cpu);
    if (rows >= 0) {
        std::printf("  (%d rows)", rows);
    }
    std::printf("\n");
}

// The whole road of one answer through the batch path, step by step.
void batchRoad(int count, bool descending) {
    const QVariantList entries = makeAnswer(count, descending, 7);
    OriginalModel model;
    model.setEntityModel(archiveEntity());
    ProxyModel proxy;
    proxy.setOriginalModel(&model);

    std::printf("addRows, %d records, ids %s:\n", count, descending ? "descending" : "in random order");
    Stopwatch watch;
    model.addRows(entries);
    proxy.sortRows(); // what the list controller does after an answer
    const Lap load = watch.lap();
    print("load + sortRows()", load, proxy.rowCount());
    proxy.setFilterPattern(QStringLiteral("camera 7 north"));
    const Lap text = watch.lap();
    print("text filter \"camera 7 north\"", text, proxy.rowCount());
    proxy.setHardFilterRole(QStringLiteral("duration"), QStringLiteral(">="), 60000);
    const Lap hard = watch.lap();
    print("hard filter duration >= 60000", hard, proxy.rowCount());
    proxy.sortRows(QStringLiteral("detected"), Qt::AscendingOrder);
    const Lap sort = watch.lap();
    print("sort by \"detected\"", sort);
    print("total load, filter, sort", load + text + hard + sort);
    proxy.setFilterPattern(QStringLiteral("cam.ra 7"));
    print("expression filter \"cam.ra 7\"", watch.lap(), proxy.rowCount());
    proxy.setFilterPattern(QString());
    proxy.clearHardFilter();
    print("clear both filters", watch.lap(), proxy.rowCount());
    proxy.sortRows(QStringLiteral("deviceName"), Qt::DescendingOrder);
    print("sort all by \"deviceName\"", watch.lap());
}

// The same answer added with addRow, one record at a time, with the proxy attached.
void rowByRow(int count, bool descending) {
    const QVariantList entries = makeAnswer(count, descending, 7);
    OriginalModel model;
    model.setEntityModel(archiveEntity());
    ProxyModel proxy;
    proxy.setOriginalModel(&model);
    proxy.rowCount(); // the view has looked at the proxy, so the proxy tracks every insertion
    Stopwatch watch;
    for (const QVariant& entry : entries) {
        model.addRow(entry.toMap());
    }
    proxy.sortRows();
    const Lap lap = watch.lap();
    std::printf("addRow one by one, %6d records, ids %-10s %9.1f ms wall %9.1f ms cpu\n", count,
                descending ? "descending" : "random", lap.wall, lap.cpu);
}

// A second answer of updates for records already loaded (the refresh after srUpdated).
void updates(int count) {
    const QVariantList entries = makeAnswer(count, true, 7);
    QVariantList newer = makeAnswer(count / 10, true, 8);
    for (QVariant& entry : newer) {
        QVariantMap map = entry.toMap();
        map["dtUpdate"] = 2e12;
        entry = map;
    }
    OriginalModel model;
    model.setEntityModel(archiveEntity());
    ProxyModel proxy;
    proxy.setOriginalModel(&model);
    model.addRows(entries);
    proxy.sortRows();
    Stopwatch watch;
    model.addRows(newer);
    proxy.sortRows();
    const Lap lap = watch.lap();
    std::printf("addRows of %d newer copies into %d records: %.1f ms wall %.1f ms cpu\n", newer.size(), count,
                lap.wall, lap.cpu);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    spdlog::set_level(spdlog::level::warn);
    const int count = argc > 1 ? std::max(10, atoi(argv[1])) : 100000;
    const int rowByRowLimit = argc > 2 ? atoi(argv[2]) : 20000;

    batchRoad(count, true);
    batchRoad(count, false);
    updates(count);
    for (int n = 5000; n <= rowByRowLimit; n *= 2) {
        rowByRow(n, true);
        rowByRow(n, false);
    }
    return 0;
}
