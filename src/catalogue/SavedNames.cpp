#include "catalogue/SavedNames.h"

#include <QTextBoundaryFinder>

namespace
{

// Most file systems allow at most this many bytes in one file name.
constexpr qsizetype maxFileNameBytes = 255;

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F); // C0 and C1 controls, DEL
}

bool isForbiddenInFileName(char16_t c)
{
    // Controls and what Windows does not allow in file names.
    return isControl(c) || QStringView(u"\\/:*?\"<>|").contains(c);
}

// Where the next character starts (a surrogate pair is one character).
qsizetype nextCharacter(const QString &text, qsizetype at)
{
    const bool pair =
        at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
    return at + (pair ? 2 : 1);
}

qsizetype utf8Bytes(char32_t codePoint)
{
    return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
}

// Length of the longest prefix of whole code points within the byte budget.
qsizetype prefixWithinBytes(const QString &text, qsizetype budget)
{
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype next = nextCharacter(text, end);
        const char32_t codePoint = next - end == 2
                                       ? QChar::surrogateToUcs4(text[end], text[end + 1])
                                       : text[end].unicode();
        budget -= utf8Bytes(codePoint);
        if (budget < 0)
            break;
        end = next;
    }
    return end;
}

// Cuts the text to fit the budget, preferring to keep letters and their accents
// (or an emoji and its modifiers) together; a single cluster longer than the
// whole budget is cut between code points instead.
QString cutToUtf8Bytes(const QString &text, qsizetype budget)
{
    const qsizetype fits = prefixWithinBytes(text, budget);
    if (fits == text.size())
        return text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(fits);
    const qsizetype cluster = graphemes.isAtBoundary() ? fits : graphemes.toPreviousBoundary();
    return text.left(cluster > 0 ? cluster : fits);
}

QString dateAndTimePart(const QDateTime &when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    return QStringLiteral(" %1-%2-%3--%4-%5-%6.bmp")
        .arg(date.day())
        .arg(date.month())
        .arg(date.year())
        .arg(time.hour())
        .arg(time.minute())
        .arg(time.second());
}

} // namespace

QString fileSafeName(const QString &userName)
{
    QString safe;
    safe.reserve(userName.size());
    for (qsizetype i = 0; i < userName.size();) {
        const qsizetype next = nextCharacter(userName, i);
        const QChar c = userName[i];
        const bool loneSurrogate = next - i == 1 && c.isSurrogate();
        if (c == u'.' && next < userName.size() && userName[next] == u'.') {
            safe += u'_';
            i = next + 1;
            continue;
        }
        if (loneSurrogate || isForbiddenInFileName(c.unicode()))
            safe += u'_';
        else
            safe += QStringView(userName).sliced(i, next - i);
        i = next;
    }
    // A leading dot would hide the file on most systems.
    if (safe.startsWith(u'.'))
        safe[0] = u'_';
    return safe;
}

QString savedSnapshotName(const QString &userName, const QDateTime &when)
{
    const QString suffix = dateAndTimePart(when);
    const qsizetype budget = maxFileNameBytes - suffix.toUtf8().size();
    return cutToUtf8Bytes(fileSafeName(userName), budget) + suffix;
}

bool isOneFolderName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name)
        if (isControl(c.unicode()) || c == u'\\' || c == u'/')
            return false;
    return true;
}
