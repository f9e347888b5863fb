#pragma once

#include "support/MainWindowFixture.h"

using CatalogueFixture = MainWindowFixture;
