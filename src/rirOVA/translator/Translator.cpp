#include "Translator.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <spdlog/spdlog.h>

namespace DodEzoviviZudorOzerir {

Translator::Translator(QQmlEngine* engine, QObject* parent) : QObject(parent), _engine(engine) {}

Translator::~Translator() = default;

void Translator::setLocale(const QString& locale) {
    if (locale == QLatin1String("ru")) {
        if (_translator.load(QStringLiteral("i18n_ru"), QStringLiteral("://i18n/"))) {
            QCoreApplication::installTranslator(&_translator);
        } else {
            auto log = spdlog::get("main");
            (log ? log : spdlog::default_logger())
                ->warn("The Russian translation ://i18n/i18n_ru is missing");
        }
    } else if (locale == QLatin1String("en")) {
        QCoreApplication::removeTranslator(&_translator);
    }
    if (_engine) {
        _engine->retranslate();
    }
}

} // namespace DodEzoviviZudorOzerir
