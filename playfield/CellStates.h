#pragma once
// The marks moved to the play rules library; this name stays for the files
// that still include it from here.
#include "play/CellStates.h"
