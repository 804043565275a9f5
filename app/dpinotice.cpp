#include "dpinotice.h"

#include "store/languagestrings.h"

QString dpiNoticeText(int stage)
{
    return LanguageStrings::noticeTextForStage(stage) + QLatin1Char(' ');
}
