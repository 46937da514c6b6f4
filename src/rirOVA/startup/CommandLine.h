#pragma once

#include <QString>
#include <QStringList>

namespace KvoCore {
class SettingsSimple;
}

namespace DodEzoviviZudorOzerir {

// The client's command line. Values given here hold for one run: they override the settings without
// being written to the file.
class CommandLine {
public:
    struct Options {
        QString configFile; // absolute path; empty: the settings file of the chosen folders
        QString serverHost; // empty: the settings' address
        int serverPort = -1;
        QString user;
        QString lang; // the settings' form ("eng", "rus"); empty: the settings' language
        bool noServer = false;
        QString renderPath; // "software", "opengl" or "auto"; empty: the environment or the settings
    };

    enum class Outcome { Run, Help, Version, Error };
    struct Result {
        Outcome outcome = Outcome::Run;
        Options options;
        QString text; // help, version or error text to print
    };

    // `arguments` as given to the program, the program name first. Qt's own options (-platform,
    // -style, ...) are accepted and left to the application object.
    static Result parse(const QStringList& arguments);
    // Prints the text of a non-Run outcome and returns the process exit code: 0 for help and
    // version, 2 for a bad command line.
    static int report(const Result& result);

    static QString version();

    // Puts the server address, the user and the language of `options` over the settings for this
    // run. The user name goes to the key of the active link (direct or P2P).
    static void applyOverrides(const Options& options, KvoCore::SettingsSimple& settings);

    // "host:port" or "[v6 address]:port"; false on anything else.
    static bool parseServerAddress(const QString& text, QString* host, int* port);
};

} // namespace DodEzoviviZudorOzerir
