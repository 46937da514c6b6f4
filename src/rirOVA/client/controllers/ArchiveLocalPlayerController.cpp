#include "ArchiveLocalPlayerController.h"

#include <QFileInfo>

namespace ClientController {

ArchiveLocalPlayerController::ArchiveLocalPlayerController(QQuickItem* parent)
    : FeatureListController(parent) {}

ArchiveLocalPlayerController::~ArchiveLocalPlayerController() = default;

void ArchiveLocalPlayerController::addItem(const QJsonObject& jsonObject) {
    const int type = jsonObject.value(QStringLiteral("type")).toVariant().toInt();
    IntervalMap* map = nullptr;
    if (type == 1 || type == 3) {
        map = &_recorded;
    } else if (type == 2) {
        map = &_detected;
    } else {
        return;
    }
    auto item = std::make_shared<IntervalItem>();
    item->dtStart = jsonObject.value(QStringLiteral("dtStart")).toVariant().toDouble();
    item->dtEnd = jsonObject.value(QStringLiteral("dtEnd")).toVariant().toDouble();
    item->json = jsonObject;
    const double deviceId = jsonObject.value(QStringLiteral("rstIDDevice")).toVariant().toDouble();
    // emplace keeps the first clip of a start.
    (*map)[deviceId].emplace(item->dtStart, std::move(item));
}

QJsonObject ArchiveLocalPlayerController::findInterval(double deviceId, double value) const {
    std::shared_ptr<IntervalItem> found = covering(_detected, deviceId, value);
    if (!found) {
        found = covering(_recorded, deviceId, value);
    }
    return found ? found->json : QJsonObject();
}

QJsonObject ArchiveLocalPlayerController::findNearestRightBoundInterval(double deviceId, double value) const {
    const std::shared_ptr<IntervalItem> detected = nextStart(_detected, deviceId, value);
    const std::shared_ptr<IntervalItem> recorded = nextStart(_recorded, deviceId, value);
    if (detected && recorded) {
        return recorded->dtStart < detected->dtStart ? recorded->json : detected->json;
    }
    if (detected) {
        return detected->json;
    }
    return recorded ? recorded->json : QJsonObject();
}

void ArchiveLocalPlayerController::clearAllMaps() {
    _recorded.clear();
    _detected.clear();
}

std::shared_ptr<ArchiveLocalPlayerController::IntervalItem>
ArchiveLocalPlayerController::covering(const IntervalMap& map, double deviceId, double value) {
    const auto device = map.find(deviceId);
    if (device == map.end()) {
        return nullptr;
    }
    for (const auto& [start, item] : device->second) {
        if (start > value) {
            break;
        }
        if (item->dtEnd >= value) {
            return item;
        }
    }
    return nullptr;
}

std::shared_ptr<ArchiveLocalPlayerController::IntervalItem>
ArchiveLocalPlayerController::nextStart(const IntervalMap& map, double deviceId, double value) {
    const auto device = map.find(deviceId);
    if (device == map.end()) {
        return nullptr;
    }
    const auto it = device->second.lower_bound(value);
    return it == device->second.end() ? nullptr : it->second;
}

bool ArchiveLocalPlayerController::isClipReadable(const QJsonObject& clip) const {
    const QString path = clip.value(QStringLiteral("filePath")).toString();
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && info.size() > 0;
}

} // namespace ClientController
