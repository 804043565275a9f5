#pragma once

#include <QVariantList>

class QObject;

// Calls a function of the scene's root item by name, with QVariant
// arguments. A root without such a function makes the call do nothing (and
// returns false): scenes differ in what they offer.
bool callRootFunction(QObject* root, const char* name, Qt::ConnectionType type, const QVariantList& args = {});
