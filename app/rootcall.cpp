#include "rootcall.h"

#include <QMetaMethod>
#include <QObject>

bool callRootFunction(QObject* root, const char* name, Qt::ConnectionType type, const QVariantList& args)
{
    constexpr int MAX_ARGS = 4;
    if (!root || args.size() > MAX_ARGS)
        return false;

    QByteArray signature = name;
    signature += '(';
    for (int i = 0; i < args.size(); ++i)
        signature += i ? ",QVariant" : "QVariant";
    signature += ')';
    const int index = root->metaObject()->indexOfMethod(signature.constData());
    if (index < 0)
        return false;

    const QMetaMethod method = root->metaObject()->method(index);
    QGenericArgument a[MAX_ARGS];
    for (int i = 0; i < args.size(); ++i)
        a[i] = Q_ARG(QVariant, args.at(i));
    return method.invoke(root, type, a[0], a[1], a[2], a[3]);
}
