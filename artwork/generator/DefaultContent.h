#pragma once

#include <QString>

// Writes the whole default content of the application folder from the
// artwork sources: logos, drawings, palettes, textures, tool animations,
// background, sounds, settings and the empty saved-work folder.
// Returns false (after writing all it can) when any piece failed.
bool writeDefaultContent(const QString &artworkDir, const QString &appDir);
