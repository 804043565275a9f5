#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Texts of the scene from ./modules/i18n/<langCode>.ini: one section per
// group, "total" texts under the keys 0 .. total-1. The group "other" also
// feeds the process-wide DPI notice texts.
namespace LanguageStrings {

inline constexpr int kNoticeTextCount = 8;     // stages 1..7, then any other stage
inline constexpr int kMaxTextsPerGroup = 1000; // a larger "total" is a broken file
using NoticeTexts = std::array<QString, kNoticeTextCount>;

// The group's texts in order, a missing key giving an empty text; empty when
// the file, the group or a positive total is missing, or when the language
// code is not a plain file name.
QStringList getLangStrings(const QString &typeStr, const QString &langCode);

// Every entry starts as "DPI Switch to" and keeps the last "other" texts read.
const NoticeTexts &noticeTexts();
// The notice text for a reported DPI stage (1-based; any other stage value
// takes the last entry).
QString noticeTextForStage(int stage);
// Back to the start-up texts.
void resetNoticeTexts();

} // namespace LanguageStrings
