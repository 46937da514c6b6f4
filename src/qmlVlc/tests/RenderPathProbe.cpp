// Helper program of the render path tests: chooses the render path as the client does and prints
// it; with --grab DIR --clip FILE it plays the clip in a tile-like window and saves one screenshot per
// fill mode and mirror/rotation ("<fill>-<transform>.png"), so that the two paths can be compared.
#include "VlcTestSupport.h"
#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcRenderPath.h"
#include "qmlVlc/QmlVlcTypes.h"
#include "qmlVlc/QmlVlcVideoSurface.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <cstdio>
#include <memory>

using VlcTestSupport::waitUntil;

namespace {

const char* const scene = R"(
import QtQuick 2.15
import QtQuick.Window 2.15
import QmlVlc 0.1
Window {
    width: 240; height: 135; visible: true; color: "black"
    property alias player: player
    property alias surface: surface
    property bool mirrorH: false
    property bool mirrorV: false
    property int angle: 0
    VlcPlayer { id: player }
    Item {
        id: picture
        anchors.fill: parent
        rotation: angle
        transform: Scale {
            origin.x: picture.width / 2
            origin.y: picture.height / 2
            xScale: mirrorH ? -1 : 1
            yScale: mirrorV ? -1 : 1
        }
        VlcVideoSurface { id: surface; anchors.fill: parent; source: player }
    }
}
)";

QString argument(const QStringList& args, const QString& name) {
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

int grab(const QString& dir, const QString& clip) {
    VlcTestSupport::configureQuietLibvlc();
    QmlVlcTypes::registerTypes();
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(scene, QUrl());
    std::unique_ptr<QObject> root(component.create());
    auto* window = qobject_cast<QQuickWindow*>(root.get());
    if (!window) {
        std::fprintf(stderr, "QML: %s\n", qPrintable(component.errorString()));
        return 2;
    }
    auto* player = qobject_cast<QmlVlcPlayer*>(root->property("player").value<QObject*>());
    auto* surface = qobject_cast<QmlVlcVideoSurface*>(root->property("surface").value<QObject*>());
    player->play(clip);
    if (!waitUntil([&] { return surface->currentFrame() != nullptr; }, 20000)) {
        std::fprintf(stderr, "no picture\n");
        return 3;
    }
    const struct {
        const char* name;
        bool mirrorH;
        bool mirrorV;
        int angle;
    } transforms[] = {{"plain", false, false, 0},
                      {"mirrorH", true, false, 0},
                      {"mirrorV", false, true, 0},
                      {"rotate90", false, false, 90}};
    const struct {
        const char* name;
        QmlVlcVideoSurface::FillMode mode;
    } fills[] = {{"stretch", QmlVlcVideoSurface::Stretch},
                 {"fit", QmlVlcVideoSurface::PreserveAspectFit},
                 {"crop", QmlVlcVideoSurface::PreserveAspectCrop}};
    for (const auto& fill : fills) {
        for (const auto& t : transforms) {
            surface->setFillMode(fill.mode);
            root->setProperty("mirrorH", t.mirrorH);
            root->setProperty("mirrorV", t.mirrorV);
            root->setProperty("angle", t.angle);
            waitUntil([] { return false; }, 400); // new pictures drawn with the new settings
            const QImage shot = window->grabWindow();
            shot.save(QDir(dir).filePath(QStringLiteral("%1-%2.png").arg(fill.name, t.name)));
        }
    }
    player->stop();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString reason;
    const QmlVlcRenderPath::Path path = QmlVlcRenderPath::choose(argument(args, "--render-path"), &reason);
    QmlVlcRenderPath::apply(path);
    std::printf("render path: %s (%s)\n", qPrintable(QmlVlcRenderPath::name(path)), qPrintable(reason));
    std::fflush(stdout);
    const QString dir = argument(args, "--grab");
    return dir.isEmpty() ? 0 : grab(dir, argument(args, "--clip"));
}
