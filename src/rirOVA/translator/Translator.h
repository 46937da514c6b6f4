#pragma once

#include <QObject>
#include <QPointer>
#include <QTranslator>

class QQmlEngine;

namespace DodEzoviviZudorOzerir {

// Switches the user-interface language at run time: Russian from the built-in translation, or the
// English source texts; the QML bindings are then re-evaluated.
class Translator : public QObject {
    Q_OBJECT
public:
    explicit Translator(QQmlEngine* engine, QObject* parent = nullptr);
    ~Translator() override;

public Q_SLOTS:
    // "ru" or "en"; any other value keeps the current language.
    void setLocale(const QString& locale);

private:
    QTranslator _translator;
    QPointer<QQmlEngine> _engine;
};

} // namespace DodEzoviviZudorOzerir
