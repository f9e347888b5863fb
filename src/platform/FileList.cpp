#include "platform/FileList.h"

#include <QCollator>
#include <QDir>
#include <algorithm>

bool FileList::setPath(const QString &newFolder)
{
    QDir dir(newFolder);
    if (newFolder.isEmpty() || !dir.exists())
        return false;
    QStringList entries = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    if (order == Order::ForReaders) {
        // The system's collation puts "árboles" between "animales" and "barcos";
        // names it cannot tell apart keep one fixed order.
        QCollator collator{QLocale(QLocale::Spanish, QLocale::Spain)};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::sort(entries.begin(), entries.end(), [&collator](const QString &a, const QString &b) {
            const int collated = collator.compare(a, b);
            return collated != 0 ? collated < 0 : a < b;
        });
    } else {
        std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
            const int folded = a.compare(b, Qt::CaseInsensitive);
            return folded != 0 ? folded < 0 : a < b;
        });
    }
    folder = dir.path();
    names = entries;
    return true;
}

QString FileList::list(int index) const
{
    if (index < 0 || index >= names.size())
        return {};
    return names.at(index);
}

QString FileList::entryPath(int index) const
{
    const QString name = list(index);
    return name.isEmpty() ? QString() : folder + QLatin1Char('/') + name;
}
