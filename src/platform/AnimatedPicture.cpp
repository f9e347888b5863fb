#include "platform/AnimatedPicture.h"

#include "platform/FileSearch.h"
#include "platform/PictureFit.h"

#include <QMovie>

AnimatedPicture::AnimatedPicture(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Clicks go through to the tool icon underneath's place in the column.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AnimatedPicture::setFile(const QString &path, QSize room)
{
    current = path;
    if (movie) {
        movie->stop();
        movie->deleteLater();
        movie = nullptr;
    }
    // A pipe under the animation's name would block the window for good.
    auto *next = isSpecialFile(path) ? nullptr : new QMovie(path, QByteArray(), this);
    if (!next || !next->isValid()) {
        delete next;
        clear();
        return;
    }
    movie = next;
    setMovie(movie);
    movie->start();
    movie->jumpToFrame(0);
    // Shrunk with the window on a short screen, then kept to its room.
    const QSize natural = movie->currentPixmap().size();
    const QSize shown = fittedSize(natural * scale, room);
    if (shown != natural) {
        movie->setScaledSize(shown);
        movie->jumpToFrame(0);
    }
    resize(shown);
}
