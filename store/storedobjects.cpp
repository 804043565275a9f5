#include "storedobjects.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// The escapes the INI reader knows by letter; any other escaped character
// is dropped together with its backslash.
char16_t letterEscape(char c, bool *known)
{
    *known = true;
    switch (c) {
    case 'a': return u'\a';
    case 'b': return u'\b';
    case 'f': return u'\f';
    case 'n': return u'\n';
    case 'r': return u'\r';
    case 't': return u'\t';
    case 'v': return u'\v';
    case '"': return u'"';
    case '?': return u'?';
    case '\'': return u'\'';
    case '\\': return u'\\';
    default:
        *known = false;
        return 0;
    }
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The whole text unescaped as the reader unescapes a value: quotes vanish,
// "\x" takes every hex digit that follows and "\" every octal digit, both
// kept to 16 bits as the reader keeps them. Every value the reader builds
// is then a stretch of this text (give or take spaces at its ends).
QString unescaped(QByteArrayView text)
{
    QString out;
    out.reserve(text.size());
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        const char c = text[i];
        if (c == '"') {
            ++i;
            continue;
        }
        if (c != '\\') {
            qsizetype end = i + 1;
            while (end < size && text[end] != '\\' && text[end] != '"')
                ++end;
            out += fromUtf8(text.sliced(i, end - i));
            i = end;
            continue;
        }
        if (++i >= size)
            break;
        const char escaped = text[i++];
        bool known = false;
        const char16_t letter = letterEscape(escaped, &known);
        if (known) {
            out += QChar(letter);
        } else if (escaped == 'x') {
            if (i < size && hexDigit(text[i]) >= 0) {
                char16_t value = 0;
                for (; i < size && hexDigit(text[i]) >= 0; ++i)
                    value = char16_t((value << 4) + hexDigit(text[i]));
                out += QChar(value);
            }
        } else if (escaped >= '0' && escaped <= '7') {
            char16_t value = char16_t(escaped - '0');
            for (; i < size && text[i] >= '0' && text[i] <= '7'; ++i)
                value = char16_t((value << 3) + (text[i] - '0'));
            out += QChar(value);
        }
        // a line break after the backslash continues the line; anything
        // else escaped is dropped
    }
    return out;
}

// Whether `marker` starts a value somewhere: at the start of the text or
// after what can come before a value ("=", a list comma, blanks, a line
// break). After a further "@" it is the reader's escaped form of a text
// that merely begins with the marker; inside a word it is a plain text.
bool startsAValue(const QString &plain, QLatin1StringView marker)
{
    for (qsizetype at = plain.indexOf(marker); at >= 0; at = plain.indexOf(marker, at + 1)) {
        if (at == 0)
            return true;
        const QChar before = plain.at(at - 1);
        if (before == u'=' || before == u',' || before == u' ' || before == u'\t' || before == u'\n'
            || before == u'\r')
            return true;
    }
    return false;
}

} // namespace

bool holdsStoredObjects(QByteArrayView text)
{
    // Cheap test first: every marker needs an "@" or an escape to spell one.
    if (!text.contains('@') && !text.contains('\\'))
        return false;
    const QString plain = unescaped(text);
    return startsAValue(plain, QLatin1StringView("@Variant("))
        || startsAValue(plain, QLatin1StringView("@DateTime("));
}

bool fileHoldsStoredObjects(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return holdsStoredObjects(file.readAll());
}
