#include "threads/manualtimer.h"

void TManualTimer::Fire() { Timer(); }
