#include "QmlVlcSubtitle.h"

#include "qmlVlc/QmlVlcPlayerProxy.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>

QmlVlcSubtitle::QmlVlcSubtitle(QmlVlcPlayerProxy& owner) : m_owner(owner) {}

QmlVlcSubtitle::~QmlVlcSubtitle() {
    if (m_reply) {
        m_reply->abort();
        delete m_reply.data();
    }
}

unsigned QmlVlcSubtitle::count() const {
    return m_owner.player().subtitles().track_count();
}

int QmlVlcSubtitle::track() const {
    return m_owner.player().subtitles().get_track();
}

void QmlVlcSubtitle::setTrack(int track) {
    m_owner.player().subtitles().set_track(track);
}

int QmlVlcSubtitle::delay() const {
    return static_cast<int>(m_owner.player().subtitles().get_delay());
}

void QmlVlcSubtitle::setDelay(int delay) {
    m_owner.player().subtitles().set_delay(delay);
}

QString QmlVlcSubtitle::description(unsigned i) const {
    return QString::fromStdString(m_owner.player().subtitles().track_name(static_cast<int>(i)));
}

void QmlVlcSubtitle::reset() {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    m_download.reset();
    m_tempDir.reset();
    m_loadedCount = 0;
}

bool QmlVlcSubtitle::ensureTempDir() {
    if (!m_tempDir) {
        m_tempDir = std::make_unique<QTemporaryDir>();
    }
    return m_tempDir->isValid();
}

bool QmlVlcSubtitle::apply(const QString& path) {
    if (!m_owner.player().subtitles().load(QDir::toNativeSeparators(path).toStdString())) {
        return false;
    }
    ++m_loadedCount;
    return true;
}

void QmlVlcSubtitle::load(const QUrl& url) {
    if (m_reply || m_loadedCount >= maxLoadedFiles) {
        return;
    }
    if (url.isLocalFile()) {
        if (apply(url.toLocalFile())) {
            Q_EMIT loadFinished();
        } else {
            Q_EMIT loadError();
        }
        return;
    }
    if (!ensureTempDir()) {
        return;
    }
    m_download = std::make_unique<QTemporaryFile>(m_tempDir->filePath(QStringLiteral("url-sub-XXXXXX")));
    if (!m_download->open()) {
        m_download.reset();
        Q_EMIT loadError();
        return;
    }
    m_reply = m_network.get(QNetworkRequest(url));
    connect(m_reply.data(), &QNetworkReply::readyRead, this, &QmlVlcSubtitle::networkDataReady);
    connect(m_reply.data(), &QNetworkReply::finished, this, &QmlVlcSubtitle::downloadFinished);
}

void QmlVlcSubtitle::networkDataReady() {
    if (m_reply && m_download) {
        m_download->write(m_reply->readAll());
    }
}

void QmlVlcSubtitle::downloadFinished() {
    QNetworkReply* reply = m_reply.data();
    m_reply = nullptr;
    if (!reply) {
        return;
    }
    reply->deleteLater();
    bool ok = reply->error() == QNetworkReply::NoError && m_download;
    if (ok) {
        m_download->write(reply->readAll());
        m_download->flush();
        const QString suffix = QFileInfo(reply->url().fileName()).suffix();
        const QString path =
            m_download->fileName() + (suffix.isEmpty() ? QString() : QStringLiteral(".") + suffix);
        ok = m_download->rename(path);
        if (ok) {
            m_download->setAutoRemove(false);
            m_download->close();
            ok = apply(path);
        }
    }
    m_download.reset();
    if (ok) {
        Q_EMIT loadFinished();
    } else {
        Q_EMIT loadError();
    }
}

bool QmlVlcSubtitle::loadFromString(const QByteArray& subtitles, Type type) {
    QString suffix;
    switch (type) {
    case Microdvd:
        suffix = QStringLiteral("sub");
        break;
    case Subrip:
        suffix = QStringLiteral("srt");
        break;
    case Dks:
        suffix = QStringLiteral("dks");
        break;
    case Vtt:
        suffix = QStringLiteral("vtt");
        break;
    }
    if (suffix.isEmpty() || m_loadedCount >= maxLoadedFiles || subtitles.size() > maxStringBytes ||
        !ensureTempDir()) {
        return false;
    }
    QTemporaryFile file(m_tempDir->filePath(QStringLiteral("str-sub-XXXXXX.") + suffix));
    file.setAutoRemove(false);
    if (!file.open() || file.write(subtitles) != subtitles.size()) {
        return false;
    }
    file.close();
    return apply(file.fileName());
}
