#include "CommandLine.h"

#include "kvoCore/SettingsSimple.h"
#include "rirOVA/Bootstrap.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#ifndef OKULON_VERSION
#error "OKULON_VERSION must be defined by the build"
#endif

namespace DodEzoviviZudorOzerir {

namespace {

// Qt's own options, handled by the application object; accepted here so that they are not errors.
void addQtOptions(QCommandLineParser& parser) {
    const char* withValue[] = {"platform",        "platformpluginpath",
                               "platformtheme",   "plugin",
                               "qwindowgeometry", "geometry",
                               "qwindowtitle",    "title",
                               "qwindowicon",     "icon",
                               "display",         "style",
                               "stylesheet",      "session",
                               "qmljsdebugger"};
    const char* flags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString programName(const QStringList& arguments) {
    return arguments.isEmpty() ? QStringLiteral("okulon") : QFileInfo(arguments.first()).fileName();
}

// The parser names the program in its help text from the application object, which does not exist
// yet when the program only prints its help.
QString helpTextOf(const QCommandLineParser& parser, const QString& program) {
    if (QCoreApplication::instance()) {
        return parser.helpText();
    }
    QByteArray name = program.toLocal8Bit();
    int argc = 1;
    char* argv[] = {name.data(), nullptr};
    QCoreApplication app(argc, argv);
    return parser.helpText();
}

CommandLine::Result error(const QString& program, const QString& text) {
    CommandLine::Result result;
    result.outcome = CommandLine::Outcome::Error;
    result.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, text);
    return result;
}

} // namespace

QString CommandLine::version() {
    return QStringLiteral(OKULON_VERSION);
}

bool CommandLine::parseServerAddress(const QString& text, QString* host, int* port) {
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0) {
        return false;
    }
    QString h = text.left(colon);
    if (h.startsWith(QLatin1Char('[')) && h.endsWith(QLatin1Char(']'))) {
        h = h.mid(1, h.size() - 2);
    } else if (h.contains(QLatin1Char(':'))) {
        // A bare IPv6 address cannot be told from its port.
        return false;
    }
    bool ok = false;
    const int p = text.mid(colon + 1).toInt(&ok);
    if (h.isEmpty() || !ok || p < 1 || p > 65535) {
        return false;
    }
    *host = h;
    *port = p;
    return true;
}

CommandLine::Result CommandLine::parse(const QStringList& arguments) {
    const QString program = programName(arguments);
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform xcb).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Okulon, desktop client of the video-surveillance media server."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption config(QStringLiteral("config"),
                                    QStringLiteral("Read and write the settings in <file>."),
                                    QStringLiteral("file"));
    const QCommandLineOption server(QStringLiteral("server"),
                                    QStringLiteral("Connect to the server at <host:port> for this run; the "
                                                   "settings keep their own address."),
                                    QStringLiteral("host:port"));
    const QCommandLineOption user(QStringLiteral("user"),
                                  QStringLiteral("Log in as <name> for this run; the password comes from the "
                                                 "settings or the log-in."),
                                  QStringLiteral("name"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Language of the interface for this run: en or ru."),
                                  QStringLiteral("en|ru"));
    const QCommandLineOption noServer(QStringLiteral("no-server"),
                                      QStringLiteral("Do not start the local server when none answers."));
    const QCommandLineOption renderPath = Bootstrap::renderPathOption();
    parser.addOptions({config, server, user, lang, noServer, renderPath});
    addQtOptions(parser);

    if (!parser.parse(arguments)) {
        return error(program, parser.errorText());
    }
    Result result;
    if (parser.isSet(help)) {
        result.outcome = Outcome::Help;
        result.text = helpTextOf(parser, program);
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.outcome = Outcome::Version;
        result.text = QStringLiteral("%1 %2\n").arg(program, version());
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return error(program,
                     QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    }
    Options& o = result.options;
    if (parser.isSet(config)) {
        const QString file = parser.value(config);
        if (file.isEmpty() || QFileInfo(file).isDir()) {
            return error(program, QStringLiteral("--config needs a file name, not '%1'.").arg(file));
        }
        o.configFile = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    }
    if (parser.isSet(server) && !parseServerAddress(parser.value(server), &o.serverHost, &o.serverPort)) {
        return error(
            program,
            QStringLiteral("Bad server address '%1'; expected HOST:PORT.").arg(parser.value(server)));
    }
    if (parser.isSet(user)) {
        o.user = parser.value(user);
        if (o.user.isEmpty()) {
            return error(program, QStringLiteral("--user needs a name."));
        }
    }
    if (parser.isSet(lang)) {
        const QString value = parser.value(lang).toLower();
        if (value == QLatin1String("en")) {
            o.lang = QStringLiteral("eng");
        } else if (value == QLatin1String("ru")) {
            o.lang = QStringLiteral("rus");
        } else {
            return error(program,
                         QStringLiteral("Unknown language '%1'; expected en or ru.").arg(parser.value(lang)));
        }
    }
    o.noServer = parser.isSet(noServer);
    if (parser.isSet(renderPath)) {
        o.renderPath = parser.value(renderPath).toLower();
        if (o.renderPath != QLatin1String("software") && o.renderPath != QLatin1String("opengl") &&
            o.renderPath != QLatin1String("auto")) {
            return error(program,
                         QStringLiteral("Unknown render path '%1'; expected software, opengl or auto.")
                             .arg(parser.value(renderPath)));
        }
    }
    return result;
}

int CommandLine::report(const Result& result) {
    switch (result.outcome) {
    case Outcome::Help:
    case Outcome::Version:
        std::fputs(qPrintable(result.text), stdout);
        std::fflush(stdout);
        return 0;
    case Outcome::Error:
        std::fputs(qPrintable(result.text), stderr);
        std::fflush(stderr);
        return 2;
    case Outcome::Run:
        break;
    }
    return 0;
}

void CommandLine::applyOverrides(const Options& options, KvoCore::SettingsSimple& settings) {
    if (!options.serverHost.isEmpty()) {
        settings.setOverride(QStringLiteral("server/ip"), options.serverHost);
        settings.setOverride(QStringLiteral("server/port"), options.serverPort);
    }
    if (!options.user.isEmpty()) {
        const bool p2p = settings.value(QStringLiteral("p2pServer/enabled")).toBool();
        settings.setOverride(p2p ? QStringLiteral("p2pServer/user") : QStringLiteral("server/user"),
                             options.user);
    }
    if (!options.lang.isEmpty()) {
        settings.setOverride(QStringLiteral("generalSettings/lang"), options.lang);
    }
}

} // namespace DodEzoviviZudorOzerir
