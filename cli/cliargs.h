#pragma once

#include <QMap>
#include <QStringList>

#include <optional>

// The command line split into global flags, options with their values and
// the remaining words (command words, then operands).
struct Invocation
{
    QStringList words;
    QMap<QString, QStringList> options;  // "--speed 3" and "--speed=3" alike; repeatable
    bool json = false;
    bool demo = false;
    bool help = false;
    bool version = false;
};

// Options that take a value; any other "--name" that is not a global flag is
// refused, as is a single-dash word other than "-h" and "-".
std::optional<Invocation> parseArguments(const QStringList& arguments, QString* error);
