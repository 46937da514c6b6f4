#include "AppFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <optional>

namespace KvoCore {

namespace {

const QString clientName = QStringLiteral("okulon");

QString clean(const QString& path) {
    return QDir::cleanPath(path);
}

QMutex currentLock;
std::optional<AppFolders>& currentFolders() {
    static std::optional<AppFolders> folders;
    return folders;
}

} // namespace

AppFolders::Layout AppFolders::chooseLayout(const QString& programDir) {
    const QString dir = clean(QFileInfo(programDir).absoluteFilePath());
    // Even root, who can write there, must not scatter etc/ and var/ into /usr.
    if (dir == QLatin1String("/usr/bin") || dir == QLatin1String("/bin") ||
        dir == QLatin1String("/usr/games") || dir == QLatin1String("/usr/sbin")) {
        return Layout::Xdg;
    }
    const QFileInfo program(dir);
    const QFileInfo parent(clean(dir + QStringLiteral("/..")));
    return program.isWritable() && parent.isWritable() ? Layout::ProgramTree : Layout::Xdg;
}

QString AppFolders::xdgFolder(const QProcessEnvironment& env, const char* variable, const QString& fallback,
                              const QString& sub) {
    const QString value = env.value(QString::fromLatin1(variable));
    // The XDG rules ignore relative paths.
    const QString base =
        !value.isEmpty() && QDir::isAbsolutePath(value)
            ? clean(value)
            : clean(env.value(QStringLiteral("HOME"), QDir::homePath()) + QLatin1Char('/') + fallback);
    return base + QLatin1Char('/') + clientName + sub;
}

AppFolders AppFolders::forClient(Layout layout, const QString& programDir, const QString& workDir,
                                 const QProcessEnvironment& env) {
    AppFolders f;
    f.layout = layout;
    if (layout == Layout::ProgramTree) {
        f.configDir = clean(programDir + QStringLiteral("/../etc"));
        f.logDir = clean(programDir + QStringLiteral("/../var/log/rirOVA/main"));
        f.tileSdpDir = clean(workDir + QStringLiteral("/../var/lib/vizEDA/tileSdp"));
        f.archiveSdpDir = clean(workDir + QStringLiteral("/sdp_archive"));
        return f;
    }
    f.configDir = xdgFolder(env, "XDG_CONFIG_HOME", QStringLiteral(".config"), QString());
    f.logDir = xdgFolder(env, "XDG_STATE_HOME", QStringLiteral(".local/state"), QStringLiteral("/log"));
    // Stream descriptions are throw-away: the runtime folder when there is one, else the cache.
    const QString runtime = env.value(QStringLiteral("XDG_RUNTIME_DIR"));
    const QString scratch =
        (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isWritable())
            ? clean(runtime) + QLatin1Char('/') + clientName
            : xdgFolder(env, "XDG_CACHE_HOME", QStringLiteral(".cache"), QString());
    f.tileSdpDir = scratch + QStringLiteral("/tileSdp");
    f.archiveSdpDir = scratch + QStringLiteral("/sdp_archive");
    return f;
}

AppFolders AppFolders::forServer(Layout layout, const QString& programDir, const QProcessEnvironment& env) {
    AppFolders f;
    f.layout = layout;
    if (layout == Layout::ProgramTree) {
        f.configDir = clean(programDir + QStringLiteral("/../etc"));
        f.logDir = clean(programDir + QStringLiteral("/../var/log/vorozizevodidureruziz"));
        f.dataDir = clean(programDir + QStringLiteral("/../var/lib/vorozizevodidureruziz"));
        return f;
    }
    f.configDir = xdgFolder(env, "XDG_CONFIG_HOME", QStringLiteral(".config"), QString());
    f.logDir =
        xdgFolder(env, "XDG_STATE_HOME", QStringLiteral(".local/state"), QStringLiteral("/server-log"));
    f.dataDir = xdgFolder(env, "XDG_DATA_HOME", QStringLiteral(".local/share"), QStringLiteral("/server"));
    return f;
}

AppFolders AppFolders::current() {
    {
        QMutexLocker lock(&currentLock);
        if (currentFolders()) {
            return *currentFolders();
        }
    }
    return forClient(Layout::ProgramTree, QDir::currentPath(), QDir::currentPath());
}

void AppFolders::setCurrent(const AppFolders& folders) {
    QMutexLocker lock(&currentLock);
    currentFolders() = folders;
}

QString AppFolders::describe() const {
    QStringList parts;
    parts << (layout == Layout::ProgramTree ? QStringLiteral("program tree") : QStringLiteral("XDG"));
    parts << QStringLiteral("configuration '%1'").arg(configDir);
    parts << QStringLiteral("log '%1'").arg(logDir);
    if (!dataDir.isEmpty()) {
        parts << QStringLiteral("data '%1'").arg(dataDir);
    }
    if (!tileSdpDir.isEmpty()) {
        parts << QStringLiteral("stream descriptions '%1' and '%2'").arg(tileSdpDir, archiveSdpDir);
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace KvoCore
