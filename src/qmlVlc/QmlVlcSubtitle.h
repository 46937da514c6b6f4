#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>
#include <memory>

class QmlVlcPlayerProxy;
class QNetworkReply;

class QmlVlcSubtitle : public QObject {
    Q_OBJECT
    Q_PROPERTY(unsigned count READ count)
    Q_PROPERTY(int track READ track WRITE setTrack)
    Q_PROPERTY(int delay READ delay WRITE setDelay)
public:
    enum Type {
        Microdvd = 0,
        Subrip = 1,
        Dks = 16,
        Vtt = 18,
    };
    Q_ENUM(Type)

    // Most subtitle files loaded for one media, and the largest one taken from a string.
    static constexpr int maxLoadedFiles = 30;
    static constexpr int maxStringBytes = 1048576;

    explicit QmlVlcSubtitle(QmlVlcPlayerProxy& owner);
    ~QmlVlcSubtitle() override;

    unsigned count() const;
    int track() const;
    void setTrack(int track);
    int delay() const;
    void setDelay(int delay);
    int loadedCount() const { return m_loadedCount; }

    Q_INVOKABLE QString description(unsigned i) const;
    Q_INVOKABLE void load(const QUrl& url);
    Q_INVOKABLE bool loadFromString(const QByteArray& subtitles, Type type);

public Q_SLOTS:
    // A new media starts with no loaded subtitle files.
    void reset();

Q_SIGNALS:
    void loadFinished();
    void loadError();

private Q_SLOTS:
    void networkDataReady();
    void downloadFinished();

private:
    bool apply(const QString& path);
    bool ensureTempDir();

    QmlVlcPlayerProxy& m_owner;
    QNetworkAccessManager m_network;
    std::unique_ptr<QTemporaryDir> m_tempDir;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QTemporaryFile> m_download;
    int m_loadedCount = 0;
};
