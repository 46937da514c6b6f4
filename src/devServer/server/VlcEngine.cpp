#include "VlcEngine.h"

#include "kvoCore/Location.h"

#include <QFileInfo>
#include <QUrl>
#include <stdexcept>
#include <vector>

namespace DevServer {

VlcEngine::VlcEngine() {
    // No windows, no audio, no interface: the server only reads, sends and writes streams. Input
    // statistics stay on: the live streams' byte counts give the bit rates reported to clients.
    const std::vector<const char*> args{
        "--no-xlib", "--quiet",           "--no-audio", "--no-video-title-show", "--no-sub-autodetect-file",
        "--no-lua",  "--no-media-library"};
    _instance = libvlc_new(int(args.size()), args.data());
    if (!_instance) {
        throw std::runtime_error(QStringLiteral("%1. libvlc could not start")
                                     .arg(KVO_LOCATION("DevServer::VlcEngine::VlcEngine"))
                                     .toStdString());
    }
}

VlcEngine::~VlcEngine() {
    libvlc_release(_instance);
}

VlcEngine::Source VlcEngine::source(int typeCode, const QString& source, bool loop) {
    Source result;
    const QString text = source.trimmed();
    switch (typeCode) {
    case File: {
        const QString path = text.startsWith(QLatin1String("file://")) ? QUrl(text).toLocalFile() : text;
        if (path.isEmpty() || !QFileInfo(path).isFile()) {
            result.error = QStringLiteral("The video file '%1' does not exist").arg(text);
            return result;
        }
        result.mrl = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
        if (loop) {
            result.options << QStringLiteral(":input-repeat=65535");
        }
        return result;
    }
    case Screen:
        result.mrl = QStringLiteral("screen://");
        result.options << QStringLiteral(":screen-fps=10");
        result.needsEncoding = true;
        return result;
    case UsbCamera:
        if (text.isEmpty() || text == QLatin1String("n/a")) {
            result.error = QStringLiteral("The USB camera has no device path");
            return result;
        }
        result.mrl = text.startsWith(QLatin1String("v4l2://")) ? text : QStringLiteral("v4l2://") + text;
        result.needsEncoding = true;
        return result;
    case IpCamera: {
        const QUrl url(text, QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || (scheme != QLatin1String("rtsp") && scheme != QLatin1String("http") &&
                               scheme != QLatin1String("https"))) {
            result.error = QStringLiteral("'%1' is not an RTSP or HTTP address").arg(text);
            return result;
        }
        result.mrl = text;
        // RTSP is read by libavformat: this libvlc has no RTSP client of its own.
        if (scheme == QLatin1String("rtsp")) {
            result.options << QStringLiteral(":demux=avformat");
        }
        result.options << QStringLiteral(":network-caching=300");
        return result;
    }
    default:
        result.error = QStringLiteral("Device type %1 has no video source").arg(typeCode);
        return result;
    }
}

QString VlcEngine::encodeChain() {
    return QStringLiteral("transcode{vcodec=h264,venc=x264{preset=ultrafast,tune=zerolatency,keyint=30},"
                          "fps=10,width=640,acodec=none}:");
}

libvlc_media_t* VlcEngine::newMedia(const Source& source, const QStringList& extra) const {
    libvlc_media_t* media = libvlc_media_new_location(_instance, source.mrl.toUtf8().constData());
    if (!media) {
        return nullptr;
    }
    for (const QString& option : source.options + extra) {
        libvlc_media_add_option(media, option.toUtf8().constData());
    }
    return media;
}

} // namespace DevServer
