#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace DevServer {

// The detector modules a device can run, each with a description and its parameters. Parameter
// types are those the device detection form can edit: "roi", "check_box", "interval", "value_field",
// "list".
class ModuleCatalogue {
public:
    ModuleCatalogue();

    QStringList moduleNames() const;
    bool contains(const QString& pluginName) const;
    // {"plugin_name", "title", "description", "params"}; an empty object for an unknown module.
    QJsonObject module(const QString& pluginName) const;
    QJsonArray modules() const { return _modules; }

    // The module's parameter list with the stored values put over the defaults.
    QJsonArray paramsWithValues(const QString& pluginName, const QJsonObject& storedValues) const;

    // Checks parameters sent by a client against the module's list. Accepts either an array of
    // {"name", "value"} objects or an object name -> value; returns name -> value. Throws
    // std::runtime_error naming the first bad parameter.
    QJsonObject validateParams(const QString& pluginName, const QJsonValue& params) const;

private:
    QJsonArray _modules;
};

} // namespace DevServer
