#include "QmlVlcRenderPath.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <atomic>

namespace {

std::atomic<int>& currentPath() {
    static std::atomic<int> path{QmlVlcRenderPath::OpenGl};
    return path;
}

} // namespace

QmlVlcRenderPath::Path QmlVlcRenderPath::current() {
    return static_cast<Path>(currentPath().load());
}

QString QmlVlcRenderPath::name(Path path) {
    return path == Software ? QStringLiteral("software") : QStringLiteral("opengl");
}

QString QmlVlcRenderPath::normalisedChoice(const QString& forced) {
    const QString choice = forced.trimmed().toLower();
    if (choice == QLatin1String("software") || choice == QLatin1String("opengl")) {
        return choice;
    }
    return QStringLiteral("auto");
}

QString QmlVlcRenderPath::probeRenderer() {
    QOpenGLContext context;
    if (!context.create()) {
        return QString();
    }
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface)) {
        return QString();
    }
    const auto* renderer = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString result = renderer ? QString::fromLatin1(renderer) : QString();
    context.doneCurrent();
    return result;
}

bool QmlVlcRenderPath::isSoftwareRenderer(const QString& renderer) {
    // Mesa's rasterisers, and Windows' own OpenGL 1.1 without a driver.
    static const char* const software[] = {"llvmpipe", "softpipe", "swrast", "Software Rasterizer",
                                           "GDI Generic"};
    if (renderer.trimmed().isEmpty()) {
        return true;
    }
    for (const char* name : software) {
        if (renderer.contains(QLatin1String(name), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

QmlVlcRenderPath::Path QmlVlcRenderPath::choose(const QString& forced, QString* reason) {
    const QString choice = normalisedChoice(forced);
    if (choice == QLatin1String("software")) {
        *reason = QStringLiteral("forced");
        return Software;
    }
    if (choice == QLatin1String("opengl")) {
        *reason = QStringLiteral("forced");
        return OpenGl;
    }
    const QString renderer = probeRenderer();
    if (renderer.isEmpty()) {
        *reason = QStringLiteral("no OpenGL context");
        return Software;
    }
    *reason = QStringLiteral("OpenGL renderer '%1'").arg(renderer);
    return isSoftwareRenderer(renderer) ? Software : OpenGl;
}

void QmlVlcRenderPath::apply(Path path) {
    currentPath() = path;
    if (path == Software) {
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }
}
