#pragma once

#include <QString>
#include <QStringList>

// A folder listing as the program's hidden file lists give it: every ordinary
// file of the folder (no hidden files, no folders), sorted by name without
// regard to letter case, as plain names. Pointing it at a missing folder leaves
// it as it was; a list that was never pointed anywhere is empty.
class FileList
{
public:
    enum class Order {
        IgnoringCase, // by character codes, letter case ignored
        ForReaders,   // as a Spanish reader expects: case and accents ignored
    };
    explicit FileList(Order order = Order::IgnoringCase) : order(order) {}

    // Points the list at a folder and reads it. False when the folder is missing.
    bool setPath(const QString &folder);
    QString path() const { return folder; }
    int listCount() const { return static_cast<int>(names.size()); }
    // The entry at index, or an empty string outside the list.
    QString list(int index) const;
    // Full path of entry index: the folder, a separator and the name.
    QString entryPath(int index) const;

private:
    Order order;
    QString folder;
    QStringList names;
};
