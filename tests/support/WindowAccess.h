#pragma once

#include "app/Form1.h"

// The main window's private state, for tests and benchmarks that set up a
// case or check what a handler did to it.
struct WindowAccess {
    template <class W> static auto &position(W &w) { return w.position; }
    template <class W> static auto &paint(W &w) { return w.paint; }
    template <class W> static auto &penWidth(W &w) { return w.penWidth; }
    template <class W> static auto &simpleMode(W &w) { return w.simpleMode; }
    template <class W> static auto &drawingChanged(W &w) { return w.drawingChanged; }
    template <class W> static auto &naturalSizeShown(W &w) { return w.naturalSizeShown; }
    template <class W> static auto &fitSetting(W &w) { return w.fitSetting; }
    template <class W> static auto &lastPoint(W &w) { return w.lastPoint; }
    static const QImage &backgroundPicture(const Form1 &w)
    {
        return w.backgroundCache.backgroundPicture;
    }
};
