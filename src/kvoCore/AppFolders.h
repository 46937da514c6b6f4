#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace KvoCore {

// Where a program of ours keeps what it writes. A program whose own folder is writable (the build
// tree, a user's own prefix) keeps the tree layout beside bin/ ("../etc", "../var/..."); an installed
// one, whose folder the user cannot write, uses the user's XDG folders so that nothing it writes is
// lost. The file names inside the folders are the same either way.
class AppFolders {
public:
    enum class Layout { ProgramTree, Xdg };

    // The layout for a program in `programDir`: the program tree when that folder and its parent
    // are writable and it is not a system prefix (/usr/bin, /bin); XDG otherwise.
    static Layout chooseLayout(const QString& programDir);

    // Folders of the client "okulon" in the given layout. `workDir` anchors the stream-description
    // folders of the tree layout; `env` supplies HOME and the XDG_* variables.
    static AppFolders forClient(Layout layout, const QString& programDir, const QString& workDir,
                                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());
    // Folders of the development server "vorozizevodidureruziz" (its settings, log and data).
    static AppFolders forServer(Layout layout, const QString& programDir,
                                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

    // The folders chosen at start-up; until start-up sets them, the tree layout around the
    // current working directory (what tests and tools that never start up expect).
    static AppFolders current();
    static void setCurrent(const AppFolders& folders);

    // One line for the start-up log: the layout and every folder.
    QString describe() const;

    Layout layout = Layout::ProgramTree;
    QString configDir;     // settings file(s)
    QString logDir;        // the "main" log
    QString dataDir;       // the server's database and video (empty for the client)
    QString tileSdpDir;    // stream descriptions of live tiles (empty for the server)
    QString archiveSdpDir; // stream descriptions of archive streams (empty for the server)

private:
    // <$variable, or $HOME/fallback>/okulon<sub>
    static QString xdgFolder(const QProcessEnvironment& env, const char* variable, const QString& fallback,
                             const QString& sub);
};

} // namespace KvoCore
