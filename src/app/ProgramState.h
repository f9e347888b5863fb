#pragma once

#include <QString>

// The child's name typed in the title window ("Sin_nombre" when the field was
// left empty). Set once by the title window, read when a colouring is saved.
extern QString userName;
