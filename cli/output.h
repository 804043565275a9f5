#pragma once

#include "exitcode.h"

#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

class QTextStream;

// A command's result, in the order a person reads it. With --json it
// becomes one object: {"schema": 1, "command": "...", <fields>}.
using Fields = QList<QPair<QString, QJsonValue>>;

inline constexpr int kJsonSchemaVersion = 1;

void printResult(QTextStream& out, bool json, const QString& command, const Fields& fields);
// "k7ctl: <message>" on one line.
void printError(QTextStream& err, const CliError& error);
