#include "app/ProgramState.h"

QString userName;
