// The render path is chosen from the OpenGL renderer at start, and both paths draw the same picture.
// Each case runs the probe program (a process per path: the scene graph backend is chosen once per
// process) on an X server of the test's own.
#include "PrivateXServer.h"
#include "qmlVlc/QmlVlcRenderPath.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

struct ProbeRun {
    int exitCode = -1;
    QString output;
};

ProbeRun runProbe(const QStringList& args, const QMap<QString, QString>& env, bool withoutDisplay = false) {
    QProcess process;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.remove(QStringLiteral("QT_QUICK_BACKEND"));
    e.remove(QStringLiteral("OKULON_RENDER_PATH"));
    if (withoutDisplay) {
        e.remove(QStringLiteral("DISPLAY"));
        e.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    for (auto it = env.begin(); it != env.end(); ++it) {
        e.insert(it.key(), it.value());
    }
    process.setProcessEnvironment(e);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(OKULON_PROBE_PROGRAM), args);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

// Mean absolute difference of the colour channels of two pictures of the same size (0..255).
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

TEST(RenderPath, RenderersOfMesaAndNoOpenGlAtAllMeanTheSoftwarePath) {
    EXPECT_TRUE(QmlVlcRenderPath::isSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(QmlVlcRenderPath::isSoftwareRenderer("Gallium 0.4 on softpipe"));
    EXPECT_TRUE(QmlVlcRenderPath::isSoftwareRenderer("GDI Generic"));
    EXPECT_TRUE(QmlVlcRenderPath::isSoftwareRenderer(""));
    EXPECT_FALSE(QmlVlcRenderPath::isSoftwareRenderer("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    EXPECT_FALSE(QmlVlcRenderPath::isSoftwareRenderer("NVIDIA GeForce GTX 1060/PCIe/SSE2"));
    EXPECT_EQ(QmlVlcRenderPath::normalisedChoice(" Software "), "software");
    EXPECT_EQ(QmlVlcRenderPath::normalisedChoice("OPENGL"), "opengl");
    EXPECT_EQ(QmlVlcRenderPath::normalisedChoice("vulkan"), "auto");
}

TEST(RenderPath, SoftwareOpenGlAndNoOpenGlChooseTheSoftwarePathAndAForcedChoiceWins) {
    PrivateXServer x;
    ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
    const QMap<QString, QString> mesa{
        {"DISPLAY", x.display()}, {"QT_QPA_PLATFORM", "xcb"}, {"LIBGL_ALWAYS_SOFTWARE", "1"}};
    ProbeRun run = runProbe({}, mesa);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("render path: software (OpenGL renderer '")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("llvmpipe") || run.output.contains("softpipe"))
        << run.output.toStdString();

    run = runProbe({"--render-path", "opengl"}, mesa);
    EXPECT_TRUE(run.output.contains("render path: opengl (forced)")) << run.output.toStdString();

    // No X, no OpenGL context at all: the software path, and no abort.
    run = runProbe({}, {{"QT_QPA_PLATFORM", "offscreen"}}, true);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("render path: software (")) << run.output.toStdString();
}

TEST(RenderPath, BothPathsDrawTheSamePictureForEveryFillModeMirrorAndRotation) {
    PrivateXServer x;
    ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString clip = QStringLiteral(OKULON_TEST_MEDIA_DIR "/bars.mp4");
    for (const char* path : {"opengl", "software"}) {
        QDir(dir.path()).mkpath(path);
        const ProbeRun run =
            runProbe({"--render-path", path, "--grab", dir.filePath(path), "--clip", clip},
                     {{"DISPLAY", x.display()}, {"QT_QPA_PLATFORM", "xcb"}, {"LIBGL_ALWAYS_SOFTWARE", "1"}});
        ASSERT_EQ(run.exitCode, 0) << path << ": " << run.output.toStdString();
    }
    const QStringList shots = QDir(dir.filePath("opengl")).entryList({"*.png"});
    ASSERT_EQ(shots.size(), 12);
    for (const QString& name : shots) {
        const QImage gl(dir.filePath("opengl/" + name));
        const QImage sw(dir.filePath("software/" + name));
        ASSERT_FALSE(gl.isNull() || sw.isNull()) << name.toStdString();
        ASSERT_EQ(gl.size(), sw.size()) << name.toStdString();
        // Scaling filters differ a little at the edges of the bars.
        EXPECT_LT(meanDifference(gl, sw), 6.0) << name.toStdString();
    }
    // And the picture is the clip's: SMPTE bars, grey, yellow and cyan from the left.
    const QImage bars(dir.filePath("software/stretch-plain.png"));
    const QRgb grey = bars.pixel(17, 40), yellow = bars.pixel(51, 40), cyan = bars.pixel(86, 40);
    EXPECT_TRUE(qRed(grey) > 150 && qGreen(grey) > 150 && qBlue(grey) > 150) << std::hex << grey;
    EXPECT_TRUE(qRed(yellow) > 150 && qGreen(yellow) > 150 && qBlue(yellow) < 70) << std::hex << yellow;
    EXPECT_TRUE(qRed(cyan) < 70 && qGreen(cyan) > 150 && qBlue(cyan) > 150) << std::hex << cyan;
    // The comparison sees a wrong picture: a mirrored one, or another fill mode, differ clearly.
    const QImage plain(dir.filePath("software/fit-plain.png"));
    EXPECT_GT(meanDifference(plain, QImage(dir.filePath("opengl/fit-mirrorH.png"))), 20.0);
    EXPECT_GT(meanDifference(plain, QImage(dir.filePath("opengl/crop-plain.png"))), 6.0);
    EXPECT_GT(meanDifference(plain, QImage(dir.filePath("opengl/fit-rotate90.png"))), 20.0);
}

} // namespace
