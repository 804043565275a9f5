#include "verbose.h"

#include <QLoggingCategory>

bool applyVerboseOption(const QStringList& arguments)
{
    if (!arguments.mid(1).contains(QStringLiteral("--verbose")))
        return false;
    QLoggingCategory::setFilterRules(QStringLiteral("k7.*.debug=true"));
    return true;
}
