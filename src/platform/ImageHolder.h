#pragma once

#include <QImage>
#include <QLabel>

// A control that only holds a picture and, when visible, shows it at its own
// size. Hidden ones serve as storage (undo snapshots, the cursor picture).
class ImageHolder : public QLabel
{
    Q_OBJECT
public:
    explicit ImageHolder(QWidget *parent = nullptr);

    // A storage holder never converts its picture for the screen: snapshots of
    // a 4K canvas must cost a copy of pixels and nothing more.
    void setStorageOnly(bool on) { storageOnly = on; }
    void setPicture(const QImage &picture);
    const QImage &picture() const { return held; }
    // Writable access for storage holders that are refilled in place.
    QImage &heldPicture() { return held; }
    bool hasPicture() const { return !held.isNull(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage held;
    bool storageOnly = false;
};
