#pragma once

#include <QStringList>

#include <functional>

// Runs a call into the toolkit while holding back the messages the toolkit
// logs meanwhile, and returns them instead. A service that is missing (no
// sound device, no picture viewer) makes the toolkit complain at every use;
// the caller says so once, in its own words, with these messages as the reason.
QStringList heldMessages(const std::function<void()> &call);

// Logs one line: what is missing and what becomes of it, then the held reasons.
void logMissing(const char *what, const QStringList &reasons);

// Logs messages held back from a call that went well, as the toolkit gave them.
void logHeld(const QStringList &messages);
