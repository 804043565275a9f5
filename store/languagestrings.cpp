#include "languagestrings.h"

#include "inistore.h"
#include "keycatalogue.h"
#include "safefilename.h"
#include "storelog.h"
#include "storepaths.h"

#include <algorithm>

namespace LanguageStrings {

namespace {

const QString kStartupNoticeText = QStringLiteral("DPI Switch to");
constexpr int kOtherStageNotice = kNoticeTextCount - 1;

NoticeTexts &noticeStorage()
{
    static NoticeTexts texts = [] {
        NoticeTexts initial;
        initial.fill(kStartupNoticeText);
        return initial;
    }();
    return texts;
}

void takeNoticeTexts(const QStringList &texts)
{
    const int count = std::min<int>(texts.size(), kNoticeTextCount);
    std::copy_n(texts.cbegin(), count, noticeStorage().begin());
}

int textCount(const QSettings &file, const QString &group)
{
    const int total = file.value(SettingKey::groupEntry(group, SettingKey::kLanguageTotal)).toInt();
    if (total <= kMaxTextsPerGroup)
        return total;
    qCWarning(lcStore) << "language group" << group << "claims" << total << "texts; reading"
                       << kMaxTextsPerGroup;
    return kMaxTextsPerGroup;
}

} // namespace

QStringList getLangStrings(const QString &typeStr, const QString &langCode)
{
    if (!isSafeFileStem(langCode)) {
        qCWarning(lcStore) << "refusing language code" << langCode;
        return {};
    }
    const auto file = openIniStore(StorePath::languageFile(langCode));
    const int total = textCount(*file, typeStr);
    QStringList texts;
    for (int index = 0; index < total; ++index)
        texts.append(iniText(file->value(SettingKey::groupEntry(typeStr, index))));
    if (typeStr == SettingKey::kNoticeGroup)
        takeNoticeTexts(texts);
    return texts;
}

const NoticeTexts &noticeTexts()
{
    return noticeStorage();
}

QString noticeTextForStage(int stage)
{
    const bool isListedStage = stage >= 1 && stage <= kOtherStageNotice;
    return noticeStorage()[isListedStage ? stage - 1 : kOtherStageNotice];
}

void resetNoticeTexts()
{
    noticeStorage().fill(kStartupNoticeText);
}

} // namespace LanguageStrings
