#include "reliability/SafetyChecks.h"

#include "platform/PictureIO.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QtEndian>

namespace
{
// The same for paths relative to the sandbox.
bool isKeptColouringInSandbox(const QString &path)
{
    return path.startsWith(QLatin1String("app/")) && isKeptColouring(path.mid(4));
}

bool isSavedColouringInSandbox(const QString &path)
{
    return path.startsWith(QLatin1String("app/")) && isSavedColouring(path.mid(4));
}

// What became of a kept colouring that was there before: it may stay as it
// was, be rewritten as a whole bitmap, or be deleted by the clean-up or the
// erase button.
QString keptColouringProblem(const QString &path, const FolderSnapshot &after,
                             const AllowedChanges &allowed)
{
    if (const auto now = after.files.find(path); now != after.files.end()) {
        const QString wrong = bitmapProblem(now->second);
        return wrong.isEmpty() ? QString() : path + QStringLiteral(": ") + wrong;
    }
    if (after.others.contains(path) || allowed.cleanUp || allowed.erased.contains(path))
        return {};
    return QStringLiteral("lost: ") + path;
}

QStringList fileProblems(const FolderSnapshot &before, const FolderSnapshot &after,
                         const AllowedChanges &allowed)
{
    QStringList problems;
    for (const auto &[path, bytes] : before.files) {
        const auto now = after.files.find(path);
        if (now != after.files.end() && now->second == bytes)
            continue;
        if (isKeptColouringInSandbox(path))
            problems << keptColouringProblem(path, after, allowed);
        else
            problems << (now == after.files.end() ? QStringLiteral("lost: ")
                                                  : QStringLiteral("changed: ")) +
                            path;
    }
    for (const auto &[path, bytes] : after.files) {
        if (before.files.count(path) || before.others.contains(path))
            continue;
        if (!isKeptColouringInSandbox(path) && !isSavedColouringInSandbox(path))
            problems << QStringLiteral("new file: ") + path;
        else if (const QString wrong = bitmapProblem(bytes); !wrong.isEmpty())
            problems << path + QStringLiteral(": ") + wrong;
    }
    return problems;
}

QStringList withoutKeptColourings(const QStringList &entries)
{
    QStringList rest;
    for (const QString &entry : entries)
        if (!isKeptColouringInSandbox(entry))
            rest << entry;
    return rest;
}

QStringList entryProblems(const QStringList &before, const QStringList &after,
                          const QStringList &mayAppear)
{
    QStringList problems;
    for (const QString &entry : before)
        if (!after.contains(entry))
            problems << QStringLiteral("lost: ") + entry;
    for (const QString &entry : after)
        if (!before.contains(entry) && !mayAppear.contains(entry))
            problems << QStringLiteral("new: ") + entry;
    return problems;
}
} // namespace

bool isKeptColouring(const QString &relative)
{
    static const QRegularExpression kept(QStringLiteral("^dibujos/[^/]+/[1-9][0-9]*\\.bmp$"));
    return kept.match(relative).hasMatch();
}

bool isSavedColouring(const QString &relative)
{
    static const QRegularExpression saved(QStringLiteral("^Misdibujos/[^/.][^/]*\\.bmp$"));
    return saved.match(relative).hasMatch();
}

QString bitmapProblem(const QByteArray &bytes, QSize expectedSize)
{
    constexpr int headerBytes = 54;
    if (bytes.size() < headerBytes || !bytes.startsWith("BM"))
        return QStringLiteral("not a bitmap");
    const auto declaredSize = qFromLittleEndian<quint32>(bytes.constData() + 2);
    if (declaredSize != static_cast<quint32>(bytes.size()))
        return QStringLiteral("declares %1 bytes, has %2").arg(declaredSize).arg(bytes.size());
    const auto bitsPerPixel = qFromLittleEndian<quint16>(bytes.constData() + 28);
    if (bitsPerPixel != 24)
        return QStringLiteral("%1 bits per pixel").arg(bitsPerPixel);
    QBuffer buffer;
    buffer.setData(bytes);
    const QImage picture = loadPicture(&buffer);
    if (picture.isNull())
        return QStringLiteral("does not load");
    if (expectedSize.isValid() && picture.size() != expectedSize)
        return QStringLiteral("%1 x %2, the canvas was %3 x %4")
            .arg(picture.width())
            .arg(picture.height())
            .arg(expectedSize.width())
            .arg(expectedSize.height());
    return {};
}

QStringList sandboxProblems(const FolderSnapshot &before, const FolderSnapshot &after,
                            const AllowedChanges &allowed)
{
    QStringList problems = fileProblems(before, after, allowed);
    problems << entryProblems(before.folders, after.folders,
                              {QStringLiteral("app"), QStringLiteral("app/Misdibujos")});
    // A pipe or a link in place of a kept colouring is the program's to replace
    // with a bitmap, or to clean up, like the file it stands for.
    for (const QString &entry : before.others)
        if (isKeptColouringInSandbox(entry))
            problems << keptColouringProblem(entry, after, allowed);
    problems << entryProblems(withoutKeptColourings(before.others),
                              withoutKeptColourings(after.others), {});
    problems.removeAll(QString());
    return problems;
}
