#pragma once

#include "support/MainWindowFixture.h"

using WindowOnScreen = MainWindowFixture;
