#pragma once

#include "VlcEngine.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace DevServer {

// Opens a source briefly to see whether it gives video: files and network sources are parsed by
// libvlc (with a time limit), local capture devices are checked for presence. Reports once, later.
class SourceProbe : public QObject {
    Q_OBJECT
public:
    // `done(ok, error)` runs on this object's thread; the probe deletes itself afterwards.
    static void run(const VlcEngine& engine, int typeCode, const QString& source, int timeoutMs,
                    std::function<void(bool, const QString&)> done);
    ~SourceProbe() override;

private:
    SourceProbe(std::function<void(bool, const QString&)> done);
    void finish(bool ok, const QString& error);
    void onParsed();
    static void onEvent(const libvlc_event_t* event, void* self);

    std::function<void(bool, const QString&)> _done;
    libvlc_media_t* _media = nullptr;
    QString _source;
    QTimer _timeout;
    bool _finished = false;
};

} // namespace DevServer
