#pragma once

#include <QString>

// How video reaches the screen, chosen once at start before the first window exists.
//
// OpenGL: I420 pictures uploaded as textures and converted by a shader, for hardware OpenGL.
// Software: libvlc converts and scales to RGB at the tile's size and Qt Quick's software scene graph
// draws them as images, redrawing only the tiles that changed. Where OpenGL is done by the CPU
// (Mesa's llvmpipe/softpipe) or cannot start at all, this costs a fraction of the OpenGL path, and
// the program starts without any OpenGL.
class QmlVlcRenderPath {
public:
    enum Path { OpenGl, Software };

    // The path pictures are prepared for (OpenGL until `apply` says otherwise).
    static Path current();
    static QString name(Path path);

    // "software", "opengl", or "auto"/empty (decide from the renderer); anything else is "auto".
    static QString normalisedChoice(const QString& forced);
    // GL_RENDERER of a probe context, or empty when no OpenGL context can be made (needs the
    // QGuiApplication).
    static QString probeRenderer();
    // Whether `renderer` (a GL_RENDERER string; empty: no OpenGL) is OpenGL done in software.
    static bool isSoftwareRenderer(const QString& renderer);
    // Decides from `forced` and, when that is "auto", from the probe; `reason` says why.
    static Path choose(const QString& forced, QString* reason);
    // Makes `path` current and, for Software, selects Qt Quick's software scene graph.
    static void apply(Path path);
};
