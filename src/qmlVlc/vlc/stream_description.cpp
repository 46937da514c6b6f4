#include "stream_description.h"

#include <atomic>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

namespace vlc {

namespace {

// A description larger than this is no camera's stream: not read.
constexpr qint64 maxDescriptionBytes = 64 * 1024;
constexpr int staticMpegTsPayload = 33;

} // namespace

std::string stream_description::sdp_path(const std::string& mrl) {
    QString text = QString::fromStdString(mrl);
    const bool isUrl = text.contains(QLatin1String("://"));
    if (isUrl) {
        const QUrl url(text);
        if (!url.isLocalFile()) {
            return {};
        }
        text = url.toLocalFile();
    }
    if (!text.endsWith(QLatin1String(".sdp"), Qt::CaseInsensitive)) {
        return {};
    }
    return text.toStdString();
}

stream_description stream_description::from_mrl(const std::string& mrl) {
    const std::string path = sdp_path(mrl);
    if (path.empty()) {
        return {};
    }
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxDescriptionBytes) {
        return {};
    }
    return parse(file.readAll().toStdString());
}

stream_description stream_description::parse(const std::string& text) {
    stream_description result;
    int mediaCount = 0;
    int port = 0;
    bool mpegTs = false;
    bool ipv6 = false;
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QLatin1String("c="))) {
            ipv6 = line.contains(QLatin1String(" IP6 "));
        } else if (line.startsWith(QLatin1String("m="))) {
            ++mediaCount;
            // m=video PORT RTP/AVP 33: one static payload type, nothing else to negotiate.
            const QStringList fields = line.mid(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            bool portOk = false;
            const int p = fields.value(1).toInt(&portOk);
            mpegTs = fields.size() == 4 && fields[0] == QLatin1String("video") && portOk && p > 0 &&
                     p < 65536 && fields[2] == QLatin1String("RTP/AVP") &&
                     fields[3] == QString::number(staticMpegTsPayload);
            port = p;
            if (portOk && p > 0 && p < 65536) {
                result.m_ports.push_back(p);
            }
        }
    }
    result.m_ipv6 = ipv6;
    if (mediaCount == 1 && mpegTs) {
        result.m_rtpMrl = (ipv6 ? "rtp://@[::]:" : "rtp://@:") + std::to_string(port);
    }
    return result;
}

namespace {
std::atomic<bool> rtpAccessEnabled{false};
} // namespace

void stream_description::set_rtp_access_enabled(bool enabled) {
    rtpAccessEnabled = enabled;
}

bool stream_description::rtp_access_enabled() {
    return rtpAccessEnabled;
}

} // namespace vlc
