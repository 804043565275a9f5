// A language file as the scene asks for its groups, and the DPI notice texts
// taken from its "other" group. The first bytes also serve as a language code
// straight from the global file.
#include "fuzzsupport.h"

#include "dpinotice.h"
#include "store/languagestrings.h"

namespace {

const char *const kGroups[] = {"main", "keyMatrix", "keyAssigment", "dpiSetting", "lightControl",
                               "macroEditor", "systemSetting", "gunControl", "profile", "keyCode",
                               "other"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool entered = (fuzz::enterScratchModules(), true);
    (void)entered;

    fuzz::writeInput(QStringLiteral("./modules/i18n/Fuzzed.ini"), data, size);
    for (const char *group : kGroups) {
        const QStringList texts = LanguageStrings::getLangStrings(QString::fromLatin1(group),
                                                                  QStringLiteral("Fuzzed"));
        fuzz::require(texts.size() <= LanguageStrings::kMaxTextsPerGroup, "more texts than the bound");
    }
    for (int stage = -1; stage <= 256; ++stage)
        dpiNoticeText(stage);

    const QString code = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(std::min<std::size_t>(size, 24)));
    LanguageStrings::getLangStrings(QStringLiteral("other"), code);
    LanguageStrings::resetNoticeTexts();
    return 0;
}
