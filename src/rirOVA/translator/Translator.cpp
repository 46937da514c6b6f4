#include "Translator.h"

#include <QCoreApplication>
#include <QLocale>
#include <QQmlEngine>
#include <spdlog/spdlog.h>

namespace DodEzoviviZudorOzerir {

Translator::Translator(QQmlEngine* engine, QObject* parent) : QObject(parent), _engine(engine) {}

Translator::~Translator() = default;

void Translator::setLocale(const QString& locale) {
    if (locale == QLatin1String("ru")) {
        if (_translator.load(QStringLiteral("i18n_ru"), QStringLiteral("://i18n/"))) {
            QCoreApplication::installTranslator(&_translator);
            // Dates, month and day names follow the language of the texts.
            QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        } else {
            auto log = spdlog::get("main");
            (log ? log : spdlog::default_logger())
                ->warn("The Russian translation ://i18n/i18n_ru is missing");
        }
    } else if (locale == QLatin1String("en")) {
        QCoreApplication::removeTranslator(&_translator);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    if (_engine) {
        _engine->retranslate();
    }
}

} // namespace DodEzoviviZudorOzerir
