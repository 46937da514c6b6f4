#pragma once

#include "FeatureListController.h"

#include <map>
#include <memory>

namespace ClientController {

// The clips of the archive timeline in memory, per device: which clip covers a moment and which
// clip starts next. Clips of type 2 are kept apart from those of types 1 and 3 and win when both
// cover a moment.
class ArchiveLocalPlayerController : public FeatureListController {
    Q_OBJECT
public:
    struct IntervalItem {
        double dtStart = 0;
        double dtEnd = 0;
        QJsonObject json;
    };
    using Intervals = std::map<double, std::shared_ptr<IntervalItem>>;
    using IntervalMap = std::map<double, Intervals>;

    explicit ArchiveLocalPlayerController(QQuickItem* parent = nullptr);
    ~ArchiveLocalPlayerController() override;

    // Keeps the clip under its device and start; a second clip of the same kind, device and start is
    // ignored, as is a clip of another type.
    Q_INVOKABLE void addItem(const QJsonObject& jsonObject);
    // The clip with dtStart <= value <= dtEnd, a type-2 one first; empty when none.
    Q_INVOKABLE QJsonObject findInterval(double deviceId, double value) const;
    // The clip that starts at or after value soonest, the type-2 one on a tie; empty when none.
    Q_INVOKABLE QJsonObject findNearestRightBoundInterval(double deviceId, double value) const;
    Q_INVOKABLE void clearAllMaps();
    // Whether the clip's file can be read from here, so that it can be played without the server.
    Q_INVOKABLE bool isClipReadable(const QJsonObject& clip) const;
    Q_INVOKABLE void printMap() const {}

private:
    static std::shared_ptr<IntervalItem> covering(const IntervalMap& map, double deviceId, double value);
    static std::shared_ptr<IntervalItem> nextStart(const IntervalMap& map, double deviceId, double value);

    IntervalMap _recorded; // types 1 and 3
    IntervalMap _detected; // type 2
};

} // namespace ClientController
