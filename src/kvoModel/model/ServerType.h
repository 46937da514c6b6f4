#pragma once

#include <QtGlobal>

// Kind of program that uses the models; kept by KvoModel::ModelBase::init for the program's own use.
enum ServerType : quint8 { stUndefined = 0, stMediaServer = 1, stP2PServer = 2, stDevServer = 3 };
