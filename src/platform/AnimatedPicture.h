#pragma once

#include <QLabel>
#include <QString>

class QMovie;

// Plays a GIF animation in a label. The program tells it only which file to
// play, where to stand and whether to show; a file that cannot be played
// leaves the label empty.
class AnimatedPicture : public QLabel
{
    Q_OBJECT
public:
    explicit AnimatedPicture(QWidget *parent = nullptr);

    // An animation larger than `room` (when given) plays scaled down to fit it.
    void setFile(const QString &path, QSize room = QSize());
    QString file() const { return current; }
    // Animations given from now on play at this factor of their size.
    void setScale(double factor) { scale = factor; }

private:
    QMovie *movie = nullptr;
    QString current;
    double scale = 1;
};
