#pragma once

#include "app/Form1.h"
#include "support/RecordingSoundPlayer.h"
#include "support/WindowAccess.h"

#include <QDirIterator>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <map>
#include <random>

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A copy of the default content: <root>/app is the application folder, and
// <root>/beside holds a file the program has no business touching.
struct ContentSandbox {
    ContentSandbox()
    {
        // Not content: the program, and what a run of it left in the build's folder.
        static const QRegularExpression left(
            "^(tintaro|Misdibujos/.*|dibujos/[^/]+/[0-9]+\\.bmp|.*/\\..*)$");
        const QDir content(TINTARO_APP_DIR);
        for (QDirIterator it(content.path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            if (const QString relative = content.relativeFilePath(it.next());
                !left.match(relative).hasMatch())
                copied += writeBytes(file(relative), readBytes(it.filePath()));
        QDir().mkpath(file("Misdibujos"));
        writeBytes(root() + "/beside/notes.txt", "A file beside the application folder.\n");
    }
    QString root() const { return dir.path(); }
    QString file(const QString &relative = {}) const
    {
        return QDir::cleanPath(dir.path() + "/app/" + relative);
    }
    QTemporaryDir dir;
    int copied = 0;
};

// Quit counts, print writes a PDF file, sounds and messages go
// nowhere, and each save is a second after the last.
struct ServiceLog {
    int quits = 0, prints = 0;
};

inline void replaceServices(Form1 &w, ServiceLog &log, const QString &pdfPath)
{
    w.setSoundPlayer(std::make_unique<RecordingSoundPlayer>(std::make_shared<QStringList>()));
    w.showMessage = [](const QString &) {};
    w.quitProgram = [&log] { ++log.quits; };
    w.openDocument = [](const QUrl &) {};
    w.openPrinter = [&log, pdfPath] {
        ++log.prints;
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(pdfPath);
        return printer;
    };
    w.clock = [seconds = std::make_shared<int>(0)] {
        return QDateTime(QDate(2024, 5, 6), QTime(10, 0)).addSecs((*seconds)++);
    };
}

// A point in the widget, now and then a little outside, where a drag can go.
inline QPoint anywhere(const QWidget *widget, std::mt19937 &random)
{
    std::uniform_real_distribution<double> along(-0.05, 1.05);
    return QPoint(int(along(random) * widget->width()), int(along(random) * widget->height()));
}

inline void stroke(Form1 &w, std::mt19937 &random, int moves)
{
    QTest::mousePress(w.Picture1, Qt::LeftButton, {}, anywhere(w.Picture1, random));
    for (int move = 0; move < moves; ++move) {
        const QPoint to = anywhere(w.Picture1, random);
        QMouseEvent event(QEvent::MouseMove, to, w.Picture1->mapToGlobal(to), Qt::NoButton,
                          Qt::LeftButton, {});
        QCoreApplication::sendEvent(w.Picture1, &event);
    }
    QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, anywhere(w.Picture1, random));
}

inline std::function<void(Form1 &, std::mt19937 &)> pressing(QPushButton *Form1::*button)
{
    return [button](Form1 &w, std::mt19937 &) {
        if (!(w.*button)->isHidden()) // a child presses only what shows
            (w.*button)->click();
    };
}

// What a child does in the main window, through the widgets' own mouse events,
// and how often against the others.
struct Action {
    const char *name;
    int weight;
    std::function<void(Form1 &, std::mt19937 &)> perform;
};

// clang-format off
inline const std::vector<Action> actions{
    {"Fill", 20, [](Form1 &w, std::mt19937 &r) {
        if (WindowAccess::paint(w).tool() != Tool::Fill && r() % 2) // also ends texture filling
            QTest::mouseClick(w.Image2[0], Qt::LeftButton);
        stroke(w, r, 0); }},
    {"Pencil", 10, [](Form1 &w, std::mt19937 &r) { QTest::mouseClick(w.Image2[1], Qt::LeftButton); stroke(w, r, 1 + r() % 8); }},
    {"Line", 6, [](Form1 &w, std::mt19937 &r) { QTest::mouseClick(w.Image2[2], Qt::LeftButton); stroke(w, r, 2); }},
    {"Far", 0, [](Form1 &w, std::mt19937 &) { // points no mouse event carries
        w.Picture1_Mousedown(1, 0, -1.5f, 1e9f), w.Picture1_MouseMove(1, 0, 1e9f, -1e9f), w.Picture1_MouseUp(1, 0, -1e9f, 0.5f);
        w.Picture6_mousedown(1, 0, -3.0f, 1e7f); }},
    {"Palette", 8, [](Form1 &w, std::mt19937 &r) { QTest::mousePress(w.Picture6, r() % 2 ? Qt::LeftButton : Qt::RightButton, {}, anywhere(w.Picture6, r)); }},
    {"Swatch", 6, [](Form1 &w, std::mt19937 &) { static unsigned next = 0; QTest::mousePress(w.Picture2[next++ % 16], Qt::LeftButton); }},
    {"Texture", 4, [](Form1 &w, std::mt19937 &r) { QTest::mousePress(w.Picture7, r() % 2 ? Qt::LeftButton : Qt::RightButton); }},
    {"Thickness", 3, [](Form1 &w, std::mt19937 &) { QTest::mouseClick(w.Picture4, Qt::LeftButton); }},
    {"Copy", 1, [](Form1 &w, std::mt19937 &) { QTest::mouseDClick(w.Picture6, Qt::LeftButton); }},
    {"Mosaic", 2, pressing(&Form1::Command9)},
    {"Next", 6, pressing(&Form1::Command4)},
    {"Previous", 4, pressing(&Form1::Command3)},
    {"Category", 4, pressing(&Form1::Command5)},
    {"StartAgain", 2, pressing(&Form1::Command1)},
    {"Undo", 8, pressing(&Form1::Command6)},
    {"Fit", 3, pressing(&Form1::Command7)},
    {"Save", 2, pressing(&Form1::Command10)},
    {"Print", 1, pressing(&Form1::Command8)},
    {"Open", 1, pressing(&Form1::Command11)},
    {"Quit", 1, pressing(&Form1::Command2)}, // the service replaced: the session goes on
};
// clang-format on

// Every state field out of its range (the colour and the tool keep theirs by their type).
inline QStringList stateOutOfRange(const Form1 &w)
{
    const CataloguePosition &at = WindowAccess::position(w);
    const qint64 categories = w.File1.listCount(), textures = w.File2.listCount(), n = at.drawing();
    const bool simple = w.categoryBaseName(at.category()).contains("peque");
    const std::tuple<const char *, qint64, qint64, qint64> fields[] = {
        {"undo steps", qint64(w.undoHistory.size()), 0, 4},
        {"penWidth", WindowAccess::penWidth(w).width(), 1, 40},
        {"drawing", n, at.count() ? 1 : n, at.count() ? at.count() : n},
        {"category", at.category(), 0, categories ? categories - 1 : 0},
        {"texture", WindowAccess::paint(w).texture(), 0, textures ? textures - 1 : 0},
        {"simpleMode", WindowAccess::simpleMode(w), simple, simple}};
    QStringList problems;
    for (const auto &[name, value, low, high] : fields)
        if (value < low || value > high)
            problems << QString("%1 = %2, not in %3..%4").arg(name).arg(value).arg(low).arg(high);
    return problems;
}

inline bool wholeBitmap(const QByteArray &bytes)
{
    return bytes.size() >= 54 && bytes.startsWith("BM") &&
           qFromLittleEndian<quint32>(bytes.constData() + 2) == quint32(bytes.size()) &&
           qFromLittleEndian<quint16>(bytes.constData() + 28) == 24 &&
           !QImage::fromData(bytes, "BMP").isNull();
}

// Every entry under the root: a file with its bytes, anything else (a folder,
// a pipe, a dangling link) by what it is, never opened.
inline std::map<QString, QByteArray> snapshot(const QString &root)
{
    std::map<QString, QByteArray> entries;
    for (QDirIterator it(root,
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString relative = QDir(root).relativeFilePath(it.next());
        const QFileInfo info = it.fileInfo();
        entries[relative] = info.isSymLink() ? "<link>"
                            : info.isDir()   ? "<folder>"
                            : info.isFile()  ? readBytes(it.filePath())
                                             : "<other>";
    }
    return entries;
}

// Every broken rule: outside "app/" nothing may appear, change or go; inside, only kept
// colourings may change (each a whole bitmap) or go (by the clean-up when it ran, or start
// again); new files only kept and saved colourings, new folders only "app/Misdibujos" ("app").
inline QStringList problems(const std::map<QString, QByteArray> &before,
                            const std::map<QString, QByteArray> &after, bool cleanUp,
                            const QStringList &erased)
{
    static const QRegularExpression kept("^app/dibujos/[^/]+/[1-9][0-9]*\\.bmp$"),
        saved("^app/Misdibujos/[^/.][^/]*\\.bmp$");
    QStringList found;
    for (const auto &[path, was] : before)
        if (!after.count(path) && !(kept.match(path).hasMatch() && was != "<folder>" &&
                                    (cleanUp || erased.contains(path))))
            found << "lost: " + path;
    for (const auto &[path, is] : after) {
        const auto was = before.find(path);
        const bool file = is != "<folder>" && is != "<other>" && is != "<link>";
        if (was != before.end() && was->second == is)
            continue;
        if (file && (kept.match(path).hasMatch() ||
                     (saved.match(path).hasMatch() && was == before.end()))) {
            if (!wholeBitmap(is))
                found << path + ": not a whole 24-bit bitmap";
        } else if (was != before.end() || (path != "app" && path != "app/Misdibujos")) {
            found << (was == before.end() ? "new: " : "changed: ") + path;
        }
    }
    return found;
}
